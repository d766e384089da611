#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "tests/support/test_satellite_table.h"

namespace {

using Row = std::vector<std::string>;  // five cells, code page 936

TestSatelliteTable tableOf(const std::vector<Row>& rows) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    for (const Row& cells : rows) {
        int row = table.rowCount();
        table.insertRow(row, cells[0].c_str());
        for (int column = 1; column < SatelliteColumnCount; ++column)
            table.setCell(row, column, cells[static_cast<std::size_t>(column)].c_str());
    }
    return table;
}

// The whole text as the copy command would allocate and fill it, without its zero.
std::string resultText(const std::string& description, const SatelliteTable& table) {
    std::string buffer(resultTextCapacity(table.rowCount(), description.size()), '#');
    std::size_t length = formatResultText(description.c_str(), table, buffer.data(), buffer.size());
    EXPECT_LT(length, buffer.size());
    EXPECT_EQ(buffer[length], '\0');
    // Every byte after the zero is untouched.
    EXPECT_EQ(buffer.find_first_not_of('#', length + 1), std::string::npos);
    return buffer.substr(0, length);
}

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::string cp936(const char* utf8) { return cp936FromUtf8(utf8); }

const std::string Header = cp936(u8"卫星名称") + blanks(28) + cp936(u8"卫星经度") + blanks(2) +
                           cp936(u8"天线仰角") + blanks(2) + cp936(u8"天线方位角") + blanks(4) +
                           cp936(u8"极化角") + blanks(2) + "\r\n";
const std::string Rule = std::string(80, '-') + "\r\n";

TEST(ResultText, OneRowLaysOutDescriptionHeaderRuleAndTheRow) {
    const std::string description = cp936(u8"北京\r\n经度：东经116.46度\r\n纬度：北纬39.92度");
    TestSatelliteTable table = tableOf(
        {{cp936(u8"亚洲3号  (AsiaSat-3S)"), "105.5", "42.45", cp936(u8"南偏西16.79度"), "-12.80"}});
    std::string expected = description + "\r\n\r\n" + Header + Rule +
                           cp936(u8"亚洲3号  (AsiaSat-3S)") + blanks(36 - 21) + "105.5" +
                           blanks(5) + "42.45" + blanks(5) + cp936(u8"南偏西16.79度") + blanks(1) +
                           "-12.80" + blanks(2) + "\r\n";
    EXPECT_EQ(resultText(description, table), expected);
}

TEST(ResultText, HeaderAndRowLinesAre78BytesAndTheRule80) {
    TestSatelliteTable table = tableOf({{"a", "1", "2", "3", "4"},
                                        {std::string(50, 'n'), "", "", "", ""},
                                        {"", "", "", "", ""},
                                        {cp936(u8"中中中中中中中中中中中中中中中中中中中"), "", "",
                                         cp936(u8"南偏东南偏东南偏东"), ""}});
    std::string text = resultText("d", table);
    ASSERT_EQ(text.size(), 5 + 80 + 82 + 4u * 80);
    EXPECT_EQ(text.substr(0, 5 + 80 + 82), "d\r\n\r\n" + Header + Rule);
    for (std::size_t row = 0; row < 4; ++row)
        EXPECT_EQ(text.compare(5 + 80 + 82 + row * 80 + 78, 2, "\r\n"), 0) << row;
}

