#pragma once
// The main window's keys, from two accelerator tables: F5, Ctrl+O, Ctrl+S
// and Ctrl+E anywhere in the window; Delete, Ctrl+C and Ctrl+A only in the
// table, so that in a box they edit, copy and select the box's text.
//
// The window is a modal dialog, whose loop belongs to the dialog manager:
// the keys are translated in a message filter (WH_MSGFILTER) that the
// manager calls for every message of the dialog's loop (MSGF_DIALOGBOX)
// before it handles Enter, Esc and Tab itself, which stay as they were.

#include <windows.h>

// Installs the filter for `window` and its `table`; one window at a time.
void installMainWindowKeys(HINSTANCE instance, HWND window, HWND table);
// Removes it, when the window goes.
void removeMainWindowKeys(HWND window);
