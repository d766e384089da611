#include "app/main_window.h"

#include <commctrl.h>

#include "app/about_box.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "app/list_file_commands.h"
#include "app/main_commands.h"
#include "app/main_menus.h"
#include "app/main_window_keys.h"
#include "app/obstacle_commands.h"
#include "app/sheet_command.h"
#include "app/tooltips.h"
#include "calc/site_input.h"
#include "fieldkit/details_outage.h"
#include "res/resource_ids.h"

namespace {

void findControls(MainWindowControls& controls) {
    HWND window = controls.window;
    controls.city.box = GetDlgItem(window, IDC_CITY);
    controls.longitudeBox = GetDlgItem(window, IDC_LONGITUDE);
    controls.latitudeBox = GetDlgItem(window, IDC_LATITUDE);
    controls.tableView = GetDlgItem(window, IDC_SATELLITE_TABLE);
    controls.menuBar = GetMenu(window);
    controls.satelliteMenu = GetSubMenu(controls.menuBar, 1);
    controls.table = ListViewTable(controls.tableView);
    controls.siteControls = DialogSiteControls(controls.longitudeBox, controls.latitudeBox,
                                               GetDlgItem(window, IDOK), controls.menuBar);
}

void limitSiteBoxes(const MainWindowControls& controls) {
    limitTypingToBytes(controls.longitudeBox, CoordinateBoxLimit);
    limitTypingToBytes(controls.latitudeBox, CoordinateBoxLimit);
    SendMessageW(controls.city.box, CB_LIMITTEXT, CityBoxLimit, 0);
    limitTypingToBytes(comboBoxEditField(controls.city.box), CityBoxLimit);
}

// The saved site into the boxes; each coordinate box reports the change,
// which runs readSiteInput.
void showSavedSite(MainWindowState& state) {
    MainWindowControls& controls = state.controls;
    ReceivingSite& site = state.model.site;
    loadSite(state.model.settings, site);
    setControlText(controls.city.box, site.name);
    setControlText(controls.longitudeBox, site.longitudeText);
    setControlText(controls.latitudeBox, site.latitudeText);
    applyPlaceName(site.name, controls.siteControls, site);
    showSavedPlace(controls.city, controls.siteControls, site);
}

// The stored list may hold thousands of rows: room for as many as Data can
// hold is reserved at once (the shortest record is a comma and its NUL), and
// the table is drawn once, at the end.
void fillTableFromSettings(MainWindowState& state) {
    TableRedrawPause pause(state.controls.tableView);
    reserveTableRows(state.controls.tableView, static_cast<int>(StoredListCapacity / 2));
    loadSatelliteList(state.model.settings, state.controls.table);
}

void onInitDialog(MainWindowState& state) {
    MainWindowControls& controls = state.controls;
    findControls(controls);
    rememberFirstLayout(controls.window, controls.layout);
    HICON icon = LoadIconW(controls.instance, MAKEINTRESOURCEW(IDI_KESTRAVE));
    SendMessageW(controls.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    centreWindow(controls.window);
    fillCityBox(controls.city.box);
    limitSiteBoxes(controls);
    controls.tooltip = addTooltips(controls.instance, controls.window);
    showCurrentListDate(controls.satelliteMenu);
    showSavedSite(state);

    SendMessageW(controls.tableView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    insertSatelliteColumns(controls.table);
    fillTableFromSettings(state);
    state.model.previousListKept = previousListKept(state.model.settings);
    loadHorizon(state.model.settings, state.model.horizon);
    recalculate(state, RecalculationSite::Inputs);
    keepOlderObstacles(state);
    loadOffset(state.model.settings, state.model.offset);
    loadDish(state.model.settings, state.model.dish);
    loadMultifeedDish(state.model.settings, state.model.multifeedDish);
    loadBandSetting(state.model.settings, state.model.band);
    WindowSetting placement;
    if (loadWindow(state.model.settings, placement))
        placeWindow(controls.window, controls.layout, placement);
    installMainWindowKeys(controls.instance, controls.window, controls.tableView);
}

void closeMainWindow(MainWindowState& state) {
    saveAtClose(state);
    EndDialog(state.controls.window, 0);
}

// Windows asks before it logs off, shuts down or restarts: the program never
// objects. When the session ends it may end the process at once, so the
// close's values are written then; a close afterwards writes nothing more,
// while every later change is still written as it happens. The Restart
// Manager (ENDSESSION_CLOSEAPP) ends nothing itself: it asks the program to
// close, which it does as the close command does.
INT_PTR onQueryEndSession(HWND window) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

void onEndSession(MainWindowState& state, WPARAM ending, LPARAM how) {
    if (ending == FALSE) return;
    if ((how & ENDSESSION_CLOSEAPP) != 0) {
        closeMainWindow(state);
    } else {
        saveAtClose(state);
    }
}

void onCommand(MainWindowState& state, WPARAM wParam) {
    MainWindowControls& controls = state.controls;
    switch (LOWORD(wParam)) {
        case IDM_EXIT:
            closeMainWindow(state);
            break;
        case IDOK:
        case IDM_RECALCULATE:
            // Some dialog managers send IDOK for Enter even while the default
            // button is greyed; the site inputs are invalid then.
            if (controls.siteControls.recalculateEnabled()) {
                recalculate(state, RecalculationSite::Inputs);
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
        case IDM_SATELLITE_DETAILS:
            showDetails(state, controls.table.nextSelectedRow(-1));
            break;
        case IDM_OPEN_LIST:
            openListFile(state);
            break;
        case IDM_SAVE_LIST:
            saveListFile(state);
            break;
        case IDM_EXPORT_RESULTS:
            exportResults(state);
            break;
        case IDM_SAVE_SHEET:
            saveInstallSheet(state);
            break;
        case IDM_LOAD_CURRENT_LIST:
            loadCurrentList(state);
            break;
        case IDM_RESTORE_BUILT_IN_LIST:
            restoreBuiltInList(state);
            break;
        case IDM_RESTORE_PREVIOUS_LIST:
            restorePreviousList(state);
            break;
        case IDM_OBSTACLES:
            editObstacles(state);
            break;
        case IDM_SELECT_ALL_ROWS:
            selectAllRows(controls.tableView);
            break;
        case IDM_MULTIFEED:
            showMultifeed(state, controls.table.nextSelectedRow(-1));
            break;
        case IDM_ABOUT:
            showAboutBox(controls.instance, controls.window, state.seams.openLink);
            break;
        case IDC_LONGITUDE:
        case IDC_LATITUDE:
            readSiteInput(controls.siteControls, state.model.site);
            break;
        case IDC_CITY:
            onCityBoxNotification(controls.city, HIWORD(wParam), controls.siteControls,
                                  state.model.site);
            break;
        default:  // IDCANCEL (Esc) included: the window stays open
            break;
    }
}

void onNotify(MainWindowState& state, const NMHDR& header) {
    if (header.hwndFrom != state.controls.tableView) {
        return;
    }
    switch (header.code) {
        case LVN_COLUMNCLICK:
            sortTableByColumn(state, reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            break;
        case NM_RCLICK:
            showContextMenu(state.controls);
            break;
        case NM_DBLCLK:
            showDetails(state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
            break;
        case NM_CUSTOMDRAW:
            SetWindowLongPtrW(state.controls.window, DWLP_MSGRESULT,
                              onTableCustomDraw(state, header));
            break;
        default:
            break;
    }
}

INT_PTR handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, MainWindowState& state) {
    switch (message) {
        case WM_INITDIALOG:
            state.controls.window = window;
            onInitDialog(state);
            return TRUE;
        case WM_COMMAND:
            onCommand(state, wParam);
            return TRUE;
        case WM_NOTIFY:
            onNotify(state, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_INITMENUPOPUP:
            enableMenuCommands(state.controls, state.model.previousListKept);
            return TRUE;
        case WM_CONTEXTMENU:
            onContextMenuMessage(state.controls, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            closeMainWindow(state);
            return TRUE;
        case WM_SIZE:
            layOutMainWindow(window, state.controls.tableView, state.controls.layout);
            return TRUE;
        case WM_GETMINMAXINFO:
            limitMainWindowSize(state.controls.layout, *reinterpret_cast<MINMAXINFO*>(lParam));
            return TRUE;
        case WM_DESTROY:
            removeMainWindowKeys(window);
            return FALSE;
        case WM_QUERYENDSESSION:
            return onQueryEndSession(window);
        case WM_ENDSESSION:
            onEndSession(state, wParam, lParam);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void runMainWindow(HINSTANCE instance) {
    MainWindowState state;
    state.controls.instance = instance;
    runModalDialog<MainWindowState, handle>(instance, IDD_MAIN_WINDOW, nullptr, state);
}

HWND createMainWindow(MainWindowState& state) {
    return createDialog<MainWindowState, handle>(state.controls.instance, IDD_MAIN_WINDOW, nullptr,
                                                 state);
}
