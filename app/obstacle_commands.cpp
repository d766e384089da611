#include "app/obstacle_commands.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "app/obstacles_dialog.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/site_obstacles.h"

namespace {

// The site of the last recalculation, whose numbers the table shows.
ReceivingSite recalculatedSite(const MainWindowState& state) {
    return lastRecalculatedSite(state.model.site, state.model.lastRecalculation);
}

double decimalYearToday(const MainWindowState& state) { return decimalYearOf(state.seams.today()); }

}  // namespace

void updateObstacles(MainWindowState& state) {
    state.model.obstacles =
        obstaclesAtSite(state.model.horizon.text, recalculatedSite(state), decimalYearToday(state));
    InvalidateRect(state.controls.tableView, nullptr, FALSE);
}

void keepOlderObstacles(MainWindowState& state) {
    if (!upgradeObstacleValue(state.model.horizon.text, recalculatedSite(state))) return;
    state.model.autosave.horizonChanged(state.model.horizon);
    updateObstacles(state);
}

void editObstacles(MainWindowState& state) {
    // A value that cannot be read keeps no set; confirming the dialog replaces it.
    std::vector<SiteObstacles> sites;
    parseObstacleSites(state.model.horizon.text, sites);
    SiteObstacles set = obstaclesForSite(sites, recalculatedSite(state));
    if (!runObstaclesDialog(state.controls.instance, state.controls.window, set,
                            obstacleRoomFor(sites, set),
                            siteDeclination(set.site, decimalYearToday(state))))
        return;
    keepSiteObstacles(sites, set);
    char text[ObstacleSitesCapacity];
    if (!formatObstacleSites(sites, text)) return;
    static_assert(sizeof text == sizeof state.model.horizon.text);
    std::memcpy(state.model.horizon.text, text, sizeof text);
    state.model.autosave.horizonChanged(state.model.horizon);
    updateObstacles(state);
}

bool rowHiddenByObstacles(const MainWindowState& state, int row) {
    if (row < 0 || row >= state.controls.table.rowCount()) return false;
    return hiddenByObstacles(state.model.obstacles, rowLongitude(state.controls.table, row),
                             recalculatedSite(state));
}

LRESULT onTableCustomDraw(const MainWindowState& state, const NMHDR& header) {
    // The header is the start of the list view's own, writable NMLVCUSTOMDRAW.
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header));
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return state.model.obstacles.empty() ? CDRF_DODEFAULT : CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (!rowHiddenByObstacles(state, static_cast<int>(draw.nmcd.dwItemSpec)))
                return CDRF_DODEFAULT;
            draw.clrText = GetSysColor(COLOR_GRAYTEXT);
            return CDRF_NEWFONT;
        default:
            return CDRF_DODEFAULT;
    }
}
