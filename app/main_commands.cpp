#include "app/main_commands.h"

#include <commctrl.h>

#include <vector>

#include "app/clipboard_export.h"
#include "app/control_text.h"
#include "app/details_window.h"
#include "app/obstacle_commands.h"
#include "calc/satellite_entry.h"
#include "res/resource_ids.h"

namespace {

void showSiteDescription(const MainWindowState& state) {
    setControlText(GetDlgItem(state.controls.window, IDC_SITE_DESCRIPTION),
                   state.model.siteDescription);
}

}  // namespace

void recalculate(MainWindowState& state, RecalculationSite which) {
    MainWindowControls& controls = state.controls;
    MainWindowModel& model = state.model;
    char cityBoxText[SiteNameReadCapacity];
    readControlText(controls.city.box, cityBoxText, sizeof cityBoxText);
    const bool inputsUsable =
        which == RecalculationSite::Inputs || controls.siteControls.recalculateEnabled();
    {
        // Every row is rewritten: the table is drawn once, at the end.
        TableRedrawPause pause(controls.tableView);
        recalculateAfterListEdit(inputsUsable, cityBoxText, model.site, controls.table,
                                 model.changeFlags, model.siteDescription, model.lastRecalculation);
    }
    showSiteDescription(state);
    model.autosave.siteChanged(model.site);
    updateObstacles(state);
}

void listChanged(MainWindowState& state) {
    state.model.changeFlags |= ListChanged;
    state.model.autosave.listChanged(state.controls.table);
}

void saveAtClose(MainWindowState& state) {
    state.model.autosave.close(
        state.model.site, state.controls.table, state.model.changeFlags,
        {state.model.offset, state.model.dish, state.model.band, state.model.horizon});
}

void editSatellite(MainWindowState& state, SatelliteDialogMode mode) {
    ListViewTable& table = state.controls.table;
    // Adding writes a new row after the last; modifying the first selected
    // row, or nothing when none is selected.
    const int row =
        mode == SatelliteDialogMode::Modify ? table.nextSelectedRow(-1) : table.rowCount();
    SatelliteDialogData data;
    data.mode = mode;
    if (mode == SatelliteDialogMode::Modify && row != -1) {
        table.getCell(row, ColumnName, data.description, sizeof data.description);
        table.getCell(row, ColumnLongitude, data.longitude, sizeof data.longitude);
    }
    data.acceptable = [&table, row](const char* longitude, const char* description) {
        return satelliteEntryAcceptable(table, row, longitude, description);
    };
    if (!runSatelliteDialog(state.controls.instance, state.controls.window, data)) {
        return;
    }
    if (row != -1) {
        if (mode == SatelliteDialogMode::Modify) {
            table.setCell(row, ColumnName, data.description);
        } else {
            table.insertRow(row, data.description);
        }
        // The longitude text is kept exactly as typed.
        table.setCell(row, ColumnLongitude, data.longitude);
    }
    recalculate(state, RecalculationSite::InputsOrLast);
    listChanged(state);
    if (mode == SatelliteDialogMode::Add && row != -1) {
        // A satellite added to a long list lands below the visible rows: the
        // table scrolls to it, without selecting it (which would change the
        // menu's enabling).
        SendMessageW(state.controls.tableView, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
}

void deleteSelected(MainWindowState& state) {
    if (deleteSelectedSatellites(state.controls.window, state.controls.table,
                                 state.seams.askDeletion)) {
        listChanged(state);
    }
}

void copyResults(const MainWindowState& state) {
    std::vector<char> description(ClipboardReadCapacity);
    readControlText(GetDlgItem(state.controls.window, IDC_SITE_DESCRIPTION), description.data(),
                    description.size());
    copyResultsToClipboard(state.controls.window, description.data(), state.controls.table);
}

void showDetails(MainWindowState& state, int row) {
    const ReceivingSite site =
        lastRecalculatedSite(state.model.site, state.model.lastRecalculation);
    showSatelliteDetails(state.controls.instance, state.controls.window, state.controls.table, row,
                         site, state.model.siteDescription, state.seams.today(), state.model.offset,
                         state.model.autosave, state.model.dish, state.model.band,
                         state.model.obstacles);
}

void sortTableByColumn(MainWindowState& state, int column) {
    {
        // Sorting thousands of rows moves every one of them: the table is
        // drawn once, at the end.
        TableRedrawPause pause(state.controls.tableView);
        sortByColumn(state.controls.table, column, state.model.sortDirections,
                     compareTextsLikeWindows);
    }
    listChanged(state);
}
