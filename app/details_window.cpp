#include "app/details_window.h"

#include <iterator>
#include <utility>

#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/details_outage_controls.h"
#include "app/dialog_messages.h"
#include "app/dialog_procedure.h"
#include "app/sky_drawing.h"
#include "calc/recalculation.h"
#include "fieldkit/line_of_sight_text.h"
#include "fieldkit/satellite_details.h"
#include "res/resource_ids.h"

namespace {

constexpr std::size_t OffsetBoxLimit = OffsetTextCapacity - 1;

// The window's context in DWLP_USER: what it shows and the offset it edits.
struct DetailsWindowContext {
    SatelliteDetails details;
    OffsetSetting* offset = nullptr;
    SettingsAutosave* autosave = nullptr;
    DetailsOutageControls outage;
};

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
        {IDC_DETAILS_SUN_AIM, texts.sunAim},
        {IDC_DETAILS_MOTOR_ANGLE, texts.motorAngle},
        {IDC_DETAILS_POLAR_MOUNT, texts.polarMount},
    };
    for (const auto& control : controls)
        setControlText(GetDlgItem(dialog, control.first), control.second);
}

// Whether the satellite clears the obstacles; it does not change with the offset.
void showLineOfSight(HWND dialog, const SatelliteDetails& details) {
    char text[LineOfSightTextCapacity];
    buildLineOfSightText(details.input.numbers, details.lineOfSight, details.anyObstacle, text);
    setControlText(GetDlgItem(dialog, IDC_DETAILS_LINE_OF_SIGHT), text);
}

void onInitDialog(HWND dialog, DetailsWindowContext& context) {
    centreWindow(dialog);
    HWND offsetBox = GetDlgItem(dialog, IDC_DETAILS_OFFSET);
    limitTypingToBytes(offsetBox, OffsetBoxLimit);
    context.details.input.offsetText = context.offset->text;
    showTexts(dialog, context.details.input);
    showLineOfSight(dialog, context.details);
    setControlText(offsetBox, context.offset->text);
    initOutageControls(dialog, context.outage, context.details.sky);
}

// The offset box changed: the elevation of an offset dish follows it.
void onOffsetChanged(HWND dialog, DetailsWindowContext& context) {
    readControlText(GetDlgItem(dialog, IDC_DETAILS_OFFSET), context.offset->text,
                    sizeof context.offset->text);
    context.details.input.offsetText = context.offset->text;
    showTexts(dialog, context.details.input);
    context.autosave->offsetChanged(*context.offset);
}

void onDrawItem(HWND dialog, const DetailsWindowContext& context, const DRAWITEMSTRUCT& item) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    drawSkyPicture(item.hDC, item.rcItem, context.details.sky, context.details.selected, font);
}

// The outage controls, whose changes redraw the sky.
void onDishBoxChanged(HWND dialog, DetailsWindowContext& context) {
    onDishChanged(dialog, context.outage, context.details.sky);
}

void onBandChosen(HWND dialog, DetailsWindowContext& context) {
    onBandChanged(dialog, context.outage, context.details.sky);
}

const DialogCommand<DetailsWindowContext> Commands[] = {
    {IDC_DETAILS_OFFSET, EN_CHANGE, onOffsetChanged},
    {IDC_DETAILS_DISH, EN_CHANGE, onDishBoxChanged},
    {IDC_DETAILS_BAND, CBN_SELCHANGE, onBandChosen},
    {IDOK, AnyNotification, endDialogWith<DetailsWindowContext, 0>},
    {IDCANCEL, AnyNotification, endDialogWith<DetailsWindowContext, 0>},
};

const DialogMessages<DetailsWindowContext> Messages = {
    onInitDialog, Commands, std::size(Commands), nullptr, IDC_DETAILS_SKY, onDrawItem};

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
               DetailsWindowContext& context) {
    return handleDialogMessage(dialog, message, wParam, lParam, context, Messages);
}

}  // namespace

void showSatelliteDetails(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                          const ReceivingSite& site, const char* siteDescription,
                          const CalendarDate& date, OffsetSetting& offset,
                          SettingsAutosave& autosave, DishSetting& dish, BandSetting& band,
                          const Horizon& obstacles) {
    if (row < 0 || row >= table.rowCount()) {
        return;
    }
    DetailsWindowContext context;
    prepareSatelliteDetails(table, row, site, siteDescription, date, context.details, obstacles);
    context.offset = &offset;
    context.autosave = &autosave;
    context.outage.site = site;
    context.outage.satelliteLongitude = rowLongitude(table, row);
    context.outage.today = date;
    context.outage.dish = &dish;
    context.outage.band = &band;
    context.outage.autosave = &autosave;
    runModalDialog<DetailsWindowContext, handle>(instance, IDD_DETAILS_WINDOW, owner, context);
}
