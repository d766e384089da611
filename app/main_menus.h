#pragma once
// The main window's pop-up menus: the enabling of their commands, and the
// table's context menu (the menu bar's second pop-up).

#include <windows.h>

#include "app/main_window_state.h"

// Before any pop-up menu opens, the menu bar's or the context menu: the
// commands that need a selected row or any row are greyed without one, and
// IDM_RESTORE_PREVIOUS_LIST without a previous list.
void enableMenuCommands(const MainWindowControls& controls, bool previousListKept);

// A right click on the table (NM_RCLICK): the context menu at the cursor.
void showContextMenu(const MainWindowControls& controls);

// WM_CONTEXTMENU: a right click has already opened the menu (NM_RCLICK), so
// only the keyboard's request (Shift+F10 or the Menu key, position -1, -1)
// from the table is answered here: the menu opens at the focused row, or at
// the table's top-left corner when no row has the focus or the focused row
// is scrolled out of sight.
void onContextMenuMessage(const MainWindowControls& controls, WPARAM wParam, LPARAM lParam);
