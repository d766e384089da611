#pragma once
// The satellite dialog (template 2600): adds a satellite at the end of the
// table or modifies the first selected row.

#include <windows.h>

struct MainWindowState;

// The dialog's initialisation value holds the mode: 0 adds, 1 modifies.
enum class SatelliteDialogMode : int { Add = 0, Modify = 1 };

// What the dialog procedure receives through DialogBoxParamA and keeps in DWLP_USER.
struct SatelliteDialogContext {
    MainWindowState* main;
    SatelliteDialogMode mode;
};

INT_PTR CALLBACK SatelliteDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Commands 3011 and 3012: the dialog, modal to the main window.
void addSatellite(MainWindowState& state);
void modifySelectedSatellite(MainWindowState& state);

// The recalculation after the dialog has been confirmed. While the site
// inputs are invalid (Recalculate greyed) it computes for the site of the
// last recalculation, so that the rows never get results for a site nobody
// chose and the description stays true; the site's coordinates still follow
// the boxes afterwards.
void recalculateAfterListEdit(MainWindowState& state);
