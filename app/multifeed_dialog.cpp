#include "app/multifeed_dialog.h"

#include <commctrl.h>

#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "app/list_view_table.h"
#include "app/multifeed_drawing.h"
#include "calc/recalculation.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/multifeed.h"
#include "res/resource_ids.h"

namespace {

// The list's columns (code page 936 titles), widths at 96 pixels per inch.
struct MultifeedColumn {
    const char* title;
    int width;
    ColumnAlignment alignment;
};
const MultifeedColumn Columns[] = {
    {"\xCE\xC0\xD0\xC7\xC3\xFB\xB3\xC6", 160, ColumnAlignment::Left},    // 卫星名称
    {"\xBC\xD0\xBD\xC7", 50, ColumnAlignment::Right},                    // 夹角
    {"\xD7\xF3\xD3\xD2(\xBA\xC1\xC3\xD7)", 80, ColumnAlignment::Right},  // 左右(毫米)
    {"\xC9\xCF\xCF\xC2(\xBA\xC1\xC3\xD7)", 80, ColumnAlignment::Right},  // 上下(毫米)
    {"\xBC\xAB\xBB\xAF\xBD\xC7", 56, ColumnAlignment::Right},            // 极化角
};

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
    HWND listView = item(dialog, IDC_MULTIFEED_LIST);
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    context.list = ListViewTable(listView);
    for (int column = 0; column < 5; ++column)
        context.list.insertColumn(column, Columns[column].width, Columns[column].title,
                                  Columns[column].alignment);
    // The boxes' own change notifications draw the plan.
    for (const auto& box : {std::make_pair(IDC_MULTIFEED_FOCAL_LENGTH, &context.dish->focalLength),
                            std::make_pair(IDC_MULTIFEED_DIAMETER, &context.dish->diameter)}) {
        limitTypingToBytes(item(dialog, box.first), MillimetreBoxLimit);
        setControlText(item(dialog, box.first), box.second->text);
    }
    showPlan(dialog, context);
}

void onBoxChanged(HWND dialog, MultifeedContext& context, int id) {
    MillimetreSetting& setting =
        id == IDC_MULTIFEED_FOCAL_LENGTH ? context.dish->focalLength : context.dish->diameter;
    readControlText(item(dialog, id), setting.text, sizeof setting.text);
    showPlan(dialog, context);
    context.autosave->multifeedDishChanged(*context.dish);
}

void onDrawItem(HWND dialog, const MultifeedContext& context, const DRAWITEMSTRUCT& drawing) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    drawMultifeedBar(drawing.hDC, drawing.rcItem, context.plan, context.withDish,
                     adviceRow(context), font);
}

INT_PTR onCommand(HWND dialog, WPARAM wParam, MultifeedContext& context) {
    switch (LOWORD(wParam)) {
        case IDC_MULTIFEED_FOCAL_LENGTH:
        case IDC_MULTIFEED_DIAMETER:
            if (HIWORD(wParam) == EN_CHANGE) onBoxChanged(dialog, context, LOWORD(wParam));
            return TRUE;
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, MultifeedContext& context) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(dialog, context);
            return TRUE;
        case WM_COMMAND:
            return onCommand(dialog, wParam, context);
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom != IDC_MULTIFEED_LIST || header.code != LVN_ITEMCHANGED) return FALSE;
            showAdvice(dialog, context);
            return TRUE;
        }
        case WM_DRAWITEM:
            if (wParam != IDC_MULTIFEED_BAR) return FALSE;
            onDrawItem(dialog, context, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
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
