#pragma once
// The memory table with what only the tests look at: selecting rows, the
// columns inserted, and a cell's whole text.

#include <string>

#include "data/memory_satellite_table.h"

class TestSatelliteTable final : public MemorySatelliteTable {
public:
    void selectRow(int row, bool selected) {
        if (row >= 0 && row < rowCount()) rows_[static_cast<std::size_t>(row)].selected = selected;
    }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const SatelliteColumnLayout& column(int index) const {
        return columns_.at(static_cast<std::size_t>(index)).layout;
    }
    // A cell's whole text, uncut ("" for a missing row, column or cell).
    std::string cellText(int row, int column) const {
        if (row < 0 || row >= rowCount() || column < 0 || column >= SatelliteColumnCount) return {};
        return rows_[static_cast<std::size_t>(row)].cells[column];
    }
};