TEST(ResultText, FieldsArePaddedWithBlanksOrCutAtTheirWidth) {
    struct Case {
        int column;
        std::string cell;
        std::string field;
    };
    const Case cases[] = {
        {ColumnName, "SatName8", "SatName8" + blanks(28)},
        {ColumnName, std::string(36, 'x'), std::string(36, 'x')},
        {ColumnName, std::string(40, 'y'), std::string(36, 'y')},
        {ColumnName, "", blanks(36)},
        {ColumnLongitude, "12345678901", "1234567890"},
        {ColumnElevation, "-0.50", "-0.50" + blanks(5)},
        {ColumnAzimuth, cp936(u8"南偏西16.79度"), cp936(u8"南偏西16.79度") + blanks(1)},
        {ColumnAzimuth, cp936(u8"正北"), cp936(u8"正北") + blanks(10)},
        {ColumnPolarisation, "123456789", "12345678"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(utf8FromCp936(c.cell));
        Row cells(SatelliteColumnCount, "");
        cells[static_cast<std::size_t>(c.column)] = c.cell;
        std::string text = resultText("", tableOf({cells}));
        std::string row = text.substr(text.size() - 80);
        std::size_t start = 0;
        for (int column = 0; column < c.column; ++column) start += ResultFieldWidths[column];
        EXPECT_EQ(row.substr(start, ResultFieldWidths[c.column]), c.field);
    }
}

TEST(ResultText, AFieldIsNeverCutInsideADoubleByteCharacter) {
    struct Case {
        std::string name;
        std::string field;
    };
    const Case cases[] = {
        // 中 (D6 D0) would straddle the 36-byte limit: cut before it.
        {std::string(35, 'a') + cp936(u8"中"), std::string(35, 'a') + blanks(1)},
        {std::string(34, 'a') + cp936(u8"中中"), std::string(34, 'a') + cp936(u8"中")},
        {"a" + cp936(u8"中中中中中中中中中中中中中中中中中中"),
         "a" + cp936(u8"中中中中中中中中中中中中中中中中中") + blanks(1)},
        {cp936(u8"中中中中中中中中中中中中中中中中中中中"),
         cp936(u8"中中中中中中中中中中中中中中中中中中")},
        // A lead byte takes the next byte with it, whatever that byte is.
        {std::string(35, 'a') + "\xD6"
                                "b",
         std::string(35, 'a') + blanks(1)},
        // A text ending in a lone lead byte keeps it.
        {"ab\xD6", "ab\xD6" + blanks(33)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = resultText("", tableOf({{c.name, "", "", "", ""}}));
        std::string row = text.substr(text.size() - 80);
        EXPECT_EQ(row.substr(0, 36), c.field);
        EXPECT_EQ(row.substr(36), blanks(42) + "\r\n");
    }
    // The azimuth field (14 bytes) follows the same rule.
    std::string text =
        resultText("", tableOf({{"", "", "", "x" + cp936(u8"南偏西南偏西南偏西"), ""}}));
    EXPECT_EQ(text.substr(text.size() - 80 + 56, 14),
              "x" + cp936(u8"南偏西南偏西南偏西").substr(0, 12) + blanks(1));
}

TEST(ResultText, AnEmptyTableGivesTheDescriptionHeaderAndRule) {
    TestSatelliteTable table;
    EXPECT_EQ(resultText("site", table), "site\r\n\r\n" + Header + Rule);
    EXPECT_EQ(resultText("", table), "\r\n\r\n" + Header + Rule);
}

TEST(ResultText, RowsFollowTheTablesCurrentOrder) {
    TestSatelliteTable table = tableOf({{"first", "", "", "", ""}, {"second", "", "", "", ""}});
    table.deleteRow(0);
    table.insertRow(1, "third");
    std::string text = resultText("", table);
    std::string rows = text.substr(text.size() - 160);
    EXPECT_EQ(rows.substr(0, 6), "second");
    EXPECT_EQ(rows.substr(80, 5), "third");
}

TEST(ResultText, LeavesTheTableUnchanged) {
    TestSatelliteTable table = tableOf({{std::string(40, 'n'), "1", "2", "3", "4"}});
    table.selectRow(0, true);
    resultText("d", table);
    EXPECT_EQ(table.cellText(0, ColumnName), std::string(40, 'n'));
    EXPECT_EQ(table.cellText(0, ColumnPolarisation), "4");
    EXPECT_EQ(table.nextSelectedRow(-1), 0);
}

TEST(ResultText, TheCapacityAllowsForEveryRowLineAndTheDescription) {
    EXPECT_EQ(resultTextCapacity(0, 0), 174u);
    EXPECT_EQ(resultTextCapacity(39, 50), 41u * 80 + 10 + 50 + 4);
    EXPECT_EQ(resultTextCapacity(-3, 7), 2u * 80 + 10 + 7 + 4);

    // Long cells and a long description still fit.
    const std::string description(1000, 'd');
    TestSatelliteTable table = tableOf(std::vector<Row>(
        10, Row{std::string(300, 'n'), std::string(300, '1'), std::string(300, '2'),
                std::string(300, '3'), std::string(300, '4')}));
    EXPECT_EQ(resultText(description, table).size(), 1000 + 4 + 80 + 82 + 10u * 80);
}

TEST(ResultText, NeverWritesPastASmallerBuffer) {
    TestSatelliteTable table = tableOf({{"name", "1", "2", "3", "4"}});
    const std::string description = "site";
    const std::size_t full = description.size() + 4 + 80 + 82 + 80;
    for (std::size_t capacity : {std::size_t{1}, std::size_t{2}, std::size_t{50}, full, full + 1}) {
        SCOPED_TRACE(capacity);
        std::string buffer(capacity + 8, '#');
        std::size_t length = formatResultText(description.c_str(), table, buffer.data(), capacity);
        EXPECT_EQ(length, std::min(full, capacity - 1));
        EXPECT_EQ(buffer[length], '\0');
        EXPECT_EQ(buffer.substr(capacity), std::string(8, '#'));
    }
    char untouched = '#';
    EXPECT_EQ(formatResultText("site", table, &untouched, 0), 0u);
    EXPECT_EQ(untouched, '#');
}

}  // namespace
