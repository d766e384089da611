#include "data/satellite_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "tests/support/test_satellite_table.h"

namespace {

// A table whose rows hold `names` in column 0 and `longitudes` in column 1.
TestSatelliteTable tableOf(const std::vector<std::string>& names,
                           const std::vector<std::string>& longitudes) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    for (std::size_t i = 0; i < names.size(); ++i) {
        int row = table.rowCount();
        table.insertRow(row, names[i].c_str());
        table.setCell(row, ColumnLongitude, longitudes[i].c_str());
    }
    return table;
}

std::vector<std::string> columnTexts(const TestSatelliteTable& table, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < table.rowCount(); ++row) texts.push_back(table.cellText(row, column));
    return texts;
}

using Texts = std::vector<std::string>;

// --- The memory table -------------------------------------------------------

TEST(MemorySatelliteTable, InsertRowPlacesTextInColumnZeroAndShiftsLaterRows) {
    TestSatelliteTable table;
    table.insertRow(0, "b");
    table.insertRow(0, "a");
    table.insertRow(2, "d");
    table.insertRow(2, "c");
    table.insertRow(99, "e");  // past the end appends
    table.insertRow(-1, "x");  // nowhere to go
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(table.cellText(0, ColumnLongitude), "");
}

TEST(MemorySatelliteTable, SetCellReplacesOneCellIncludingColumnZero) {
    TestSatelliteTable table = tableOf({"a", "b"}, {"1", "2"});
    table.setCell(1, ColumnName, "renamed");
    table.setCell(1, ColumnAzimuth, "az");
    table.setCell(5, ColumnName, "missing row");
    table.setCell(0, SatelliteColumnCount, "missing column");
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"a", "renamed"}));
    EXPECT_EQ(table.cellText(1, ColumnAzimuth), "az");
    EXPECT_EQ(table.cellText(1, ColumnLongitude), "2");
}

TEST(MemorySatelliteTable, GetCellZeroFillsTheWholeBufferAndCutsAtCapacityMinusOne) {
    TestSatelliteTable table = tableOf({"abcdef"}, {"1"});
    std::array<char, 8> buffer;

    buffer.fill('#');
    table.getCell(0, ColumnName, buffer.data(), buffer.size());
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), std::string("abcdef\0\0", 8));

    // Capacity equal to the length: one byte is given up for the terminator.
    buffer.fill('#');
    table.getCell(0, ColumnName, buffer.data(), 6);
    EXPECT_EQ(std::string(buffer.data(), 7), std::string("abcde\0#", 7));

    buffer.fill('#');
    table.getCell(0, ColumnName, buffer.data(), 7);
    EXPECT_EQ(std::string(buffer.data(), 8), std::string("abcdef\0#", 8));

    buffer.fill('#');
    table.getCell(0, ColumnName, buffer.data(), 1);
    EXPECT_EQ(std::string(buffer.data(), 2), std::string("\0#", 2));

    buffer.fill('#');
    table.getCell(0, ColumnName, buffer.data(), 0);
    EXPECT_EQ(buffer[0], '#');
}

TEST(MemorySatelliteTable, MissingRowsColumnsAndUnwrittenCellsReadEmpty) {
    TestSatelliteTable table = tableOf({"a"}, {"1"});
    const std::array<std::array<int, 2>, 5> places = {
        {{0, ColumnElevation}, {1, ColumnName}, {-1, ColumnName}, {0, -1}, {0, 5}}};
    for (const auto& place : places) {
        std::array<char, 4> buffer;
        buffer.fill('#');
        table.getCell(place[0], place[1], buffer.data(), buffer.size());
        EXPECT_EQ(std::string(buffer.data(), buffer.size()), std::string(4, '\0'))
            << "row " << place[0] << " column " << place[1];
    }
}

TEST(MemorySatelliteTable, DeleteRowMovesLaterRowsUp) {
    TestSatelliteTable table = tableOf({"a", "b", "c"}, {"1", "2", "3"});
    table.deleteRow(1);
    table.deleteRow(7);
    table.deleteRow(-1);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"a", "c"}));
    EXPECT_EQ(columnTexts(table, ColumnLongitude), (Texts{"1", "3"}));
}

