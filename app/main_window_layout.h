#pragma once
// The main window as it is resized: the table takes the new room, its first
// column the new width; every other control keeps its distance from the
// window's top right corner. The template's size is the first and the least.

#include <windows.h>

#include <utility>
#include <vector>

#include "data/settings_store.h"

struct MainWindowLayout {
    SIZE firstClient = {};      // the template's client area
    SIZE firstWindow = {};      // the window around it: the smallest it may be
    int laidOutExtraWidth = 0;  // the width the table's first column was given beyond its own
    std::vector<std::pair<HWND, RECT>> firstPlaces;  // every control, in client coordinates
};

// Remembers the controls' places at the template's size.
void rememberFirstLayout(HWND window, MainWindowLayout& layout);

// Places the controls for the window's client area as it now is.
void layOutMainWindow(HWND window, HWND table, MainWindowLayout& layout);

// The template's size is the smallest the window may take.
void limitMainWindowSize(const MainWindowLayout& layout, MINMAXINFO& info);

// The window's normal rectangle and whether it is maximised.
WindowSetting windowPlacementOf(HWND window);

// Puts the window where `saved` says, at least at its smallest size and
// brought onto the monitor nearest it when no monitor shows it.
void placeWindow(HWND window, const MainWindowLayout& layout, const WindowSetting& saved);
