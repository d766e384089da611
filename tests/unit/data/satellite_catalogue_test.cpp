#include "data/satellite_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "tests/support/test_satellite_table.h"

namespace {

using Texts = std::vector<std::string>;

// The built-in records as they read in UTF-8, in stored order.
// clang-format off
const char* const CatalogueUtf8[] = {
    u8"57.0,国际703  (InterSat-707)",
    u8"60.0,国际604  (InterSat-604)",
    u8"62.0,国际602  (InterSat-602)",
    u8"64.0,国际804  (InterSat-804)",
    u8"66.0,国际704  (InterSat-704)",
    u8"68.5,泛美4/7  (PanamSat-4/7)",
    u8"75.0,俄星LMI1 (LMI1)",
    u8"76.5,亚太2R   (ApStar-2R)",
    u8"77.0,航向1号  (Luch-1)",
    u8"78.5,泰星2/3  (ThaiCom-2/3)",
    u8"80.0,快车6号  (Express-6)",
    u8"83.0,印度2E   (InSat-2E)",
    u8"87.5,中卫1号  (ChinaStar-1)",
    u8"88.0,中新1号  (ST-1)",
    u8"91.5,马星1号  (MeaSat-1)",
    u8"93.5,印度2B/2 (CInSat 2B/2C)",
    u8"95.0,国际K-TV (NSS K-TV)",
    u8"100.5,亚洲2号  (AsiaSat-2)",
    u8"105.5,亚洲3号  (AsiaSat-3S)",
    u8"110.0,百合花   (Bsat-1A/1B)",
    u8"110.5,鑫诺1号  (SinoSat-1)",
    u8"113.0,帕拉帕C2 (Palapa-C2)",
    u8"115.5,中星8号  (待发射)",
    u8"116.0,韩星1/2  (KoreaSat-1/2)",
    u8"120.0,泰星1A   (ThaiCom-1A)",
    u8"122.0,亚洲1号  (AsiaSat-1)",
    u8"124.0,日本通信4号 (JcSat-4)",
    u8"125.0,中星6号  (ChinaSat-6)",
    u8"128.0,日本通信3号 (JcSat-3)",
    u8"134.0,亚太1A号 (ApStar-1A)",
    u8"138.0,亚太1号  (ApStar-1)",
    u8"144.0,超鸟C    (SuperBird-C)",
    u8"146.0,马步海   (Agila-2)",
    u8"162.0,超鸟B1   (SuperBird-B1)",
    u8"166.0,泛美8号  (PanamSat-8)",
    u8"169.0,泛美2号  (PanamSat-2)",
    u8"174.0,国际802  (InterSat-802)",
    u8"177.0,国际702  (InterSat-702)",
    u8"180.0,国际701  (InterSat-701)",
};
// clang-format on

// The records of a list, each up to its NUL, until the empty record.
Texts recordsOf(const char* list, std::size_t size) {
    Texts records;
    std::size_t position = 0;
    while (position < size && list[position] != '\0') {
        std::size_t length = strnlen(list + position, size - position);
        records.emplace_back(list + position, length);
        position += length + 1;
    }
    return records;
}

std::string descriptionOf(const SatelliteRecordParts& parts) {
    return std::string(parts.description, parts.descriptionLength);
}

std::vector<Texts> rowsOf(const TestSatelliteTable& table) {
    std::vector<Texts> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.push_back({table.cellText(row, ColumnName), table.cellText(row, ColumnLongitude)});
    return rows;
}

TestSatelliteTable filledFrom(const std::string& list) {
    TestSatelliteTable table;
    fillSatelliteTable(table, list.data(), list.size());
    return table;
}

// --- The built-in catalogue -------------------------------------------------

TEST(DefaultCatalogue, Is1065BytesEndingInTwoNuls) {
    EXPECT_EQ(sizeof DefaultCatalogue, 1065u);
    EXPECT_EQ(DefaultCatalogue[1063], '\0');
    EXPECT_EQ(DefaultCatalogue[1064], '\0');
    EXPECT_NE(DefaultCatalogue[1062], '\0');
}

TEST(DefaultCatalogue, HoldsThe39RecordsSpelledAsInUtf8) {
    Texts records = recordsOf(DefaultCatalogue, DefaultCatalogueSize);
    ASSERT_EQ(records.size(), std::size(CatalogueUtf8));
    ASSERT_EQ(records.size(), 39u);
    std::size_t bytes = 1;  // the ending NUL
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::string expected = cp936FromUtf8(CatalogueUtf8[i]);
        ASSERT_FALSE(expected.empty()) << CatalogueUtf8[i];
        EXPECT_EQ(records[i], expected) << "record " << i + 1 << ": " << CatalogueUtf8[i];
        bytes += records[i].size() + 1;
    }
    EXPECT_EQ(bytes, DefaultCatalogueSize);
}

