#pragma once
// The main window: the modal dialog (IDD_MAIN_WINDOW) that is the whole
// program. This file wires its controls and dispatches its messages; what
// each command does lives beside it (main_commands, main_menus, city_box,
// tooltips, list_file_commands, obstacle_commands).

#include <windows.h>

#include "app/main_window_state.h"

// Shows the main window modally and returns when it has ended.
void runMainWindow(HINSTANCE instance);

// Creates the main window for `state` (its controls.instance set) without a
// loop of its own, for hosts that run the messages themselves: the GUI tests
// and the timing program. Null when it cannot be created.
HWND createMainWindow(MainWindowState& state);
