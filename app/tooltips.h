#pragma once
// The main window's tooltips: the string with each control's id is its tip.

#include <windows.h>

// Creates the tooltip control owned by `window` and registers the controls
// from IDC_SITE_DESCRIPTION to IDC_SATELLITE_TABLE whose strings load. Returns the tooltip, or null
// when it cannot be created (the window then has no tooltips).
HWND addTooltips(HINSTANCE instance, HWND window);