TEST(DefaultCatalogue, DescriptionsShareOneLayout) {
    // A short name and blanks filling 9 bytes, at least one of them blank
    // (the two 11-byte names get exactly one), then the international name
    // in parentheses.
    Texts records = recordsOf(DefaultCatalogue, DefaultCatalogueSize);
    std::string previousLongitude;
    for (const std::string& record : records) {
        SCOPED_TRACE(utf8FromCp936(record));
        SatelliteRecordParts parts = splitSatelliteRecord(record.c_str(), record.size() + 1);
        std::string description = descriptionOf(parts);
        std::size_t parenthesis = description.find('(');
        ASSERT_NE(parenthesis, std::string::npos);
        EXPECT_EQ(description.back(), ')');
        std::size_t nameEnd = description.find_last_not_of(' ', parenthesis - 1) + 1;
        EXPECT_EQ(parenthesis, std::max<std::size_t>(9, nameEnd + 1));
        // One digit after the point, ascending.
        std::string longitude = parts.longitudeText;
        EXPECT_EQ(longitude.find('.'), longitude.size() - 2);
        if (!previousLongitude.empty()) {
            EXPECT_LT(std::stod(previousLongitude), std::stod(longitude));
        }
        previousLongitude = longitude;
    }
}

TEST(DefaultCatalogue, FillsThirtyNineRowsInStoredOrder) {
    TestSatelliteTable table;
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    ASSERT_EQ(table.rowCount(), 39);
    EXPECT_EQ(table.cellText(0, ColumnName), cp936FromUtf8(u8"国际703  (InterSat-707)"));
    EXPECT_EQ(table.cellText(0, ColumnLongitude), "57.0");
    EXPECT_EQ(table.cellText(18, ColumnLongitude), "105.5");
    EXPECT_EQ(table.cellText(38, ColumnName), cp936FromUtf8(u8"国际701  (InterSat-701)"));
    EXPECT_EQ(table.cellText(38, ColumnLongitude), "180.0");
    for (int row = 0; row < 39; ++row) {
        for (int column : {ColumnElevation, ColumnAzimuth, ColumnPolarisation})
            EXPECT_EQ(table.cellText(row, column), "") << row;
    }
}

// --- Splitting records ------------------------------------------------------

TEST(SplitSatelliteRecord, SplitsAtTheFirstCommaKeepingEveryBlank) {
    struct Case {
        const char* record;
        const char* longitude;
        const char* description;
    };
    const Case cases[] = {
        {"57.0,\xB9\xFA\xBC\xCA"
         "703  (InterSat-707)",
         "57.0",
         "\xB9\xFA\xBC\xCA"
         "703  (InterSat-707)"},  // 国际703, two blanks kept
        {"1.0,a,b,,c", "1.0", "a,b,,c"},
        {" 1.0 , name ", " 1.0 ", " name "},
        {"12.5,", "12.5", ""},
        {",nameless", "", "nameless"},
        {",", "", ""},
        {"77.0", "77.0", ""},
        {"12345678901234567890", "12345678901234567890", ""},   // 20 bytes, no comma
        {"1234567890123456789,x", "1234567890123456789", "x"},  // 19 bytes before the comma
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        SatelliteRecordParts parts = splitSatelliteRecord(c.record, std::strlen(c.record) + 1);
        EXPECT_STREQ(parts.longitudeText, c.longitude);
        EXPECT_EQ(descriptionOf(parts), c.description);
        EXPECT_EQ(parts.recordLength, std::strlen(c.record));
    }
}

