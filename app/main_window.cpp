#include "app/main_window.h"

#include <commctrl.h>

#include "app/about_box.h"
#include "app/centre_window.h"
#include "app/city_box.h"
#include "app/clipboard_export.h"
#include "app/control_text.h"
#include "app/details_window.h"
#include "app/satellite_deletion.h"
#include "app/satellite_dialog.h"
#include "calc/site_input.h"
#include "res/resource_ids.h"

namespace {

// Coordinate boxes take at most 6 typed bytes, the city box 18.
constexpr WPARAM CoordinateBoxLimit = 6;
constexpr WPARAM CityBoxLimit = 18;
constexpr int TooltipAutoPopDelay = 20000;
constexpr int TooltipInitialDelay = 50;
constexpr int TooltipTextCapacity = 256;

void addTooltips(MainWindowState& state) {
    state.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, state.window,
                                    nullptr, state.instance, nullptr);
    if (state.tooltip == nullptr) {
        return;
    }
    SendMessageA(state.tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(TooltipAutoPopDelay, 0));
    SendMessageA(state.tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(TooltipInitialDelay, 0));
    for (int id = IDC_SITE_DESCRIPTION; id <= IDC_SATELLITE_TABLE; ++id) {
        char text[TooltipTextCapacity];
        // Each control's tip is the string with the control's id.
        if (LoadStringA(state.instance, static_cast<UINT>(id), text, TooltipTextCapacity) <= 0) {
            continue;
        }
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = state.window;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(state.window, id));
        tool.lpszText = text;  // the tooltip keeps its own copy
        SendMessageA(state.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The coordinates follow the place name in the city box: runs applyPlaceName
// on the text the box shows, unless that is the text it last ran on (an empty
// box applied again would throw away the coordinates the user typed).
void applyShownPlaceName(MainWindowState& state) {
    readControlText(state.cityBox, state.workText, sizeof state.workText);
    if (state.appliedPlaceName == state.workText) {
        return;
    }
    state.appliedPlaceName = state.workText;
    applyPlaceName(state.workText, state.siteControls, state.site);
}

// The stored list may hold thousands of rows: room for as many as Data can
// hold is reserved at once (the shortest record is a comma and its NUL), and
// the table is drawn once, at the end.
void fillTableFromSettings(MainWindowState& state) {
    TableRedrawPause pause(state.tableView);
    reserveTableRows(state.tableView, static_cast<int>(StoredListCapacity / 2));
    loadSatelliteList(state.settings, state.table);
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

    HICON icon = LoadIconA(state.instance, MAKEINTRESOURCEA(IDI_KESTRAVE));
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    centreWindow(window);
    fillCityBox(state.cityBox);
    SendMessageA(state.longitudeBox, EM_LIMITTEXT, CoordinateBoxLimit, 0);
    SendMessageA(state.latitudeBox, EM_LIMITTEXT, CoordinateBoxLimit, 0);
    SendMessageA(state.cityBox, CB_LIMITTEXT, CityBoxLimit, 0);
    addTooltips(state);

    loadSite(state.settings, state.site);
    // Each coordinate box reports the change, which runs readSiteInput.
    setControlText(state.cityBox, state.site.name);
    setControlText(state.longitudeBox, state.site.longitudeText);
    setControlText(state.latitudeBox, state.site.latitudeText);
    applyPlaceName(state.site.name, state.siteControls, state.site);
    state.appliedPlaceName = state.site.name;
    // Show the list entry that begins with the name. An empty name leaves the
    // box empty, whatever a list control might make of an empty prefix.
    if (state.site.name[0] != '\0') {
        SendMessageA(state.cityBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(state.site.name));
        // The entry may be a longer name than the one saved: its coordinates go with it.
        applyShownPlaceName(state);
    }

    SendMessageA(state.tableView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    insertSatelliteColumns(state.table);
    fillTableFromSettings(state);
    recalculate(state);
    loadOffset(state.settings, state.offset);
}

// Every way the city box's text can change ends in applyPlaceName on the
// text it shows: typing, a list choice (the box then shows the whole entry,
// not the prefix typed before it), browsing the list, a list closed without
// a choice, and the focus leaving the box.
void onCityBoxNotification(MainWindowState& state, WORD code) {
    switch (code) {
        case CBN_EDITCHANGE:
            readControlText(state.cityBox, state.workText, sizeof state.workText);
            state.appliedPlaceName = state.workText;
            applyPlaceName(state.workText, state.siteControls, state.site);
            break;
        case CBN_SELENDOK: {
            int index = static_cast<int>(SendMessageA(state.cityBox, CB_GETCURSEL, 0, 0));
            if (index != CB_ERR) {
                readCityListEntry(state.cityBox, index, state.workText, sizeof state.workText);
                setControlText(state.cityBox, state.workText);
            }
            applyShownPlaceName(state);
            break;
        }
        case CBN_SELCHANGE:
        case CBN_SELENDCANCEL:
        case CBN_CLOSEUP:
        case CBN_KILLFOCUS:
            applyShownPlaceName(state);
            break;
        default:
            break;
    }
}

// A satellite added to a long list lands below the visible rows: the table
// scrolls to it (without selecting it, which would change the menu's enabling).
void addSatelliteAndShowIt(MainWindowState& state) {
    int rowsBefore = state.table.rowCount();
    addSatellite(state);
    int rows = state.table.rowCount();
    if (rows > rowsBefore) {
        SendMessageA(state.tableView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows - 1), FALSE);
    }
}

void closeMainWindow(MainWindowState& state) {
    saveSettings(state.settings, state.site, state.table, state.changeFlags);
    saveOffset(state.settings, state.offset);
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
            if (IsWindowEnabled(GetDlgItem(state.window, IDOK))) {
                recalculate(state);
            }
            break;
        case IDM_ADD_SATELLITE:
            addSatelliteAndShowIt(state);
            break;
        case IDM_MODIFY_SATELLITE:
            modifySelectedSatellite(state);
            break;
        case IDM_DELETE_SATELLITES:
            deleteSelectedSatellites(state);
            break;
        case IDM_COPY_RESULTS:
            copyResultsToClipboard(state);
            break;
        case IDM_SATELLITE_DETAILS:
            showSatelliteDetails(state, state.table.nextSelectedRow(-1));
            break;
        case IDM_ABOUT:
            showAboutBox(state);
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

// Shift+F10 or the Menu key in the table: the context menu opens at the
// focused row, or at the table's top-left corner when no row has the focus
// or the focused row is scrolled out of sight.
POINT keyboardContextMenuPosition(const MainWindowState& state) {
    RECT client;
    GetClientRect(state.tableView, &client);
    POINT position = {client.left, client.top};
    int focused = static_cast<int>(
        SendMessageA(state.tableView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    if (focused != -1 &&
        SendMessageA(state.tableView, LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                     reinterpret_cast<LPARAM>(&row)) != FALSE) {
        POINT below = {client.left, row.bottom};
        if (row.top >= client.top && row.bottom <= client.bottom) {
            position = below;
        }
    }
    ClientToScreen(state.tableView, &position);
    return position;
}

// WM_CONTEXTMENU: a right click has already opened the menu (NM_RCLICK), so
// only the keyboard's request (position -1, -1) from the table is answered here.
void onContextMenuMessage(MainWindowState& state, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != state.tableView || lParam != -1) {
        return;
    }
    POINT position = keyboardContextMenuPosition(state);
    SetForegroundWindow(state.window);
    TrackPopupMenu(state.satelliteMenu, 0, position.x, position.y, 0, state.window, nullptr);
}

// Sorting thousands of rows moves every one of them: the table is drawn once, at the end.
void sortTableByColumn(MainWindowState& state, int column) {
    TableRedrawPause pause(state.tableView);
    sortByColumn(state.table, column, state.sortDirections, compareTextsLikeWindows);
}

void onNotify(MainWindowState& state, const NMHDR& header) {
    if (header.hwndFrom != state.tableView) {
        return;
    }
    switch (header.code) {
        case LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
            sortTableByColumn(state, click.iSubItem);
            state.changeFlags |= ListChanged;
            break;
        }
        case NM_RCLICK:
            showContextMenu(state);
            break;
        case NM_DBLCLK:
            showSatelliteDetails(state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
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
    EnableMenuItem(state.satelliteMenu, IDM_SATELLITE_DETAILS, selectionCommands);
    EnableMenuItem(state.satelliteMenu, IDM_COPY_RESULTS,
                   MF_BYCOMMAND | (state.table.rowCount() > 0 ? MF_ENABLED : MF_GRAYED));
}

INT_PTR dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* state = reinterpret_cast<MainWindowState*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        state->window = window;
        onInitDialog(*state);
        return TRUE;
    }
    auto* state = reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, DWLP_USER));
    if (state == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_COMMAND:
            onCommand(*state, wParam);
            return TRUE;
        case WM_NOTIFY:
            onNotify(*state, *reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_INITMENUPOPUP:
            enableMenuCommands(*state);
            return TRUE;
        case WM_CONTEXTMENU:
            onContextMenuMessage(*state, wParam, lParam);
            return TRUE;
        case WM_CLOSE:
            closeMainWindow(*state);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void recalculate(MainWindowState& state) {
    char cityBoxText[SiteNameReadCapacity];
    readControlText(state.cityBox, cityBoxText, sizeof cityBoxText);
    {
        // Every row is rewritten: the table is drawn once, at the end.
        TableRedrawPause pause(state.tableView);
        recalculateAll(cityBoxText, state.site, state.table, state.changeFlags,
                       state.siteDescription);
    }
    state.recalculatedLongitude = state.site.longitude;
    state.recalculatedLatitude = state.site.latitude;
    setControlText(GetDlgItem(state.window, IDC_SITE_DESCRIPTION), state.siteDescription);
}

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may be thrown back into the window manager.
    try {
        return dispatch(window, message, wParam, lParam);
    } catch (...) {
        return TRUE;
    }
}

void runMainWindow(HINSTANCE instance) {
    MainWindowState state;
    state.instance = instance;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr, MainWindowProc,
                    reinterpret_cast<LPARAM>(&state));
}
