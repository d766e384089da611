#include "calc/satellite_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"

namespace {

struct TextsCase {
    const char* longitude;
    const char* description;
    bool valid;
};

TEST(SatelliteTexts, LongitudeMustConvertAndRoundIntoTheHalfCircleAndTheDescriptionBeGiven) {
    const TextsCase cases[] = {
        {"105.5", "AsiaSat", true}, {"180.5", "a", true},  // rounds to 180 (halves to even)
        {"-180.5", "a", true},                             // rounds to -180
        {"180.4999", "a", true},    {"180.6", "a", false},
        {"180.5001", "a", false},   {"-180.6", "a", false},
        {"181", "a", false},        {"-181", "a", false},
        {"179.5", "a", true},  // rounds to 180
        {"0", "a", true},           {"+57", "a", true},
        {" 5 7. 0", "a", true},                           // blanks do not count
        {"1e2", "a", true},         {"1E2", "a", false},  // only a lowercase exponent
        {"-", "a", true},                                 // read as -0
        {" ", "a", true},                                 // not empty; reads as 0
        {"abc", "a", false},        {"12abc", "a", false},
        {"1,5", "a", false},        {"1e4933", "a", false},  // overflows
        {"", "a", false},           {"", "", false},
        {"57.0", "", false},        {"180.6", "", false},
    };
    for (const TextsCase& c : cases) {
        EXPECT_EQ(satelliteTextsValid(c.longitude, c.description), c.valid)
            << "'" << c.longitude << "' '" << c.description << "'";
    }
    const std::string chinese = cp936FromUtf8("亚洲3号");
    EXPECT_TRUE(satelliteTextsValid("105.5", chinese.c_str()));
}

TEST(SatelliteTexts, CheckingLeavesTheTypedLongitudeAsItIs) {
    char longitude[] = " +1 05.5";
    EXPECT_TRUE(satelliteTextsValid(longitude, "a"));
    EXPECT_STREQ(longitude, " +1 05.5");
}

TEST(SatelliteTexts, ALongitudeTextOfTheFullBoxCapacityIsRead) {
    // 126 bytes, as the box gives them at most: a sum of blanks and one digit.
    std::string longitude(CellReadCapacity - 2, ' ');
    longitude += '9';
    EXPECT_TRUE(satelliteTextsValid(longitude.c_str(), "a"));
    longitude.back() = 'x';
    EXPECT_FALSE(satelliteTextsValid(longitude.c_str(), "a"));
}

struct FaultCase {
    std::string longitude;
    std::string description;
    SatelliteTextsFault fault;
};

TEST(SatelliteTextsFault, AddsTheBoxLimitsInCodePage936BytesToTheValidityRule) {
    const std::string fiftyChinese = [] {
        std::string text;
        for (int k = 0; k < 50; ++k) text += cp936FromUtf8("星");
        return text;
    }();
    const std::vector<FaultCase> cases = {
        {"-180.5", std::string(100, 'd'), SatelliteTextsFault::None},
        {"-180.5", fiftyChinese, SatelliteTextsFault::None},  // 100 bytes
        {" 57.0", "a", SatelliteTextsFault::None},
        {"-180.50", "a", SatelliteTextsFault::LongitudeTooLong},
        {"1234567", "", SatelliteTextsFault::LongitudeTooLong},
        {"57.0", std::string(101, 'd'), SatelliteTextsFault::DescriptionTooLong},
        {"57.0", fiftyChinese + "a", SatelliteTextsFault::DescriptionTooLong},
        {"abc", "", SatelliteTextsFault::LongitudeInvalid},
        {"", "a", SatelliteTextsFault::LongitudeInvalid},
        {"180.6", "a", SatelliteTextsFault::LongitudeInvalid},
        {"57.0", "", SatelliteTextsFault::DescriptionEmpty},
        {"abc", std::string(101, 'd'), SatelliteTextsFault::LongitudeInvalid},
    };
    for (const FaultCase& c : cases) {
        EXPECT_EQ(satelliteTextsFault(c.longitude.c_str(), c.description.c_str()), c.fault)
            << "'" << c.longitude << "' " << c.description.size() << " bytes";
        EXPECT_EQ(satelliteTextsAcceptable(c.longitude.c_str(), c.description.c_str()),
                  c.fault == SatelliteTextsFault::None);
    }
}

TEST(SatelliteTextsFault, WithinTheLimitsAcceptsExactlyWhatSatelliteTextsValidAccepts) {
    const char* const longitudes[] = {"105.5", "180.5", "-180.5", "180.6", "1e2", "1E2", "-",
                                      " ",     "abc",   "1,5",    "",      "+57", "5 7"};
    const char* const descriptions[] = {"a", "", " ", "a,b"};
    for (const char* longitude : longitudes) {
        for (const char* description : descriptions) {
            EXPECT_EQ(satelliteTextsAcceptable(longitude, description),
                      satelliteTextsValid(longitude, description))
                << "'" << longitude << "' '" << description << "'";
        }
    }
}

MemorySatelliteTable tableOf(const std::vector<std::pair<std::string, std::string>>& rows) {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    for (const auto& [longitude, description] : rows) {
        int row = table.rowCount();
        table.insertRow(row, description.c_str());
        table.setCell(row, ColumnLongitude, longitude.c_str());
    }
    return table;
}

MemorySatelliteTable catalogueTable() {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    return table;
}

// The table after the dialog has written the texts, as its OK button does.
MemorySatelliteTable withEntry(MemorySatelliteTable table, int targetRow,
                               const std::string& longitude, const std::string& description) {
    if (targetRow < 0 || targetRow > table.rowCount()) return table;
    if (targetRow == table.rowCount()) {
        table.insertRow(targetRow, description.c_str());
    } else {
        table.setCell(targetRow, ColumnName, description.c_str());
    }
    table.setCell(targetRow, ColumnLongitude, longitude.c_str());
    return table;
}

struct SizeCase {
    const char* what;
    MemorySatelliteTable table;
    int targetRow;
    std::string longitude;
    std::string description;
};

TEST(StoredListSizeAfterEntry, IsTheSizeOfTheListWithTheEntryWritten) {
    const MemorySatelliteTable empty = tableOf({});
    const MemorySatelliteTable catalogue = catalogueTable();
    const std::string longText(200, 'x');  // a cell gives back 127 bytes of it
    const std::vector<SizeCase> cases = {
        {"append to an empty list", empty, 0, "57.0", "a"},
        {"append to the catalogue", catalogue, 39, "-30", cp936FromUtf8("新卫星")},
        {"replace with a longer record", catalogue, 0, "57.00", longText.substr(0, 60)},
        {"replace with a shorter record", catalogue, 38, "1", "b"},
        {"replace the last of two", tableOf({{"1", "a"}, {"2", "b"}}), 1, "3", "ccc"},
        {"texts longer than a cell", catalogue, 39, longText, longText},
        {"replace with texts longer than a cell", catalogue, 5, longText, longText},
        {"no row to write", catalogue, -1, "57.0", "a"},
        {"a row past the end", catalogue, 41, "57.0", "a"},
    };
    for (const SizeCase& c : cases) {
        MemorySatelliteTable after = withEntry(c.table, c.targetRow, c.longitude, c.description);
        EXPECT_EQ(storedListSizeAfterEntry(c.table, c.targetRow, c.longitude.c_str(),
                                           c.description.c_str()),
                  storedListSize(after))
            << c.what;
    }
    EXPECT_EQ(storedListSizeAfterEntry(empty, 0, "57.0", "a"), 2u + 7u);
    EXPECT_EQ(storedListSizeAfterEntry(catalogue, -1, "57.0", "a"), DefaultCatalogueSize + 1);
}

// 281 rows of 128 stored bytes each (record of 127 and its NUL) and the two closing NULs.
MemorySatelliteTable listOf35970Bytes() {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    const std::string description(125, 'd');
    for (int row = 0; row < 281; ++row) {
        table.insertRow(row, description.c_str());
        table.setCell(row, ColumnLongitude, "1");
    }
    return table;
}

TEST(SatelliteEntryAcceptable, AnAddThatFillsDataToExactlyItsCapacityIsTheLastOneAccepted) {
    const MemorySatelliteTable table = listOf35970Bytes();
    ASSERT_EQ(storedListSize(table), 35970u);
    const int end = table.rowCount();
    // "1", a comma, 27 bytes and the NUL: 30 bytes more make 36,000.
    const std::string fits(27, 'n');
    const std::string tooLong(28, 'n');
    EXPECT_EQ(storedListSizeAfterEntry(table, end, "1", fits.c_str()), StoredListCapacity);
    EXPECT_TRUE(satelliteEntryAcceptable(table, end, "1", fits.c_str()));
    EXPECT_FALSE(satelliteEntryAcceptable(table, end, "1", tooLong.c_str()));
    EXPECT_FALSE(satelliteEntryAcceptable(table, end, "1.", fits.c_str()));
    // Invalid texts stay refused however small the list.
    EXPECT_FALSE(satelliteEntryAcceptable(tableOf({}), 0, "181", "a"));
    EXPECT_FALSE(satelliteEntryAcceptable(tableOf({}), 0, "1", ""));
}

TEST(SatelliteEntryAcceptable, AModifyOfAFullListMayKeepOrShrinkButNotGrowItsRecord) {
    MemorySatelliteTable table = listOf35970Bytes();
    const std::string filler(27, 'n');
    table.insertRow(table.rowCount(), filler.c_str());
    table.setCell(table.rowCount() - 1, ColumnLongitude, "1");
    ASSERT_EQ(storedListSize(table), StoredListCapacity);

    const std::string same(125, 'e');
    const std::string longer(126, 'e');
    EXPECT_TRUE(satelliteEntryAcceptable(table, 0, "2", same.c_str()));
    EXPECT_FALSE(satelliteEntryAcceptable(table, 0, "2", longer.c_str()));
    EXPECT_FALSE(satelliteEntryAcceptable(table, 0, "-2", same.c_str()));
    EXPECT_TRUE(satelliteEntryAcceptable(table, 0, "2", "short"));
    // Nothing to write: the full list stays as it is.
    EXPECT_TRUE(satelliteEntryAcceptable(table, -1, "2", longer.c_str()));
    // A new row no longer fits at all.
    EXPECT_FALSE(satelliteEntryAcceptable(table, table.rowCount(), "1", "a"));
}

}  // namespace
