#include "app/main_menus.h"

#include <commctrl.h>

#include "res/resource_ids.h"

namespace {

void trackContextMenu(const MainWindowControls& controls, POINT position) {
    SetForegroundWindow(controls.window);
    TrackPopupMenu(controls.satelliteMenu, 0, position.x, position.y, 0, controls.window, nullptr);
}

POINT keyboardContextMenuPosition(HWND tableView) {
    RECT client;
    GetClientRect(tableView, &client);
    POINT position = {client.left, client.top};
    int focused = static_cast<int>(
        SendMessageW(tableView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    if (focused != -1 && SendMessageW(tableView, LVM_GETITEMRECT, static_cast<WPARAM>(focused),
                                      reinterpret_cast<LPARAM>(&row)) != FALSE) {
        if (row.top >= client.top && row.bottom <= client.bottom) {
            position = {client.left, row.bottom};
        }
    }
    ClientToScreen(tableView, &position);
    return position;
}

}  // namespace

void enableMenuCommands(const MainWindowControls& controls, bool previousListKept) {
    bool anySelected = controls.table.nextSelectedRow(-1) != -1;
    UINT selectionCommands = MF_BYCOMMAND | (anySelected ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(controls.satelliteMenu, IDM_MODIFY_SATELLITE, selectionCommands);
    EnableMenuItem(controls.satelliteMenu, IDM_DELETE_SATELLITES, selectionCommands);
    EnableMenuItem(controls.satelliteMenu, IDM_SATELLITE_DETAILS, selectionCommands);
    EnableMenuItem(controls.satelliteMenu, IDM_COPY_RESULTS,
                   MF_BYCOMMAND | (controls.table.rowCount() > 0 ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(controls.satelliteMenu, IDM_RESTORE_PREVIOUS_LIST,
                   MF_BYCOMMAND | (previousListKept ? MF_ENABLED : MF_GRAYED));
}

void showContextMenu(const MainWindowControls& controls) {
    POINT cursor;
    GetCursorPos(&cursor);
    trackContextMenu(controls, cursor);
}

void onContextMenuMessage(const MainWindowControls& controls, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != controls.tableView || lParam != -1) {
        return;
    }
    trackContextMenu(controls, keyboardContextMenuPosition(controls.tableView));
}
