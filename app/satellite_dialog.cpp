#include "app/satellite_dialog.h"

#include <cstring>

#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/main_window.h"
#include "calc/satellite_entry.h"
#include "res/resource_ids.h"

namespace {

constexpr WPARAM LongitudeBoxLimit = 6;
constexpr WPARAM DescriptionBoxLimit = 100;

// Button 1 shows the mode. The OK handler tells the modes apart by the
// caption's first character, 修 (modify).
const char* const AddCaption = "\xD4\xF6\xBC\xD3(&A)";     // 增加(&A)
const char* const ModifyCaption = "\xD0\xDE\xB8\xC4(&M)";  // 修改(&M)
const char ModifyMark[] = "\xD0\xDE";                      // 修
constexpr std::size_t CaptionReadCapacity = 16;

HWND okButton(HWND dialog) { return GetDlgItem(dialog, IDOK); }

bool buttonShowsModify(HWND dialog) {
    char caption[CaptionReadCapacity];
    readControlText(okButton(dialog), caption, sizeof caption);
    return std::memcmp(caption, ModifyMark, sizeof ModifyMark - 1) == 0;
}

// The row that OK writes: the first selected row when modifying (-1 when
// none is selected), a new row after the last when adding.
int targetRow(HWND dialog, const SatelliteTable& table) {
    return buttonShowsModify(dialog) ? table.nextSelectedRow(-1) : table.rowCount();
}

struct BoxTexts {
    char longitude[SatelliteBoxTextCapacity];
    char description[SatelliteBoxTextCapacity];
};

BoxTexts readBoxes(HWND dialog) {
    BoxTexts texts;
    readControlText(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE), texts.longitude,
                    sizeof texts.longitude);
    readControlText(GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), texts.description,
                    sizeof texts.description);
    return texts;
}

// A usable longitude and description, and a stored list that the next start
// can still read back once they are written.
bool entryAcceptable(HWND dialog, const MainWindowState& main) {
    BoxTexts texts = readBoxes(dialog);
    return satelliteEntryAcceptable(main.table, targetRow(dialog, main.table), texts.longitude,
                                    texts.description);
}

void validate(HWND dialog, const MainWindowState& main) {
    EnableWindow(okButton(dialog), entryAcceptable(dialog, main));
}

void onInitDialog(HWND dialog, const SatelliteDialogContext& context) {
    MainWindowState& main = *context.main;
    centreWindow(dialog);
    SendMessageA(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE), EM_LIMITTEXT, LongitudeBoxLimit, 0);
    SendMessageA(GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), EM_LIMITTEXT, DescriptionBoxLimit,
                 0);
    if (context.mode == SatelliteDialogMode::Modify) {
        int row = main.table.nextSelectedRow(-1);
        if (row != -1) {
            char text[SatelliteBoxTextCapacity];
            main.table.getCell(row, ColumnName, text, sizeof text);
            setControlText(GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), text);
            main.table.getCell(row, ColumnLongitude, text, sizeof text);
            setControlText(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE), text);
        }
        setControlText(okButton(dialog), ModifyCaption);
    } else {
        setControlText(okButton(dialog), AddCaption);
    }
    validate(dialog, main);
}

void onOk(HWND dialog, MainWindowState& main) {
    // Enter may still arrive while the button is greyed: nothing unusable is written.
    if (!entryAcceptable(dialog, main)) {
        return;
    }
    bool modify = buttonShowsModify(dialog);
    int row = modify ? main.table.nextSelectedRow(-1) : main.table.rowCount();
    if (row != -1) {
        BoxTexts texts = readBoxes(dialog);
        if (modify) {
            main.table.setCell(row, ColumnName, texts.description);
        } else {
            main.table.insertRow(row, texts.description);
        }
        // The longitude text is kept exactly as typed.
        main.table.setCell(row, ColumnLongitude, texts.longitude);
    }
    recalculateAfterListEdit(main);
    main.changeFlags |= ListChanged;
    EndDialog(dialog, 0);
}

INT_PTR dispatch(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        onInitDialog(dialog, *reinterpret_cast<const SatelliteDialogContext*>(lParam));
        return TRUE;  // the focus goes to the first box, the longitude
    }
    auto* context =
        reinterpret_cast<const SatelliteDialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (context == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SATELLITE_LONGITUDE:
                case IDC_SATELLITE_DESCRIPTION:
                    validate(dialog, *context->main);
                    return TRUE;
                case IDOK:
                    onOk(dialog, *context->main);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

void runSatelliteDialog(MainWindowState& state, SatelliteDialogMode mode) {
    SatelliteDialogContext context = {&state, mode};
    DialogBoxParamA(state.instance, MAKEINTRESOURCEA(IDD_SATELLITE_DIALOG), state.window,
                    SatelliteDialogProc, reinterpret_cast<LPARAM>(&context));
}

}  // namespace

INT_PTR CALLBACK SatelliteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may be thrown back into the window manager.
    try {
        return dispatch(dialog, message, wParam, lParam);
    } catch (...) {
        return TRUE;
    }
}

void addSatellite(MainWindowState& state) { runSatelliteDialog(state, SatelliteDialogMode::Add); }

void modifySelectedSatellite(MainWindowState& state) {
    runSatelliteDialog(state, SatelliteDialogMode::Modify);
}

void recalculateAfterListEdit(MainWindowState& state) {
    if (IsWindowEnabled(GetDlgItem(state.window, IDOK))) {
        recalculate(state);
        return;
    }
    const long double typedLongitude = state.site.longitude;
    const long double typedLatitude = state.site.latitude;
    state.site.longitude = state.recalculatedLongitude;
    state.site.latitude = state.recalculatedLatitude;
    // The name as the last recalculation took it (recalculateAll rewrites the field).
    char name[sizeof state.site.name];
    std::memcpy(name, state.site.name, sizeof name);
    name[sizeof name - 1] = '\0';
    recalculateAll(name, state.site, state.table, state.changeFlags, state.siteDescription);
    setControlText(GetDlgItem(state.window, IDC_SITE_DESCRIPTION), state.siteDescription);
    state.site.longitude = typedLongitude;
    state.site.latitude = typedLatitude;
}
