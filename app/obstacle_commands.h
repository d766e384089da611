#pragma once
// The main window's obstacles: the stored setting at start-up, the
// obstacles dialog (IDM_OBSTACLES), and the table's rows of hidden
// satellites drawn in grey.

#include <windows.h>

#include "app/main_window_state.h"

// After a recalculation or a change of the obstacles: the obstacles kept
// for the site of the last recalculation, in true azimuths on today's date,
// and the table drawn again with its marks.
void updateObstacles(MainWindowState& state);

// At the start, after the first recalculation: a stored value of the older
// form (one set for whichever site) becomes the set of the saved site, the
// site of that recalculation.
void keepOlderObstacles(MainWindowState& state);

// IDM_OBSTACLES: the dialog for the site of the last recalculation; once confirmed, Horizon written
// when it changed and the marks updated.
void editObstacles(MainWindowState& state);

// Whether the satellite of `row` stands above the horizon but is hidden by
// an obstacle, from the site of the last recalculation.
bool rowHiddenByObstacles(const MainWindowState& state, int row);

// The table's NM_CUSTOMDRAW: the rows of hidden satellites in the grey of
// disabled text. Returns the value for DWLP_MSGRESULT.
LRESULT onTableCustomDraw(const MainWindowState& state, const NMHDR& header);
