#pragma once
// The satellite table: the only holder of the satellite list while the
// program runs. Five columns of code page 936 texts; rows are addressed by
// their current zero-based index.
//
// The Win32 program implements this interface over its list view; the core,
// its tests and kestrave-cli use MemorySatelliteTable.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

enum SatelliteColumn : int {
    ColumnName = 0,          // 卫星名称, the satellite's description
    ColumnLongitude = 1,     // 卫星经度, the longitude text as typed or loaded
    ColumnElevation = 2,     // 天线仰角
    ColumnAzimuth = 3,       // 天线方位角, quadrant word first
    ColumnPolarisation = 4,  // 极化角
    SatelliteColumnCount = 5
};

enum class ColumnAlignment { Left, Right };

// Every cell read that the program makes uses a capacity of at most this:
// a whole cell reads as 127 bytes and the NUL.
constexpr std::size_t CellTextCapacity = 128;
// The capacity of the other reads (the sort, the recalculation, the
// deletion question) and of the satellite dialog's boxes: 126 bytes and the NUL.
constexpr std::size_t CellReadCapacity = 127;

class SatelliteTable {
public:
    virtual ~SatelliteTable() = default;

    virtual void insertColumn(int index, int width, const char* title,
                              ColumnAlignment alignment) = 0;
    // Inserts a row at `row` with `text` as its column 0; later rows move down.
    // Inserting at rowCount() appends.
    virtual void insertRow(int row, const char* text) = 0;
    virtual void setCell(int row, int column, const char* text) = 0;
    // Zero-fills all `capacity` bytes of `buffer`, then copies the cell's text
    // cut to capacity - 1 bytes. A missing row, column or cell reads as "".
    virtual void getCell(int row, int column, char* buffer, std::size_t capacity) const = 0;
    virtual int rowCount() const = 0;
    // The first selected row after `row` (from the start when `row` is -1), or -1.
    virtual int nextSelectedRow(int row) const = 0;
    // Deletes a row; later rows move up.
    virtual void deleteRow(int row) = 0;
    // Reorders the rows. `compare` receives the indices that two rows had
    // before the reordering began and answers <0, 0 or >0 as for qsort.
    virtual void sortRows(const std::function<int(int, int)>& compare) = 0;
};

// The whole text of a cell (up to CellTextCapacity - 1 bytes), "" for a
// missing row, column or cell.
std::string cellText(const SatelliteTable& table, int row, int column);

// One bit per column (1 << column); a set bit means ascending order.
using SortDirections = std::uint32_t;

// Case-insensitive comparison of two texts for the name and azimuth columns,
// answering <0, 0 or >0. The Win32 program passes a comparison in the
// Chinese (PRC) locale, which is lstrcmpiA's order on a code page 936 system.
using TextComparison = int (*)(const char* first, const char* second);

// Portable default: ASCII letters compared case-insensitively, every other byte bytewise.
int compareTextsIgnoringAsciiCase(const char* first, const char* second);

// Compares two cell texts of `column` as the column-click sort does:
// columns 1, 2 and 4 by the values TextToNumber gives (whether or not it
// accepts the texts), columns 0 and 3 with `compareTexts`. Answers -1, 0 or
// +1, negated when the column's bit in `directions` is clear.
int compareRows(const char* first, const char* second, int column, SortDirections directions,
                TextComparison compareTexts);

// The column-click sort: toggles the column's bit in `directions`, then sorts
// the rows with compareRows over the texts (capacity 127) they held when the
// sort began.
void sortByColumn(SatelliteTable& table, int column, SortDirections& directions,
                  TextComparison compareTexts);

// The five columns as the main window creates them: titles (code page 936),
// widths in pixels and alignments.
struct SatelliteColumnLayout {
    const char* title;
    int width;
    ColumnAlignment alignment;
};
extern const SatelliteColumnLayout SatelliteColumns[SatelliteColumnCount];

// Inserts the five columns above into an empty table.
void insertSatelliteColumns(SatelliteTable& table);
