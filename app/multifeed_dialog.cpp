#include "app/multifeed_dialog.h"

#include <commctrl.h>

#include <iterator>

#include "app/app_texts.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_messages.h"
#include "app/dialog_procedure.h"
#include "app/list_view_table.h"
#include "app/multifeed_drawing.h"
#include "calc/recalculation.h"
#include "data/data_texts.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/multifeed.h"
#include "res/resource_ids.h"

namespace {

// The list's columns, widths at 96 pixels per inch.
const ListColumn Columns[] = {
    {data_text::NameHeading, 160, ColumnAlignment::Left},
    {app_text::MultifeedSeparationColumn, 50, ColumnAlignment::Right},
    {app_text::MultifeedRightColumn, 80, ColumnAlignment::Right},
    {app_text::MultifeedUpColumn, 80, ColumnAlignment::Right},
    {data_text::PolarisationHeading, 56, ColumnAlignment::Right},
};
constexpr int ColumnCount = 5;

constexpr std::size_t MillimetreBoxLimit = MillimetreTextCapacity - 1;
// What the angles are computed with while the boxes hold no dish; only
// the millimetres depend on it, and they are not shown then.
constexpr MultifeedDish AnglesOnlyDish = {FocalLengthRangeMm.low, DiameterRangeMm.low};

// The dialog's context in DWLP_USER.
struct MultifeedContext {
    const SatelliteTable* table = nullptr;
    ReceivingSite site;
    std::string mainName;
    std::string mainLongitudeText;
    long double mainLongitude = 0;
    MultifeedDishSetting* dish = nullptr;
    SettingsAutosave* autosave = nullptr;
    MultifeedPlan plan;
    bool withDish = false;
    ListViewTable list;
};

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// The row the advice speaks of: the selected one, else the nearest satellite's.
int adviceRow(const MultifeedContext& context) {
    const int selected = context.list.nextSelectedRow(-1);
    return selected == -1 ? 0 : selected;
}

void showAdvice(HWND dialog, const MultifeedContext& context) {
    const auto row = static_cast<std::size_t>(adviceRow(context));
    const std::string advice =
        row < context.plan.satellites.size()
            ? multifeedAdviceText(context.plan.satellites[row], context.withDish)
            : MultifeedNoneInReachText;
    setControlText(item(dialog, IDC_MULTIFEED_ADVICE), advice.c_str());
    InvalidateRect(item(dialog, IDC_MULTIFEED_BAR), nullptr, FALSE);
}

// The boxes as they stand: the plan again, into the list and the drawing.
void showPlan(HWND dialog, MultifeedContext& context) {
    MultifeedDish dish;
    context.withDish =
        readMultifeedDish(context.dish->focalLength.text, context.dish->diameter.text, dish);
    context.plan = planMultifeed(*context.table, context.site, context.mainLongitude,
                                 context.withDish ? dish : AnglesOnlyDish);
    setControlText(
        item(dialog, IDC_MULTIFEED_MAIN),
        multifeedMainText(context.mainName, context.mainLongitudeText, context.plan).c_str());
    TableRedrawPause pause(context.list.listView());
    SendMessageW(context.list.listView(), LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < context.plan.satellites.size(); ++i) {
        const MultifeedCells cells = multifeedCells(context.plan.satellites[i], context.withDish);
        const int row = static_cast<int>(i);
        context.list.insertRow(row, cells.name.c_str());
        context.list.setCell(row, 1, cells.separation.c_str());
        context.list.setCell(row, 2, cells.right.c_str());
        context.list.setCell(row, 3, cells.up.c_str());
        context.list.setCell(row, 4, cells.skew.c_str());
    }
    showAdvice(dialog, context);
}

void onInitDialog(HWND dialog, MultifeedContext& context) {
    centreWindow(dialog);
    context.list = dialogListTable(item(dialog, IDC_MULTIFEED_LIST), Columns, ColumnCount);
    // The boxes' own change notifications draw the plan.
    for (const auto& box : {std::make_pair(IDC_MULTIFEED_FOCAL_LENGTH, &context.dish->focalLength),
                            std::make_pair(IDC_MULTIFEED_DIAMETER, &context.dish->diameter)}) {
        limitTypingToBytes(item(dialog, box.first), MillimetreBoxLimit);
        setControlText(item(dialog, box.first), box.second->text);
    }
    showPlan(dialog, context);
}

void onBoxChanged(HWND dialog, MultifeedContext& context, int id, MillimetreSetting& setting) {
    readControlText(item(dialog, id), setting.text, sizeof setting.text);
    showPlan(dialog, context);
    context.autosave->multifeedDishChanged(*context.dish);
}

void onFocalLengthChanged(HWND dialog, MultifeedContext& context) {
    onBoxChanged(dialog, context, IDC_MULTIFEED_FOCAL_LENGTH, context.dish->focalLength);
}

void onDiameterChanged(HWND dialog, MultifeedContext& context) {
    onBoxChanged(dialog, context, IDC_MULTIFEED_DIAMETER, context.dish->diameter);
}

void onDrawItem(HWND dialog, const MultifeedContext& context, const DRAWITEMSTRUCT& drawing) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    drawMultifeedBar(drawing.hDC, drawing.rcItem, context.plan, context.withDish,
                     adviceRow(context), font);
}

const DialogCommand<MultifeedContext> Commands[] = {
    {IDC_MULTIFEED_FOCAL_LENGTH, EN_CHANGE, onFocalLengthChanged},
    {IDC_MULTIFEED_DIAMETER, EN_CHANGE, onDiameterChanged},
    {IDOK, AnyNotification, endDialogWith<MultifeedContext, 0>},
    {IDCANCEL, AnyNotification, endDialogWith<MultifeedContext, 0>},
};

// Another row selected: the advice speaks of it.
INT_PTR onNotify(HWND dialog, const NMHDR& header, MultifeedContext& context) {
    if (header.idFrom != IDC_MULTIFEED_LIST || header.code != LVN_ITEMCHANGED) return FALSE;
    showAdvice(dialog, context);
    return TRUE;
}

const DialogMessages<MultifeedContext> Messages = {
    onInitDialog, Commands, std::size(Commands), onNotify, IDC_MULTIFEED_BAR, onDrawItem};

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, MultifeedContext& context) {
    return handleDialogMessage(dialog, message, wParam, lParam, context, Messages);
}

}  // namespace

void showMultifeedDialog(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                         const ReceivingSite& site, MultifeedDishSetting& dish,
                         SettingsAutosave& autosave) {
    if (row < 0 || row >= table.rowCount()) return;
    MultifeedContext context;
    context.table = &table;
    context.site = site;
    context.mainName = cellText(table, row, ColumnName);
    context.mainLongitudeText = cellText(table, row, ColumnLongitude);
    context.mainLongitude = rowLongitude(table, row);
    context.dish = &dish;
    context.autosave = &autosave;
    runModalDialog<MultifeedContext, handle>(instance, IDD_MULTIFEED, owner, context);
}