TEST(MemorySatelliteTable, NextSelectedRowSearchesAfterTheGivenRow) {
    TestSatelliteTable table = tableOf({"a", "b", "c", "d"}, {"1", "2", "3", "4"});
    EXPECT_EQ(table.nextSelectedRow(-1), -1);
    table.selectRow(1, true);
    table.selectRow(3, true);
    EXPECT_EQ(table.nextSelectedRow(-1), 1);
    EXPECT_EQ(table.nextSelectedRow(0), 1);
    EXPECT_EQ(table.nextSelectedRow(1), 3);
    EXPECT_EQ(table.nextSelectedRow(3), -1);
    table.selectRow(1, false);
    EXPECT_EQ(table.nextSelectedRow(-1), 3);
    // The selection travels with its row.
    table.deleteRow(0);
    EXPECT_EQ(table.nextSelectedRow(-1), 2);
}

TEST(MemorySatelliteTable, SortRowsPassesOriginalIndicesAndKeepsEqualRowsInOrder) {
    TestSatelliteTable table = tableOf({"b1", "a1", "b2", "a2", "b3"}, {"", "", "", "", ""});
    table.selectRow(2, true);
    std::vector<std::string> original = columnTexts(table, ColumnName);
    // Compare by first letter only: rows with the same letter compare equal.
    table.sortRows([&original](int first, int second) {
        return original[static_cast<std::size_t>(first)][0] -
               original[static_cast<std::size_t>(second)][0];
    });
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"a1", "a2", "b1", "b2", "b3"}));
    EXPECT_EQ(table.nextSelectedRow(-1), 3);
}

TEST(MemorySatelliteTable, CopiesKeepTheirOwnColumnTitles) {
    TestSatelliteTable copy;
    {
        TestSatelliteTable table;
        insertSatelliteColumns(table);
        copy = table;
    }
    ASSERT_EQ(copy.columnCount(), SatelliteColumnCount);
    for (int column = 0; column < SatelliteColumnCount; ++column)
        EXPECT_STREQ(copy.column(column).title, SatelliteColumns[column].title);
}

// --- Columns ----------------------------------------------------------------

TEST(SatelliteColumns, TitlesWidthsAndAlignments) {
    struct Expected {
        const char* titleUtf8;
        int width;
        ColumnAlignment alignment;
    };
    const Expected expected[SatelliteColumnCount] = {
        {u8"卫星名称", 161, ColumnAlignment::Left}, {u8"卫星经度", 60, ColumnAlignment::Right},
        {u8"天线仰角", 60, ColumnAlignment::Right}, {u8"天线方位角", 90, ColumnAlignment::Left},
        {u8"极化角", 50, ColumnAlignment::Right},
    };
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    ASSERT_EQ(table.columnCount(), SatelliteColumnCount);
    for (int column = 0; column < SatelliteColumnCount; ++column) {
        SCOPED_TRACE(column);
        const SatelliteColumnLayout& layout = table.column(column);
        EXPECT_EQ(std::string(layout.title), cp936FromUtf8(expected[column].titleUtf8));
        EXPECT_EQ(layout.width, expected[column].width);
        EXPECT_EQ(layout.alignment, expected[column].alignment);
    }
}

// --- Comparing rows ---------------------------------------------------------

TEST(CompareTextsIgnoringAsciiCase, FoldsAsciiLettersOnly) {
    struct Case {
        const char* first;
        const char* second;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"AsiaSat", "asiasat", 0},
        {"a", "b", -1},
        {"B", "a", 1},
        {"ab", "abc", -1},
        {"", "", 0},
        {"[", "a", -1},  // '[' (0x5B) lies between 'Z' and 'a'; folding keeps it below 'a'
        {"\xC4\xCF", "\xB1\xB1", 1},  // 南 > 北 bytewise
        {"\xE0", "\xC0", 1},          // high bytes are not folded
        {"a\x80", "A", 1},
    };
    for (const Case& c : cases) {
        int result = compareTextsIgnoringAsciiCase(c.first, c.second);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.first << " vs " << c.second;
    }
}

int reversedComparison(const char* first, const char* second) {
    return -compareTextsIgnoringAsciiCase(first, second);
}

