#pragma once
// The satellite table over the main window's list view (SysListView32).

#include <windows.h>

#include "data/satellite_table.h"

class ListViewTable final : public SatelliteTable {
public:
    explicit ListViewTable(HWND listView = nullptr) : listView_(listView) {}

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
    HWND listView_;
};

// lstrcmpiA, the locale-aware comparison the column-click sort uses for text columns.
int compareTextsLikeWindows(const char* first, const char* second);
