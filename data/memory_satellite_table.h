#pragma once
// The satellite table over plain memory: used by kestrave-cli and by the
// tests of everything that works on the table (tests/support adds what only
// they look at: selecting rows, reading the columns and whole cells).

#include <string>
#include <vector>

#include "data/satellite_table.h"

class MemorySatelliteTable : public SatelliteTable {
public:
    MemorySatelliteTable() = default;
    // A copy's column layouts point at the copy's own titles.
    MemorySatelliteTable(const MemorySatelliteTable& other);
    MemorySatelliteTable& operator=(const MemorySatelliteTable& other);

    void insertColumn(int index, int width, const char* title, ColumnAlignment alignment) override;
    void insertRow(int row, const char* text) override;
    void setCell(int row, int column, const char* text) override;
    void getCell(int row, int column, char* buffer, std::size_t capacity) const override;
    int rowCount() const override;
    int nextSelectedRow(int row) const override;
    void deleteRow(int row) override;
    // Stable: rows that compare equal keep their relative order.
    void sortRows(const std::function<int(int, int)>& compare) override;

protected:
    struct Column {
        SatelliteColumnLayout layout;
        std::string title;
    };
    struct Row {
        std::string cells[SatelliteColumnCount];
        bool selected = false;
    };
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};
