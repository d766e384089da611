#include "app/list_view_table.h"

#include <commctrl.h>

#include <climits>
#include <cstring>

ListViewTable::ListViewTable(HWND listView) : listView_(listView) {
    if (listView_ != nullptr) {
        procedure_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(listView_, GCLP_WNDPROC));
    }
}

LRESULT ListViewTable::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (procedure_ == nullptr) {
        return SendMessageA(listView_, message, wParam, lParam);
    }
    return CallWindowProcW(procedure_, listView_, message, wParam, lParam);
}

void ListViewTable::insertColumn(int index, int width, const char* title,
                                 ColumnAlignment alignment) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = alignment == ColumnAlignment::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title);
    send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void ListViewTable::insertRow(int row, const char* text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text);
    send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::setCell(int row, int column, const char* text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewTable::getCell(int row, int column, char* buffer, std::size_t capacity) const {
    if (capacity == 0) {
        return;
    }
    std::memset(buffer, 0, capacity);
    if (row < 0 || row >= rowCount() || column < 0 || column >= SatelliteColumnCount) {
        return;
    }
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    buffer[capacity - 1] = '\0';
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
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = row;
        send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare),
         reinterpret_cast<LPARAM>(&compareItemValues));
}

TableRedrawPause::TableRedrawPause(HWND listView) : listView_(listView) {
    SendMessageA(listView_, WM_SETREDRAW, FALSE, 0);
}

TableRedrawPause::~TableRedrawPause() {
    SendMessageA(listView_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listView_, nullptr, TRUE);
}

void reserveTableRows(HWND listView, int rows) {
    SendMessageA(listView, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOINVALIDATEALL);
}

int compareTextsLikeWindows(const char* first, const char* second) {
    return lstrcmpiA(first, second);
}
