#pragma once
// What the main window's commands do: each one a small function over the
// window's state, called from its dispatch.

#include "app/main_window_state.h"
#include "app/satellite_dialog.h"

// Which site a recalculation computes for.
enum class RecalculationSite {
    // The site inputs as they stand: start-up and the Recalculate command.
    Inputs,
    // After a list edit: the inputs when they are usable, else the site of
    // the last recalculation.
    InputsOrLast,
};

// The one way the window recalculates: recalculateAll with the city box's
// text, the table drawn once at the end, then the description shown in
// IDC_SITE_DESCRIPTION. Remembers the site it computed for.
void recalculate(MainWindowState& state, RecalculationSite which);

// After rows were added, modified, deleted or re-sorted: ListChanged, and
// the list written to the settings at once.
void listChanged(MainWindowState& state);

// The close sequence's writes, once (the close, or the end of the session).
void saveAtClose(MainWindowState& state);

// IDM_ADD_SATELLITE and IDM_MODIFY_SATELLITE: the satellite dialog, then its texts into the
// table, a recalculation and ListChanged.
void editSatellite(MainWindowState& state, SatelliteDialogMode mode);

// IDM_DELETE_SATELLITES.
void deleteSelected(MainWindowState& state);

// IDM_COPY_RESULTS.
void copyResults(const MainWindowState& state);

// IDM_SATELLITE_DETAILS and a double-click on a row: the details window for the site
// the description names, the last recalculation's (nothing for row -1).
void showDetails(MainWindowState& state, int row);

// IDM_MULTIFEED: the multifeed dialog with `row` as the main satellite, for
// the site of the last recalculation (nothing for row -1).
void showMultifeed(MainWindowState& state, int row);

// A click on a column header: the table sorted by it, and ListChanged.
void sortTableByColumn(MainWindowState& state, int column);