TEST(CompareRows, NumericColumnsCompareTheValuesTextToNumberGives) {
    const SortDirections ascending = 0x1F;
    struct Case {
        const char* first;
        const char* second;
        int expected;
    };
    const Case cases[] = {
        {"57.0", "100.5", -1},  // by value, not as text
        {"100.5", "57.0", 1},  {"57", "57.00", 0}, {"-0", "0", 0},
        {" 5 7", "57", 0},                          // blanks are removed before reading
        {"abc", "0", 0},                            // rejected text reads as 0
        {"abc", "-1", 1},      {"12abc", "1", -1},  // rejected, so 0
        {"", "0.5", -1},       {"1e3", "999", 1},  {"-180", "180", -1},
    };
    for (int column : {ColumnLongitude, ColumnElevation, ColumnPolarisation}) {
        for (const Case& c : cases) {
            EXPECT_EQ(compareRows(c.first, c.second, column, ascending, nullptr), c.expected)
                << "column " << column << ": " << c.first << " vs " << c.second;
        }
    }
}

TEST(CompareRows, TextColumnsUseTheGivenComparisonsSign) {
    const SortDirections ascending = 0x1F;
    for (int column : {ColumnName, ColumnAzimuth}) {
        EXPECT_EQ(compareRows("abc", "ABD", column, ascending, compareTextsIgnoringAsciiCase), -1);
        EXPECT_EQ(compareRows("abc", "ABC", column, ascending, compareTextsIgnoringAsciiCase), 0);
        EXPECT_EQ(compareRows("abc", "ABD", column, ascending, reversedComparison), 1);
        // Text columns are not read as numbers: "10" sorts before "9".
        EXPECT_EQ(compareRows("10", "9", column, ascending, compareTextsIgnoringAsciiCase), -1);
    }
    // Any magnitude from the comparison becomes -1 or +1.
    auto wide = [](const char* first, const char* second) {
        return 1000 * compareTextsIgnoringAsciiCase(first, second);
    };
    EXPECT_EQ(compareRows("b", "a", ColumnName, ascending, wide), 1);
}

TEST(CompareRows, AClearBitNegatesOnlyItsOwnColumn) {
    const SortDirections onlyLongitudeAscending = 1u << ColumnLongitude;
    EXPECT_EQ(compareRows("1", "2", ColumnLongitude, onlyLongitudeAscending, nullptr), -1);
    EXPECT_EQ(compareRows("1", "2", ColumnElevation, onlyLongitudeAscending, nullptr), 1);
    EXPECT_EQ(compareRows("a", "b", ColumnName, onlyLongitudeAscending, nullptr), 1);
    EXPECT_EQ(compareRows("1", "1", ColumnPolarisation, 0, nullptr), 0);
}

// --- Sorting by a column ----------------------------------------------------

TEST(SortByColumn, LongitudeClickedTwiceThenAnotherColumn) {
    TestSatelliteTable table =
        tableOf({"Bravo", "alpha", "Delta", "charlie"}, {"100.5", "57.0", "-30", "180.0"});
    SortDirections directions = 0;

    sortByColumn(table, ColumnLongitude, directions, compareTextsIgnoringAsciiCase);
    EXPECT_EQ(directions, 1u << ColumnLongitude);
    EXPECT_EQ(columnTexts(table, ColumnLongitude), (Texts{"-30", "57.0", "100.5", "180.0"}));
    // Whole rows move.
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"Delta", "alpha", "Bravo", "charlie"}));

    sortByColumn(table, ColumnLongitude, directions, compareTextsIgnoringAsciiCase);
    EXPECT_EQ(directions, 0u);
    EXPECT_EQ(columnTexts(table, ColumnLongitude), (Texts{"180.0", "100.5", "57.0", "-30"}));

    sortByColumn(table, ColumnName, directions, compareTextsIgnoringAsciiCase);
    EXPECT_EQ(directions, 1u << ColumnName);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"alpha", "Bravo", "charlie", "Delta"}));
}

