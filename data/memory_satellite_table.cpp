#include "data/memory_satellite_table.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

bool isCellColumn(int column) { return column >= 0 && column < SatelliteColumnCount; }

}  // namespace

MemorySatelliteTable::MemorySatelliteTable(const MemorySatelliteTable& other)
    : columns_(other.columns_), rows_(other.rows_) {
    for (Column& column : columns_) column.layout.title = column.title.c_str();
}

MemorySatelliteTable& MemorySatelliteTable::operator=(const MemorySatelliteTable& other) {
    if (this != &other) {
        columns_ = other.columns_;
        rows_ = other.rows_;
        for (Column& column : columns_) column.layout.title = column.title.c_str();
    }
    return *this;
}

// Columns are only headings here: every row holds the five cells of the
// satellite table whatever columns were inserted.
void MemorySatelliteTable::insertColumn(int index, int width, const char* title,
                                        ColumnAlignment alignment) {
    if (index < 0) return;
    std::size_t position = std::min(static_cast<std::size_t>(index), columns_.size());
    Column column{{nullptr, width, alignment}, title ? title : ""};
    columns_.insert(columns_.begin() + static_cast<std::ptrdiff_t>(position), std::move(column));
    // Inserting may have moved every title.
    for (Column& each : columns_) each.layout.title = each.title.c_str();
}

// As with the list view, an index past the end appends; a negative index inserts nothing.
void MemorySatelliteTable::insertRow(int row, const char* text) {
    if (row < 0) return;
    std::size_t position = std::min(static_cast<std::size_t>(row), rows_.size());
    Row inserted;
    inserted.cells[ColumnName] = text ? text : "";
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(position), std::move(inserted));
}

void MemorySatelliteTable::setCell(int row, int column, const char* text) {
    if (row < 0 || row >= rowCount() || !isCellColumn(column)) return;
    rows_[static_cast<std::size_t>(row)].cells[column] = text ? text : "";
}

void MemorySatelliteTable::getCell(int row, int column, char* buffer, std::size_t capacity) const {
    if (buffer == nullptr || capacity == 0) return;
    std::memset(buffer, 0, capacity);
    if (row < 0 || row >= rowCount() || !isCellColumn(column)) return;
    const std::string& text = rows_[static_cast<std::size_t>(row)].cells[column];
    std::memcpy(buffer, text.data(), std::min(text.size(), capacity - 1));
}

int MemorySatelliteTable::rowCount() const { return static_cast<int>(rows_.size()); }

int MemorySatelliteTable::nextSelectedRow(int row) const {
    for (int candidate = std::max(row + 1, 0); candidate < rowCount(); ++candidate)
        if (rows_[static_cast<std::size_t>(candidate)].selected) return candidate;
    return -1;
}

void MemorySatelliteTable::deleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    rows_.erase(rows_.begin() + row);
}

void MemorySatelliteTable::sortRows(const std::function<int(int, int)>& compare) {
    // Sort the original indices, then rebuild the rows in that order; the
    // comparator only ever sees indices of the rows as they were.
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&compare](int first, int second) { return compare(first, second) < 0; });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (int index : order) sorted.push_back(std::move(rows_[static_cast<std::size_t>(index)]));
    rows_ = std::move(sorted);
}
