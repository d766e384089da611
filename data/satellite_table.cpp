#include "data/satellite_table.h"

#include <array>
#include <string>
#include <vector>

#include "data/data_texts.h"
#include "numtext/numtext.h"

namespace {

int foldAsciiCase(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte;
}

bool isNumericColumn(int column) {
    return column == ColumnLongitude || column == ColumnElevation || column == ColumnPolarisation;
}

long double numberInText(const char* text) {
    // TextToNumber removes blanks in place, so it works on a copy. Its value
    // counts even when it rejects the text (it is then 0).
    std::string copy = text;
    long double value = 0;
    TextToNumber(copy.data(), &value);
    return value;
}

int signOf(int value) { return (value > 0) - (value < 0); }

}  // namespace

int compareTextsIgnoringAsciiCase(const char* first, const char* second) {
    const auto* a = reinterpret_cast<const unsigned char*>(first);
    const auto* b = reinterpret_cast<const unsigned char*>(second);
    for (;; ++a, ++b) {
        int difference = foldAsciiCase(*a) - foldAsciiCase(*b);
        if (difference != 0 || *a == 0) return difference;
    }
}

int compareRows(const char* first, const char* second, int column, SortDirections directions,
                TextComparison compareTexts) {
    int result;
    if (isNumericColumn(column)) {
        long double difference = numberInText(first) - numberInText(second);
        if (difference == 0)
            result = 0;
        else if (difference > 0)
            result = 1;
        else
            result = -1;  // negative, or unordered (NaN)
    } else {
        result =
            signOf((compareTexts ? compareTexts : compareTextsIgnoringAsciiCase)(first, second));
    }
    bool ascending = column >= 0 && column < 32 && (directions & (1u << column)) != 0;
    return ascending ? result : -result;
}

void sortByColumn(SatelliteTable& table, int column, SortDirections& directions,
                  TextComparison compareTexts) {
    // The table has five columns; no other column can be clicked.
    if (column < 0 || column >= SatelliteColumnCount) return;
    directions ^= 1u << column;

    // The texts as they stand when the sort begins, indexed by the rows'
    // original positions: the comparator sees these, never the moving rows.
    int rows = table.rowCount();
    // At most 126 bytes of each cell take part.
    std::vector<std::array<char, CellReadCapacity>> texts(rows > 0 ? rows : 0);
    for (int row = 0; row < rows; ++row)
        table.getCell(row, column, texts[row].data(), CellReadCapacity);

    SortDirections current = directions;
    table.sortRows([&texts, column, current, compareTexts](int first, int second) {
        return compareRows(texts[first].data(), texts[second].data(), column, current,
                           compareTexts);
    });
}

const SatelliteColumnLayout SatelliteColumns[SatelliteColumnCount] = {
    {data_text::NameHeading, 161, ColumnAlignment::Left},
    {data_text::LongitudeHeading, 60, ColumnAlignment::Right},
    {data_text::ElevationHeading, 60, ColumnAlignment::Right},
    {data_text::AzimuthHeading, 90, ColumnAlignment::Left},
    {data_text::PolarisationHeading, 50, ColumnAlignment::Right},
};

void insertSatelliteColumns(SatelliteTable& table) {
    for (int column = 0; column < SatelliteColumnCount; ++column) {
        const SatelliteColumnLayout& layout = SatelliteColumns[column];
        table.insertColumn(column, layout.width, layout.title, layout.alignment);
    }
}

std::string cellText(const SatelliteTable& table, int row, int column) {
    char text[CellTextCapacity];
    table.getCell(row, column, text, sizeof text);
    return text;
}
