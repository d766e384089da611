#pragma once
// The satellite table over the main window's list view (SysListView32).

#include <windows.h>

#include "data/satellite_table.h"

class ListViewTable final : public SatelliteTable {
public:
    explicit ListViewTable(HWND listView = nullptr);

    HWND listView() const { return listView_; }

    // `width` is in pixels at 96 pixels per inch; the column gets as many
    // pixels as the same length takes on the screen.
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
    HWND listView_;
};

// A column of a dialog's list: its title (code page 936), its width at 96
// pixels per inch and its alignment.
struct ListColumn {
    const char* title;
    int width;
    ColumnAlignment alignment;
};

// A dialog's list view as a table: grid lines, whole rows selected, and
// the `count` columns of `columns`.
ListViewTable dialogListTable(HWND listView, const ListColumn* columns, int count);

// Lets the list view allocate room for `rows` rows at once rather than as
// they come (LVM_SETITEMCOUNT; the rows themselves are still inserted).
void reserveTableRows(HWND listView, int rows);

// Selects every row (Ctrl+A in the table).
void selectAllRows(HWND listView);

// The comparison the column-click sort uses for the text columns: as the
// Chinese (PRC) locale compares, ignoring case (CompareStringW, locale
// 0x0804), which is lstrcmpiA's order on a code page 936 system.
int compareTextsLikeWindows(const char* first, const char* second);

// A column width given for 96 pixels per inch, at `dpi` pixels per inch.
int scaledColumnWidth(int width, int dpi);
