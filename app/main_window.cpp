#include "app/main_window.h"

#include <commctrl.h>

#include <vector>

#include "app/about_box.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/city_box.h"
#include "app/clipboard_export.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "app/satellite_deletion.h"
#include "app/satellite_dialog.h"
#include "calc/satellite_entry.h"
#include "calc/site_input.h"
#include "res/resource_ids.h"

namespace {

constexpr int TooltipAutoPopDelay = 20000;
constexpr int TooltipInitialDelay = 50;
constexpr int TooltipTextCapacity = 256;

void addTooltips(MainWindowState& state) {
    state.tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, state.window,
                                    nullptr, state.instance, nullptr);
    if (state.tooltip == nullptr) {
        return;
    }
    SendMessageW(state.tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(TooltipAutoPopDelay, 0));
    SendMessageW(state.tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(TooltipInitialDelay, 0));
    for (int id = IDC_SITE_DESCRIPTION; id <= IDC_SATELLITE_TABLE; ++id) {
        wchar_t text[TooltipTextCapacity];
        // Each control's tip is the string with the control's id.
        if (LoadStringW(state.instance, static_cast<UINT>(id), text, TooltipTextCapacity) <= 0) {
            continue;
        }
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = state.window;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(state.window, id));
        tool.lpszText = text;  // the tooltip keeps its own copy
        SendMessageW(state.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void onInitDialog(MainWindowState& state) {
    HWND window = state.window;
    state.cityBox = GetDlgItem(window, IDC_CITY);
    state.longitudeBox = GetDlgItem(window, IDC_LONGITUDE);
    state.latitudeBox = GetDlgItem(window, IDC_LATITUDE);
    state.tableView = GetDlgItem(window, IDC_SATELLITE_TABLE);
    state.menuBar = GetMenu(window);
    state.satelliteMenu = GetSubMenu(state.menuBar, 1);
    state.table = ListViewTable(state.tableView);
    state.siteControls = DialogSiteControls(state.longitudeBox, state.latitudeBox,
                                            GetDlgItem(window, IDOK), state.menuBar);

    HICON icon = LoadIconW(state.instance, MAKEINTRESOURCEW(IDI_KESTRAVE));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    centreWindow(window);
    fillCityBox(state.cityBox);
    SendMessageW(state.longitudeBox, EM_LIMITTEXT, CoordinateBoxLimit, 0);
    SendMessageW(state.latitudeBox, EM_LIMITTEXT, CoordinateBoxLimit, 0);
    SendMessageW(state.cityBox, CB_LIMITTEXT, CityBoxLimit, 0);
    // The controls count characters; the program counts bytes.
    limitTypingToBytes(state.longitudeBox, CoordinateBoxLimit);
    limitTypingToBytes(state.latitudeBox, CoordinateBoxLimit);
    limitTypingToBytes(comboBoxEditField(state.cityBox), CityBoxLimit);
    addTooltips(state);

    loadSite(state.settings, state.site);
    // Each coordinate box reports the change, which runs readSiteInput.
    setControlText(state.cityBox, state.site.name);
    setControlText(state.longitudeBox, state.site.longitudeText);
    setControlText(state.latitudeBox, state.site.latitudeText);
    applyPlaceName(state.site.name, state.siteControls, state.site);
    // Show the list entry that begins with the name. An empty name leaves the
    // box empty, whatever a list control might make of an empty prefix.
    if (state.site.name[0] != '\0') {
        selectCityEntry(state.cityBox, state.site.name);
    }

    SendMessageW(state.tableView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    insertSatelliteColumns(state.table);
    loadSatelliteList(state.settings, state.table);
    recalculate(state);
}

void onCityBoxNotification(MainWindowState& state, WORD code) {
    switch (code) {
        case CBN_EDITCHANGE: {
            std::vector<char> text(CityBoxEditReadCapacity);
            readControlText(state.cityBox, text.data(), text.size());
            applyPlaceName(text.data(), state.siteControls, state.site);
            break;
        }
        case CBN_SELENDOK: {
            std::vector<char> text(CityBoxEditReadCapacity);
            int index = static_cast<int>(SendMessageW(state.cityBox, CB_GETCURSEL, 0, 0));
            readCityListEntry(state.cityBox, index, text.data(), text.size());
            applyPlaceName(text.data(), state.siteControls, state.site);
            break;
        }
        default:
            break;
    }
}

bool siteInputsUsable(const MainWindowState& state) {
    return IsWindowEnabled(GetDlgItem(state.window, IDOK)) != FALSE;
}

void showSiteDescription(const MainWindowState& state) {
    setControlText(GetDlgItem(state.window, IDC_SITE_DESCRIPTION), state.siteDescription);
}

// Commands 3011 and 3012: the satellite dialog, then its texts into the table.
void editSatellite(MainWindowState& state, SatelliteDialogMode mode) {
    // Adding writes a new row after the last; modifying the first selected
    // row, or nothing when none is selected.
    const int row = mode == SatelliteDialogMode::Modify ? state.table.nextSelectedRow(-1)
                                                        : state.table.rowCount();
    SatelliteDialogData data;
    data.mode = mode;
    if (mode == SatelliteDialogMode::Modify && row != -1) {
        state.table.getCell(row, ColumnName, data.description, sizeof data.description);
        state.table.getCell(row, ColumnLongitude, data.longitude, sizeof data.longitude);
    }
    data.acceptable = [&state, row](const char* longitude, const char* description) {
        return satelliteEntryAcceptable(state.table, row, longitude, description);
    };
    if (!runSatelliteDialog(state.instance, state.window, data)) {
        return;
    }
    if (row != -1) {
        if (mode == SatelliteDialogMode::Modify) {
            state.table.setCell(row, ColumnName, data.description);
        } else {
            state.table.insertRow(row, data.description);
        }
        // The longitude text is kept exactly as typed.
        state.table.setCell(row, ColumnLongitude, data.longitude);
    }
    char cityBoxText[SiteNameReadCapacity];
    readControlText(state.cityBox, cityBoxText, sizeof cityBoxText);
    recalculateAfterListEdit(siteInputsUsable(state), cityBoxText, state.site, state.table,
                             state.changeFlags, state.siteDescription, state.lastRecalculation);
    showSiteDescription(state);
    state.changeFlags |= ListChanged;
}

void deleteSelected(MainWindowState& state) {
    if (deleteSelectedSatellites(state.window, state.table, state.askDeletion)) {
        state.changeFlags |= ListChanged;
    }
}

void copyResults(const MainWindowState& state) {
    std::vector<char> description(ClipboardDescriptionCapacity);
    readControlText(GetDlgItem(state.window, IDC_SITE_DESCRIPTION), description.data(),
                    description.size());
    copyResultsToClipboard(state.window, description.data(), state.table);
}

void closeMainWindow(MainWindowState& state) {
    saveSettings(state.settings, state.site, state.table, state.changeFlags);
    EndDialog(state.window, 0);
}

void onCommand(MainWindowState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case IDM_EXIT:
            closeMainWindow(state);
            break;
        case IDOK:
        case IDM_RECALCULATE:
            // Some dialog managers send IDOK for Enter even while the default
            // button is greyed; the site inputs are invalid then.
            if (siteInputsUsable(state)) {
                recalculate(state);
            }
            break;
        case IDM_ADD_SATELLITE:
            editSatellite(state, SatelliteDialogMode::Add);
            break;
        case IDM_MODIFY_SATELLITE:
            editSatellite(state, SatelliteDialogMode::Modify);
            break;
        case IDM_DELETE_SATELLITES:
            deleteSelected(state);
            break;
        case IDM_COPY_RESULTS:
            copyResults(state);
            break;
        case IDM_ABOUT:
            showAboutBox(state.instance, state.window, state.openLink);
            break;
        case IDC_LONGITUDE:
        case IDC_LATITUDE:
            readSiteInput(state.siteControls, state.site);
            break;
        case IDC_CITY:
            onCityBoxNotification(state, HIWORD(wParam));
            break;
        default:  // IDCANCEL (Esc) included: the window stays open
            break;
    }
}

void showContextMenu(MainWindowState& state) {
    POINT cursor;
    GetCursorPos(&cursor);
    SetForegroundWindow(state.window);
    TrackPopupMenu(state.satelliteMenu, 0, cursor.x, cursor.y, 0, state.window, nullptr);
}

void onNotify(MainWindowState& state, const NMHDR& header) {
    if (header.hwndFrom != state.tableView) {
        return;
    }
    switch (header.code) {
        case LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
            sortByColumn(state.table, click.iSubItem, state.sortDirections,
                         compareTextsLikeWindows);
            state.changeFlags |= ListChanged;
            break;
        }
        case NM_RCLICK:
            showContextMenu(state);
            break;
        default:
            break;
    }
}

// Before any pop-up menu opens, the menu bar's or the context menu.
void enableMenuCommands(MainWindowState& state) {
    bool anySelected = state.table.nextSelectedRow(-1) != -1;
    UINT selectionCommands = MF_BYCOMMAND | (anySelected ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(state.satelliteMenu, IDM_MODIFY_SATELLITE, selectionCommands);
    EnableMenuItem(state.satelliteMenu, IDM_DELETE_SATELLITES, selectionCommands);
    EnableMenuItem(state.satelliteMenu, IDM_COPY_RESULTS,
                   MF_BYCOMMAND | (state.table.rowCount() > 0 ? MF_ENABLED : MF_GRAYED));
}

INT_PTR handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, MainWindowState& state) {
    switch (message) {
        case WM_INITDIALOG:
            state.window = window;
            onInitDialog(state);
            return TRUE;
        case WM_COMMAND:
            onCommand(state, wParam);
            return TRUE;
        case WM_NOTIFY:
            onNotify(state, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_INITMENUPOPUP:
            enableMenuCommands(state);
            return TRUE;
        case WM_CLOSE:
            closeMainWindow(state);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void recalculate(MainWindowState& state) {
    char cityBoxText[SiteNameReadCapacity];
    readControlText(state.cityBox, cityBoxText, sizeof cityBoxText);
    recalculateForSite(cityBoxText, state.site, state.table, state.changeFlags,
                       state.siteDescription, state.lastRecalculation);
    showSiteDescription(state);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedDialogProc<MainWindowState, handle>(window, message, wParam, lParam);
}

void runMainWindow(HINSTANCE instance) {
    MainWindowState state;
    state.instance = instance;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, MainWindowProc,
                    reinterpret_cast<LPARAM>(&state));
}
