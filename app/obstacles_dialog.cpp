#include "app/obstacles_dialog.h"

#include <commctrl.h>

#include <iterator>

#include "app/app_texts.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_messages.h"
#include "app/dialog_procedure.h"
#include "app/list_view_table.h"
#include "fieldkit/compass_bearings.h"
#include "fieldkit/site_obstacles.h"
#include "res/resource_ids.h"

namespace {

// The list's columns, widths at 96 pixels per inch.
const ListColumn Columns[] = {
    {app_text::ObstacleFromColumn, 68, ColumnAlignment::Left},
    {app_text::ObstacleToColumn, 68, ColumnAlignment::Left},
    {app_text::ObstacleElevationColumn, 60, ColumnAlignment::Left},
    {app_text::ObstacleWidthColumn, 60, ColumnAlignment::Left},
};
enum ObstacleColumnIndex { FromColumn = 0, ToColumn = 1, ElevationColumn = 2, WidthColumn = 3 };
constexpr int ColumnCount = 4;

// "360.00" and room for a sign or a blank more.
constexpr std::size_t ObstacleBoxLimit = 8;
constexpr std::size_t BoxCapacity = ObstacleBoxLimit + 1;

// The dialog's context in DWLP_USER: the set it edits, how many obstacles
// it may hold, the declination at its site, and its list.
struct ObstaclesContext {
    SiteObstacles* result = nullptr;
    SiteObstacles set;
    std::size_t room = 0;
    long double declination = 0;
    ListViewTable list;
};

HWND box(HWND dialog, int id) { return GetDlgItem(dialog, id); }

int selectedRow(const ObstaclesContext& context) { return context.list.nextSelectedRow(-1); }

// The boxes as one obstacle; false while they do not hold one.
bool readBoxes(HWND dialog, HorizonSector& sector) {
    char from[BoxCapacity];
    char to[BoxCapacity];
    char elevation[BoxCapacity];
    readControlText(box(dialog, IDC_OBSTACLE_FROM), from, sizeof from);
    readControlText(box(dialog, IDC_OBSTACLE_TO), to, sizeof to);
    readControlText(box(dialog, IDC_OBSTACLE_ELEVATION), elevation, sizeof elevation);
    return readObstacleEntry(from, to, elevation, sector);
}

// Add and change need an obstacle in the boxes (and add room for one
// more); change and delete a selected row.
void enableButtons(HWND dialog, ObstaclesContext& context) {
    HorizonSector sector;
    const bool entry = readBoxes(dialog, sector);
    const bool selected = selectedRow(context) != -1;
    const bool room = context.set.setting.sectors.size() < context.room;
    EnableWindow(box(dialog, IDC_OBSTACLE_ADD), entry && room);
    EnableWindow(box(dialog, IDC_OBSTACLE_CHANGE), entry && selected);
    EnableWindow(box(dialog, IDC_OBSTACLE_DELETE), selected);
}

void showRow(ObstaclesContext& context, int row) {
    const ObstacleCells cells =
        obstacleCells(context.set.setting.sectors[static_cast<std::size_t>(row)]);
    context.list.setCell(row, FromColumn, cells.from);
    context.list.setCell(row, ToColumn, cells.to);
    context.list.setCell(row, ElevationColumn, cells.elevation);
    context.list.setCell(row, WidthColumn, cells.width);
}

void onInitDialog(HWND dialog, ObstaclesContext& context) {
    centreWindow(dialog);
    context.list = dialogListTable(box(dialog, IDC_OBSTACLE_LIST), Columns, ColumnCount);
    char label[ObstacleSiteLabelCapacity];
    buildObstacleSiteLabel(context.set.site, label);
    setControlText(box(dialog, IDC_OBSTACLE_SITE), label);
    for (std::size_t row = 0; row < context.set.setting.sectors.size(); ++row) {
        context.list.insertRow(static_cast<int>(row), "");
        showRow(context, static_cast<int>(row));
    }
    for (int id : {IDC_OBSTACLE_FROM, IDC_OBSTACLE_TO, IDC_OBSTACLE_ELEVATION})
        limitTypingToBytes(box(dialog, id), ObstacleBoxLimit);
    CheckDlgButton(dialog, IDC_OBSTACLE_COMPASS,
                   context.set.setting.compassBearings ? BST_CHECKED : BST_UNCHECKED);
    enableButtons(dialog, context);
}

// A row chosen in the list: its numbers into the boxes, to change them.
void onRowSelected(HWND dialog, ObstaclesContext& context, int row) {
    const ObstacleCells cells =
        obstacleCells(context.set.setting.sectors[static_cast<std::size_t>(row)]);
    setControlText(box(dialog, IDC_OBSTACLE_FROM), cells.from);
    setControlText(box(dialog, IDC_OBSTACLE_TO), cells.to);
    setControlText(box(dialog, IDC_OBSTACLE_ELEVATION), cells.elevation);
    enableButtons(dialog, context);
}

// A sector wider than half the circle is taken only after the user says
// Yes (No is the default): its ends may have been typed the wrong way round.
bool confirmWideObstacle(HWND dialog, const HorizonSector& sector) {
    if (!isWideObstacle(sector)) return true;
    char question[WideObstacleQuestionCapacity];
    buildWideObstacleQuestion(sector, question);
    char caption[32];
    readControlText(dialog, caption, sizeof caption);
    return MessageBoxW(dialog, wideText(question).c_str(), wideText(caption).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

// The buttons check again: a greyed button may still be pressed by a message.
// Once added, the boxes are emptied for the next obstacle, so that a second
// press adds nothing twice.
void onAdd(HWND dialog, ObstaclesContext& context) {
    HorizonSector sector;
    if (!readBoxes(dialog, sector) || context.set.setting.sectors.size() >= context.room ||
        !confirmWideObstacle(dialog, sector))
        return;
    const int row = static_cast<int>(context.set.setting.sectors.size());
    context.set.setting.sectors.push_back(sector);
    context.list.insertRow(row, "");
    showRow(context, row);
    for (int id : {IDC_OBSTACLE_FROM, IDC_OBSTACLE_TO, IDC_OBSTACLE_ELEVATION})
        setControlText(box(dialog, id), "");
    SetFocus(box(dialog, IDC_OBSTACLE_FROM));
    enableButtons(dialog, context);
}

void onChange(HWND dialog, ObstaclesContext& context) {
    HorizonSector sector;
    const int row = selectedRow(context);
    if (row == -1 || !readBoxes(dialog, sector) || !confirmWideObstacle(dialog, sector)) return;
    context.set.setting.sectors[static_cast<std::size_t>(row)] = sector;
    showRow(context, row);
}

void onDelete(HWND dialog, ObstaclesContext& context) {
    const int row = selectedRow(context);
    if (row == -1) return;
    context.set.setting.sectors.erase(context.set.setting.sectors.begin() + row);
    context.list.deleteRow(row);
    enableButtons(dialog, context);
}

// The check box changes the kind of every listed bearing, each obstacle
// staying where it is in the sky; a selected row's numbers come again.
void onCompassToggled(HWND dialog, ObstaclesContext& context) {
    const bool compass = IsDlgButtonChecked(dialog, IDC_OBSTACLE_COMPASS) == BST_CHECKED;
    context.set.setting = settingInBearings(context.set.setting, compass, context.declination);
    for (std::size_t row = 0; row < context.set.setting.sectors.size(); ++row)
        showRow(context, static_cast<int>(row));
    const int row = selectedRow(context);
    if (row != -1) onRowSelected(dialog, context, row);
}

void onOk(HWND dialog, ObstaclesContext& context) {
    *context.result = context.set;
    EndDialog(dialog, IDOK);
}

// Whether the focus is in one of the three boxes.
bool typingAnObstacle(HWND dialog) {
    HWND focus = GetFocus();
    return focus == box(dialog, IDC_OBSTACLE_FROM) || focus == box(dialog, IDC_OBSTACLE_TO) ||
           focus == box(dialog, IDC_OBSTACLE_ELEVATION);
}

// Enter in the boxes adds what they hold (or nothing, while they hold no
// obstacle) rather than closing the dialog without it.
void onEnter(HWND dialog, ObstaclesContext& context) {
    if (typingAnObstacle(dialog)) {
        onAdd(dialog, context);
    } else {
        onOk(dialog, context);
    }
}

const DialogCommand<ObstaclesContext> Commands[] = {
    {IDC_OBSTACLE_FROM, EN_CHANGE, enableButtons},
    {IDC_OBSTACLE_TO, EN_CHANGE, enableButtons},
    {IDC_OBSTACLE_ELEVATION, EN_CHANGE, enableButtons},
    {IDC_OBSTACLE_ADD, AnyNotification, onAdd},
    {IDC_OBSTACLE_CHANGE, AnyNotification, onChange},
    {IDC_OBSTACLE_DELETE, AnyNotification, onDelete},
    {IDC_OBSTACLE_COMPASS, BN_CLICKED, onCompassToggled},
    {IDOK, AnyNotification, onEnter},
    {IDCANCEL, AnyNotification, endDialogWith<ObstaclesContext, IDCANCEL>},
};

INT_PTR onNotify(HWND dialog, const NMHDR& header, ObstaclesContext& context) {
    if (header.idFrom != IDC_OBSTACLE_LIST) return FALSE;
    if (header.code == LVN_KEYDOWN) {
        if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE)
            onDelete(dialog, context);
        return TRUE;
    }
    if (header.code != LVN_ITEMCHANGED) return FALSE;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.iItem < 0 || change.iItem >= static_cast<int>(context.set.setting.sectors.size()))
        return TRUE;
    const bool selectedNow = (change.uNewState & LVIS_SELECTED) != 0;
    const bool selectedBefore = (change.uOldState & LVIS_SELECTED) != 0;
    if (selectedNow && !selectedBefore) {
        onRowSelected(dialog, context, change.iItem);
    } else if (selectedBefore != selectedNow) {
        enableButtons(dialog, context);
    }
    return TRUE;
}

const DialogMessages<ObstaclesContext> Messages = {onInitDialog, Commands, std::size(Commands),
                                                   onNotify};

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, ObstaclesContext& context) {
    return handleDialogMessage(dialog, message, wParam, lParam, context, Messages);
}

}  // namespace

bool runObstaclesDialog(HINSTANCE instance, HWND owner, SiteObstacles& set, std::size_t room,
                        long double declination) {
    ObstaclesContext context;
    context.result = &set;
    context.set = set;
    context.room = room;
    context.declination = declination;
    return runModalDialog<ObstaclesContext, handle>(instance, IDD_OBSTACLES, owner, context) ==
           IDOK;
}
