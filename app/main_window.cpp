#include "app/main_window.h"

#include <commctrl.h>

#include <vector>

#include "app/about_box.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/city_box.h"
#include "app/clipboard_export.h"
#include "app/control_text.h"
#include "app/details_window.h"
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

// The coordinates follow the place name in the city box: runs applyPlaceName
// on the text the box shows, unless that is the text it last ran on (an empty
// box applied again would throw away the coordinates the user typed).
void applyShownPlaceName(MainWindowState& state) {
    std::vector<char> text(CityBoxEditReadCapacity);
    readControlText(state.cityBox, text.data(), text.size());
    if (state.appliedPlaceName == text.data()) {
        return;
    }
    state.appliedPlaceName = text.data();
    applyPlaceName(text.data(), state.siteControls, state.site);
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
    state.appliedPlaceName = state.site.name;
    // Show the list entry that begins with the name. An empty name leaves the
    // box empty, whatever a list control might make of an empty prefix.
    if (state.site.name[0] != '\0') {
        selectCityEntry(state.cityBox, state.site.name);
        // The entry may be a longer name than the one saved: its coordinates go with it.
        applyShownPlaceName(state);
    }

    SendMessageW(state.tableView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
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
        case CBN_EDITCHANGE: {
            std::vector<char> text(CityBoxEditReadCapacity);
            readControlText(state.cityBox, text.data(), text.size());
            state.appliedPlaceName = text.data();
            applyPlaceName(text.data(), state.siteControls, state.site);
            break;
        }
        case CBN_SELENDOK: {
            int index = static_cast<int>(SendMessageW(state.cityBox, CB_GETCURSEL, 0, 0));
            if (index != CB_ERR) {
                std::vector<char> text(CityBoxEditReadCapacity);
                readCityListEntry(state.cityBox, index, text.data(), text.size());
                setControlText(state.cityBox, text.data());
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
    {
        // Every row is rewritten: the table is drawn once, at the end.
        TableRedrawPause pause(state.tableView);
        recalculateAfterListEdit(siteInputsUsable(state), cityBoxText, state.site, state.table,
                                 state.changeFlags, state.siteDescription, state.lastRecalculation);
    }
    showSiteDescription(state);
    state.changeFlags |= ListChanged;
    if (mode == SatelliteDialogMode::Add && row != -1) {
        // A satellite added to a long list lands below the visible rows: the
        // table scrolls to it, without selecting it (which would change the
        // menu's enabling).
        SendMessageW(state.tableView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
}

// Command 3015 and a double-click on a row: the details window for the site
// the description names, the last recalculation's.
void showDetails(MainWindowState& state, int row) {
    ReceivingSite site = state.site;
    site.longitude = state.lastRecalculation.longitude;
    site.latitude = state.lastRecalculation.latitude;
    showSatelliteDetails(state.instance, state.window, state.table, row, site,
                         state.siteDescription, state.today(), state.offset);
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
        case IDM_SATELLITE_DETAILS:
            showDetails(state, state.table.nextSelectedRow(-1));
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

// Shift+F10 or the Menu key in the table: the context menu opens at the
// focused row, or at the table's top-left corner when no row has the focus
// or the focused row is scrolled out of sight.
POINT keyboardContextMenuPosition(const MainWindowState& state) {
    RECT client;
    GetClientRect(state.tableView, &client);
    POINT position = {client.left, client.top};
    int focused = static_cast<int>(
        SendMessageW(state.tableView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    if (focused != -1 &&
        SendMessageW(state.tableView, LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                     reinterpret_cast<LPARAM>(&row)) != FALSE) {
        if (row.top >= client.top && row.bottom <= client.bottom) {
            position = {client.left, row.bottom};
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
            showDetails(state, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
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
        case WM_CONTEXTMENU:
            onContextMenuMessage(state, wParam, lParam);
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
    {
        // Every row is rewritten: the table is drawn once, at the end.
        TableRedrawPause pause(state.tableView);
        recalculateForSite(cityBoxText, state.site, state.table, state.changeFlags,
                           state.siteDescription, state.lastRecalculation);
    }
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