TEST(SortByColumn, DirectionBitsOfColumnsAreIndependent) {
    TestSatelliteTable table = tableOf({"b", "a"}, {"1", "2"});
    SortDirections directions = 1u << ColumnName;  // name already ascending once
    sortByColumn(table, ColumnLongitude, directions, nullptr);
    EXPECT_EQ(directions, (1u << ColumnName) | (1u << ColumnLongitude));
    sortByColumn(table, ColumnName, directions, nullptr);  // second click: descending
    EXPECT_EQ(directions, 1u << ColumnLongitude);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"b", "a"}));
}

TEST(SortByColumn, ANonNumberSortsWithTheValueZero) {
    TestSatelliteTable table = tableOf({"a", "b", "c", "d"}, {"5", "abc", "-5", "0.5"});
    SortDirections directions = 0;
    sortByColumn(table, ColumnLongitude, directions, nullptr);
    EXPECT_EQ(columnTexts(table, ColumnLongitude), (Texts{"-5", "abc", "0.5", "5"}));
}

TEST(SortByColumn, ResultColumnsSortByValueAndAzimuthAsText) {
    TestSatelliteTable table = tableOf({"a", "b", "c"}, {"1", "2", "3"});
    const char* elevations[] = {"42.45", "5.10", "-3.00"};
    // 南偏东 (C4 CF C6 AB B6 AB), 南偏西 (C4 CF C6 AB CE F7), 正南 (D5 FD C4 CF)
    const char* azimuths[] = {"\xD5\xFD\xC4\xCF",
                              "\xC4\xCF\xC6\xAB\xCE\xF7"
                              "5.00\xB6\xC8",
                              "\xC4\xCF\xC6\xAB\xB6\xAB"
                              "9.00\xB6\xC8"};
    for (int row = 0; row < 3; ++row) {
        table.setCell(row, ColumnElevation, elevations[row]);
        table.setCell(row, ColumnAzimuth, azimuths[row]);
    }
    SortDirections directions = 0;
    sortByColumn(table, ColumnElevation, directions, nullptr);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"c", "b", "a"}));
    sortByColumn(table, ColumnAzimuth, directions, nullptr);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"c", "b", "a"}));
    sortByColumn(table, ColumnAzimuth, directions, nullptr);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"a", "b", "c"}));
}

TEST(SortByColumn, ComparesOnlyTheFirst126BytesOfEachText) {
    // Two names that differ only after byte 126 keep their order (the sort is stable).
    std::string common(126, 'n');
    TestSatelliteTable table = tableOf({common + "b", common + "a"}, {"1", "2"});
    SortDirections directions = 0;
    sortByColumn(table, ColumnName, directions, nullptr);
    EXPECT_EQ(columnTexts(table, ColumnLongitude), (Texts{"1", "2"}));

    TestSatelliteTable shorter =
        tableOf({common.substr(1) + "b", common.substr(1) + "a"}, {"1", "2"});
    sortByColumn(shorter, ColumnName, directions, nullptr);  // now descending
    EXPECT_EQ(columnTexts(shorter, ColumnLongitude), (Texts{"1", "2"}));
    sortByColumn(shorter, ColumnName, directions, nullptr);  // ascending again
    EXPECT_EQ(columnTexts(shorter, ColumnLongitude), (Texts{"2", "1"}));
}

TEST(SortByColumn, EmptyOrOneRowTablesStillToggleTheDirection) {
    TestSatelliteTable empty;
    SortDirections directions = 0;
    sortByColumn(empty, ColumnPolarisation, directions, nullptr);
    EXPECT_EQ(directions, 1u << ColumnPolarisation);
    EXPECT_EQ(empty.rowCount(), 0);

    TestSatelliteTable one = tableOf({"only"}, {"7"});
    sortByColumn(one, ColumnPolarisation, directions, nullptr);
    EXPECT_EQ(directions, 0u);
    EXPECT_EQ(columnTexts(one, ColumnName), (Texts{"only"}));
}

TEST(SortByColumn, AColumnOutsideTheTableChangesNothing) {
    TestSatelliteTable table = tableOf({"b", "a"}, {"1", "2"});
    SortDirections directions = 0;
    sortByColumn(table, SatelliteColumnCount, directions, nullptr);
    sortByColumn(table, -1, directions, nullptr);
    EXPECT_EQ(directions, 0u);
    EXPECT_EQ(columnTexts(table, ColumnName), (Texts{"b", "a"}));
}

}  // namespace
