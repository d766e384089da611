#include "app/details_window.h"

#include <vector>

#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "app/sky_drawing.h"
#include "calc/recalculation.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/magnetic_model.h"
#include "res/resource_ids.h"

namespace {

constexpr std::size_t OffsetBoxLimit = OffsetTextCapacity - 1;
std::string cellText(const SatelliteTable& table, int row, int column) {
    char text[CellReadCapacity];
    table.getCell(row, column, text, sizeof text);
    return text;
}

DetailsNumbers detailsNumbers(const SatelliteFieldNumbers& field, const MagneticField& magnetic) {
    DetailsNumbers numbers;
    numbers.elevation = field.elevation;
    numbers.trueAzimuth = field.azimuth;
    numbers.magneticAzimuth = field.magneticAzimuth;
    numbers.declination = magnetic.declination;
    numbers.declinationKnown = magnetic.withinValidity;
    numbers.rangeKm = field.rangeKm;
    numbers.delayMs = field.delayMs;
    numbers.visible = field.visible;
    return numbers;
}

void showTexts(HWND dialog, const DetailsInput& input) {
    DetailsTexts texts;
    buildDetailsTexts(input, texts);
    const std::pair<int, const char*> controls[] = {
        {IDC_DETAILS_SATELLITE, texts.satellite},
        {IDC_DETAILS_SITE, texts.site},
        {IDC_DETAILS_ELEVATION, texts.elevation},
        {IDC_DETAILS_TRUE_AZIMUTH, texts.trueAzimuth},
        {IDC_DETAILS_DECLINATION, texts.declination},
        {IDC_DETAILS_COMPASS, texts.compass},
        {IDC_DETAILS_POLARISATION, texts.polarisation},
        {IDC_DETAILS_RANGE, texts.range},
    };
    for (const auto& control : controls)
        setControlText(GetDlgItem(dialog, control.first), control.second);
}

void onInitDialog(HWND dialog, DetailsWindowContext& context) {
    centreWindow(dialog);
    HWND offsetBox = GetDlgItem(dialog, IDC_DETAILS_OFFSET);
    SendMessageW(offsetBox, EM_LIMITTEXT, OffsetBoxLimit, 0);
    // The control counts characters; the program counts bytes.
    limitTypingToBytes(offsetBox, OffsetBoxLimit);
    context.content.input.offsetText = context.offset->text;
    showTexts(dialog, context.content.input);
    setControlText(offsetBox, context.offset->text);
}

// The offset box changed: the elevation of an offset dish follows it.
void onOffsetChanged(HWND dialog, DetailsWindowContext& context) {
    readControlText(GetDlgItem(dialog, IDC_DETAILS_OFFSET), context.offset->text,
                    sizeof context.offset->text);
    showTexts(dialog, context.content.input);
}

void onDrawItem(HWND dialog, const DetailsWindowContext& context, const DRAWITEMSTRUCT& item) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    drawSkyPicture(item.hDC, item.rcItem, context.content.sky, context.content.selected, font);
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
               DetailsWindowContext& context) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(dialog, context);
            return TRUE;  // the focus goes to the offset box
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_DETAILS_OFFSET:
                    if (HIWORD(wParam) == EN_CHANGE) onOffsetChanged(dialog, context);
                    return TRUE;
                case IDOK:
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_DRAWITEM:
            if (wParam != IDC_DETAILS_SKY) return FALSE;
            onDrawItem(dialog, context, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void prepareDetails(const SatelliteTable& table, int row, const ReceivingSite& site,
                    const char* siteDescription, const CalendarDate& date,
                    DetailsWindowContent& content) {
    double decimalYear = date.year;
    decimalYearOfDate(date.year, date.month, date.day, decimalYear);
    const MagneticField magnetic =
        evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                              static_cast<double>(site.longitude), 0, decimalYear);

    const std::vector<SkySatelliteInput> satellites =
        skySatellitesOf(table, site, magnetic.declination);
    char dateText[DateTextCapacity];
    formatDate(date, dateText);
    content.sky = layoutSkyPicture(site, dateText, magnetic.declination, wmm2025().name,
                                   magnetic.withinValidity, satellites);
    content.selected = row;

    content.satelliteName = cellText(table, row, ColumnName);
    content.longitudeText = cellText(table, row, ColumnLongitude);
    content.siteName = siteNameLine(siteDescription);
    DetailsInput& input = content.input;
    input.satelliteName = content.satelliteName.c_str();
    input.longitudeText = content.longitudeText.c_str();
    input.siteName = content.siteName.c_str();
    input.date = date;
    input.southernSite = site.latitude < 0;
    computePointing(rowLongitude(table, row), site, input.pointing);
    input.numbers = detailsNumbers(satellites[static_cast<std::size_t>(row)].numbers, magnetic);
    input.modelName = wmm2025().name;
}

CalendarDate localToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

INT_PTR CALLBACK DetailsWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedDialogProc<DetailsWindowContext, handle>(dialog, message, wParam, lParam);
}

void showSatelliteDetails(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                          const ReceivingSite& site, const char* siteDescription,
                          const CalendarDate& date, OffsetSetting& offset) {
    if (row < 0 || row >= table.rowCount()) {
        return;
    }
    DetailsWindowContext context;
    prepareDetails(table, row, site, siteDescription, date, context.content);
    context.offset = &offset;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_DETAILS_WINDOW), owner, DetailsWindowProc,
                    reinterpret_cast<LPARAM>(&context));
}