TEST(SplitSatelliteRecord, LongLongitudeTakesTwentyBytesAndTheDescriptionFollowsTheComma) {
    struct Case {
        const char* record;
        const char* longitude;
        const char* description;
    };
    const Case cases[] = {
        {"12345678901234567890,Sat", "12345678901234567890", "Sat"},
        {"1234567890123456789012345,Sat,B", "12345678901234567890", "Sat,B"},
        {"1234567890123456789012345", "12345678901234567890", ""},
        // The 20th byte begins 中 (D6 D0): it is cut in two, counted in bytes.
        {"1234567890123456789\xD6\xD0,Sat", "1234567890123456789\xD6", "Sat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        SatelliteRecordParts parts = splitSatelliteRecord(c.record, std::strlen(c.record) + 1);
        EXPECT_STREQ(parts.longitudeText, c.longitude);
        EXPECT_EQ(descriptionOf(parts), c.description);
    }
}

TEST(SplitSatelliteRecord, StaysInsideTheBytesGiven) {
    // No NUL within reach: the record ends where the bytes end.
    const char bytes[] = {'5', '7', '.', '0', ',', 'a', 'b', 'X'};
    SatelliteRecordParts parts = splitSatelliteRecord(bytes, 7);
    EXPECT_STREQ(parts.longitudeText, "57.0");
    EXPECT_EQ(descriptionOf(parts), "ab");
    EXPECT_EQ(parts.recordLength, 7u);

    parts = splitSatelliteRecord(bytes, 3);
    EXPECT_STREQ(parts.longitudeText, "57.");
    EXPECT_EQ(parts.descriptionLength, 0u);
    EXPECT_EQ(parts.recordLength, 3u);

    parts = splitSatelliteRecord(bytes, 0);
    EXPECT_STREQ(parts.longitudeText, "");
    EXPECT_EQ(parts.descriptionLength, 0u);
    EXPECT_EQ(parts.recordLength, 0u);
}

// --- Filling the table ------------------------------------------------------

TEST(FillSatelliteTable, OneRowPerRecordInListOrder) {
    using namespace std::string_literals;
    TestSatelliteTable table = filledFrom(
        "57.0,A\0"s
        "x,dup\0"s
        "x,dup\0"s
        ",no longitude\0"s
        "12.5,\0"s
        "77.0\0"s
        "8,after\0\0"s);
    EXPECT_EQ(rowsOf(table), (std::vector<Texts>{{"A", "57.0"},
                                                 {"dup", "x"},
                                                 {"dup", "x"},
                                                 {"no longitude", ""},
                                                 {"", "12.5"},
                                                 {"", "77.0"},
                                                 {"after", "8"}}));
}

TEST(FillSatelliteTable, AListBeginningWithNulFillsNothing) {
    using namespace std::string_literals;
    EXPECT_EQ(filledFrom("\0"s).rowCount(), 0);
    EXPECT_EQ(filledFrom("\0"
                         "57.0,A\0\0"s)
                  .rowCount(),
              0);
    EXPECT_EQ(filledFrom(""s).rowCount(), 0);
}

TEST(FillSatelliteTable, ARecordCutAtTwentyBytesStillMovesPastItsWholeText) {
    using namespace std::string_literals;
    TestSatelliteTable table = filledFrom(
        "123456789012345678901234567890\0"s
        "1.0,next\0\0"s);
    EXPECT_EQ(rowsOf(table), (std::vector<Texts>{{"", "12345678901234567890"}, {"next", "1.0"}}));
}

TEST(FillSatelliteTable, AListWithoutClosingNulsEndsWithItsBytes) {
    using namespace std::string_literals;
    // Cut short after a record's NUL, inside a record, and right after a comma.
    EXPECT_EQ(rowsOf(filledFrom("1.0,a\0"s)), (std::vector<Texts>{{"a", "1.0"}}));
    EXPECT_EQ(rowsOf(filledFrom("1.0,a\0"
                                "2.0,bc"s)),
              (std::vector<Texts>{{"a", "1.0"}, {"bc", "2.0"}}));
    EXPECT_EQ(rowsOf(filledFrom("1.0,"s)), (std::vector<Texts>{{"", "1.0"}}));
    EXPECT_EQ(rowsOf(filledFrom("1234567890123456789012"s)),
              (std::vector<Texts>{{"", "12345678901234567890"}}));

    // Bytes after the given size are never looked at.
    const std::string list =
        "1.0,a\0"
        "2.0,b\0\0"s;
    TestSatelliteTable table;
    fillSatelliteTable(table, list.data(), 8);
    EXPECT_EQ(rowsOf(table), (std::vector<Texts>{{"a", "1.0"}, {"", "2."}}));
}

TEST(FillSatelliteTable, AppendsAfterRowsAlreadyThere) {
    using namespace std::string_literals;
    TestSatelliteTable table;
    table.insertRow(0, "first");
    std::string list = "1.0,a\0\0"s;
    fillSatelliteTable(table, list.data(), list.size());
    EXPECT_EQ(rowsOf(table), (std::vector<Texts>{{"first", ""}, {"a", "1.0"}}));
}

// --- Forming records --------------------------------------------------------

TEST(FormSatelliteRecord, LongitudeCommaDescription) {
    TestSatelliteTable table;
    table.insertRow(0,
                    "\xB9\xFA\xBC\xCA"
                    "703  (InterSat-707)");
    table.setCell(0, ColumnLongitude, "57.0");
    table.setCell(0, ColumnElevation, "10.00");
    char record[MaxRecordLength + 1];
    std::size_t length = formSatelliteRecord(table, 0, record, sizeof record);
    EXPECT_EQ(std::string(record), cp936FromUtf8(u8"57.0,国际703  (InterSat-707)"));
    EXPECT_EQ(length, std::strlen(record));
}

TEST(FormSatelliteRecord, EachCellContributesAtMost127Bytes) {
    TestSatelliteTable table;
    table.insertRow(0, std::string(200, 'n').c_str());
    table.setCell(0, ColumnLongitude, std::string(130, '1').c_str());
    char record[MaxRecordLength + 1];
    std::size_t length = formSatelliteRecord(table, 0, record, sizeof record);
    EXPECT_EQ(length, MaxRecordLength);
    EXPECT_EQ(std::string(record), std::string(127, '1') + "," + std::string(127, 'n'));

    table.setCell(0, ColumnLongitude, "1.0");
    table.setCell(0, ColumnName, std::string(127, 'n').c_str());
    formSatelliteRecord(table, 0, record, sizeof record);
    EXPECT_EQ(std::string(record), "1.0," + std::string(127, 'n'));
}

TEST(FormSatelliteRecord, StaysWithinTheCallersCapacity) {
    TestSatelliteTable table;
    table.insertRow(0, "abc");
    table.setCell(0, ColumnLongitude, "1.0");
    char record[8];
    std::memset(record, '#', sizeof record);
    EXPECT_EQ(formSatelliteRecord(table, 0, record, 6), 5u);
    EXPECT_EQ(std::string(record, 7), std::string("1.0,a\0#", 7));
    EXPECT_EQ(formSatelliteRecord(table, 0, record, 1), 0u);
    EXPECT_EQ(record[0], '\0');
    EXPECT_EQ(formSatelliteRecord(table, 0, record, 0), 0u);
    // A missing row forms the bare comma.
    EXPECT_EQ(formSatelliteRecord(table, 3, record, sizeof record), 1u);
    EXPECT_STREQ(record, ",");
}

TEST(FormSatelliteRecord, RowsFromRecordsSplitBackIntoTheSameTexts) {
    TestSatelliteTable table;
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    std::string list;
    for (int row = 0; row < table.rowCount(); ++row) {
        char record[MaxRecordLength + 1];
        std::size_t length = formSatelliteRecord(table, row, record, sizeof record);
        list.append(record, length);
        list.push_back('\0');
    }
    list.push_back('\0');
    EXPECT_EQ(list, std::string(DefaultCatalogue, DefaultCatalogueSize));
}

}  // namespace
