#include "app/list_view_table.h"

#include <commctrl.h>

#include <climits>
#include <string>

#include "app/control_text.h"

namespace {

// Texts of the name and azimuth columns compare as the Chinese (PRC) locale
// does, the order lstrcmpiA gives on a code page 936 system.
constexpr LCID ChineseLocale =
    MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
constexpr int BaseDpi = 96;

// The screen's pixels per logical inch, as the program sees them (it is
// system DPI aware).
int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : BaseDpi;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : BaseDpi;
}

}  // namespace

int scaledColumnWidth(int width, int dpi) { return MulDiv(width, dpi, BaseDpi); }

ListViewTable::ListViewTable(HWND listView) : listView_(listView) {
    if (listView_ != nullptr) {
        procedure_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(listView_, GCLP_WNDPROC));
    }
}

LRESULT ListViewTable::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (procedure_ == nullptr) {
        return SendMessageW(listView_, message, wParam, lParam);
    }
    return CallWindowProcW(procedure_, listView_, message, wParam, lParam);
}

void ListViewTable::insertColumn(int index, int width, const char* title,
                                 ColumnAlignment alignment) {
    std::wstring wideTitle = wideText(title);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = alignment == ColumnAlignment::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
    // The widths are given for 96 pixels per inch.
    column.cx = scaledColumnWidth(width, screenDpi());
    column.pszText = wideTitle.data();
    send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

ListViewTable dialogListTable(HWND listView, const ListColumn* columns, int count) {
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ListViewTable table(listView);
    for (int column = 0; column < count; ++column)
        table.insertColumn(column, columns[column].width, columns[column].title,
                           columns[column].alignment);
    return table;
}

void ListViewTable::insertRow(int row, const char* text) {
    std::wstring wide = wideText(text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = wide.data();
    send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::setCell(int row, int column, const char* text) {
    std::wstring wide = wideText(text);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = wide.data();
    send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::getCell(int row, int column, char* buffer, std::size_t capacity) const {
    if (capacity == 0) {
        return;
    }
    if (row < 0 || row >= rowCount() || column < 0 || column >= SatelliteColumnCount) {
        copyWideText(L"", 0, buffer, capacity);
        return;
    }
    // capacity - 1 characters take at least capacity - 1 bytes.
    int limit = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    std::wstring text(static_cast<std::size_t>(limit), L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = limit;
    LRESULT length =
        send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    copyWideText(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0, buffer, capacity);
}

int ListViewTable::rowCount() const { return static_cast<int>(send(LVM_GETITEMCOUNT, 0, 0)); }

int ListViewTable::nextSelectedRow(int row) const {
    return static_cast<int>(
        send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), MAKELPARAM(LVNI_SELECTED, 0)));
}

void ListViewTable::deleteRow(int row) { send(LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }

namespace {

int CALLBACK compareItemValues(LPARAM first, LPARAM second, LPARAM sortContext) {
    // Called from inside the list view: nothing may be thrown back into it.
    try {
        const auto& compare = *reinterpret_cast<const std::function<int(int, int)>*>(sortContext);
        return compare(static_cast<int>(first), static_cast<int>(second));
    } catch (...) {
        return 0;
    }
}

}  // namespace

void ListViewTable::sortRows(const std::function<int(int, int)>& compare) {
    int count = rowCount();
    for (int row = 0; row < count; ++row) {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare),
         reinterpret_cast<LPARAM>(&compareItemValues));
}

int compareTextsLikeWindows(const char* first, const char* second) {
    std::wstring a = wideText(first);
    std::wstring b = wideText(second);
    // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3; 0 is a failure.
    int result = CompareStringW(ChineseLocale, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

TableRedrawPause::TableRedrawPause(HWND listView) : listView_(listView) {
    SendMessageW(listView_, WM_SETREDRAW, FALSE, 0);
}

TableRedrawPause::~TableRedrawPause() {
    SendMessageW(listView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView_, nullptr, TRUE);
}

void reserveTableRows(HWND listView, int rows) {
    SendMessageW(listView, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOINVALIDATEALL);
}

void selectAllRows(HWND listView) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
}
