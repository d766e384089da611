#pragma once
// The satellite table over the main window's list view (SysListView32).

#include <windows.h>

#include "data/satellite_table.h"

class ListViewTable final : public SatelliteTable {
public:
    explicit ListViewTable(HWND listView = nullptr);

    HWND listView() const { return listView_; }

    void insertColumn(int index, int width, const char* title, ColumnAlignment alignment) override;
    void insertRow(int row, const char* text) override;
    void setCell(int row, int column, const char* text) override;
    void getCell(int row, int column, char* buffer, std::size_t capacity) const override;
    int rowCount() const override;
    int nextSelectedRow(int row) const override;
    void deleteRow(int row) override;
    // Numbers the rows with their item values, then lets the list view sort
    // them (LVM_SORTITEMS), handing `compare` the item values.
    void sortRows(const std::function<int(int, int)>& compare) override;

private:
    // Hands a message straight to the list view's own procedure. The tooltip
    // hooks the table (TTF_SUBCLASS) to watch the mouse only, and under Wine
    // that hook costs a round trip to the window server on every message:
    // thousands of rows then took seconds to fill, recalculate or sort.
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND listView_;
    WNDPROC procedure_ = nullptr;
};

// Holds back the list view's drawing while many rows are inserted or
// rewritten, then draws it once: drawn row by row, a list of thousands of
// rows takes seconds to fill, recalculate or sort.
class TableRedrawPause {
public:
    explicit TableRedrawPause(HWND listView);
    ~TableRedrawPause();
    TableRedrawPause(const TableRedrawPause&) = delete;
    TableRedrawPause& operator=(const TableRedrawPause&) = delete;

private:
    // Hands a message straight to the list view's own procedure. The tooltip
    // hooks the table (TTF_SUBCLASS) to watch the mouse only, and under Wine
    // that hook costs a round trip to the window server on every message:
    // thousands of rows then took seconds to fill, recalculate or sort.
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND listView_;
    WNDPROC procedure_ = nullptr;
};

// Lets the list view allocate room for `rows` rows at once rather than as
// they come (LVM_SETITEMCOUNT; the rows themselves are still inserted).
void reserveTableRows(HWND listView, int rows);

// lstrcmpiA, the locale-aware comparison the column-click sort uses for text columns.
int compareTextsLikeWindows(const char* first, const char* second);
