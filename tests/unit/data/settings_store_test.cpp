#include "data/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/satellite_catalogue.h"
#include "encoding/text_encoding.h"
#include "tests/support/memory_settings_backend.h"
#include "tests/support/test_satellite_table.h"

namespace {

using ValueType = MemorySettingsBackend::ValueType;

std::string defaultCatalogueBytes() { return std::string(DefaultCatalogue, DefaultCatalogueSize); }

void setText(MemorySettingsBackend& store, const char* name, const std::string& bytes) {
    store.values[name] = {ValueType::Text, bytes};
}

void setBinary(MemorySettingsBackend& store, const char* name, const std::string& bytes) {
    store.values[name] = {ValueType::Binary, bytes};
}

void addRow(TestSatelliteTable& table, const char* longitude, const char* name) {
    int row = table.rowCount();
    table.insertRow(row, name);
    table.setCell(row, ColumnLongitude, longitude);
}

TEST(LoadSite, FirstRunStartsAtBeijing) {
    MemorySettingsBackend store;
    ReceivingSite site;
    loadSite(store, site);
    EXPECT_EQ(utf8FromCp936(site.name), "北京");
    EXPECT_STREQ(site.longitudeText, "");
    EXPECT_STREQ(site.latitudeText, "");
}

TEST(LoadSite, AnyStoredTextKeepsTheDefaultAway) {
    MemorySettingsBackend store;
    setText(store, "X", std::string("-70.50", 7));
    ReceivingSite site;
    loadSite(store, site);
    EXPECT_STREQ(site.name, "");
    EXPECT_STREQ(site.longitudeText, "-70.50");
    EXPECT_STREQ(site.latitudeText, "");
}

TEST(LoadSite, ReadsOnlyTextsThatFitTheirField) {
    struct Case {
        std::string stored;
        std::string read;
    };
    const Case cases[] = {
        {std::string("116.46\0", 7), "116.46"},
        {std::string(19, '1') + '\0', std::string(19, '1')},  // 20 bytes with the NUL
        {std::string(20, '1'), ""},                           // fills the field, no NUL
        {std::string(20, '1') + '\0', ""},                    // 21 bytes: too long
        {std::string("12.5"), "12.5"},                        // stored without its NUL
        {std::string(), ""},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend store;
        setText(store, "City", std::string("\xC9\xCF\xBA\xA3\0", 5));  // 上海
        setText(store, "Y", c.stored);
        ReceivingSite site;
        std::memset(site.latitudeText, 'x', sizeof site.latitudeText);
        loadSite(store, site);
        EXPECT_EQ(std::string(site.latitudeText), c.read) << c.stored.size();
        EXPECT_EQ(utf8FromCp936(site.name), "上海");
    }
}

TEST(LoadSatelliteList, UsesAReadableDataValueElseTheBuiltInCatalogue) {
    struct Case {
        const char* what;
        bool stored;
        std::string data;
        int rows;
    };
    const std::string oneRecord = std::string("57.0,") +
                                  "\xB9\xFA\xBC\xCA"
                                  "703" +
                                  '\0' + '\0' + '\0';
    const Case cases[] = {
        {"no value", false, "", 39},
        {"two NULs", true, std::string(2, '\0'), 0},
        {"one record", true, oneRecord, 1},
        {"no closing NULs", true, "57.0,A", 1},
        {"zero bytes", true, "", 0},
        {"exactly the capacity", true, std::string(StoredListCapacity, '\0'), 0},
        {"one byte too many", true, std::string(StoredListCapacity + 1, '\0'), 39},
    };
    for (const Case& c : cases) {
        MemorySettingsBackend store;
        if (c.stored) setBinary(store, "Data", c.data);
        TestSatelliteTable table;
        insertSatelliteColumns(table);
        loadSatelliteList(store, table);
        EXPECT_EQ(table.rowCount(), c.rows) << c.what;
    }
}

TEST(SaveSettings, WritesOnlyWhatTheFlagsMark) {
    ReceivingSite site;
    std::strcpy(site.name, "\xC9\xCF\xBA\xA3");  // 上海
    std::strcpy(site.longitudeText, "121.48");
    std::strcpy(site.latitudeText, "31.22");
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    addRow(table, "57.0", "A");

    struct Case {
        ChangeFlags flags;
        bool site;
        bool list;
    };
    const Case cases[] = {{0, false, false},
                          {SiteChanged, true, false},
                          {ListChanged, false, true},
                          {SiteChanged | ListChanged, true, true}};
    for (const Case& c : cases) {
        MemorySettingsBackend store;
        saveSettings(store, site, table, c.flags);
        EXPECT_EQ(store.values.count("City") == 1, c.site) << c.flags;
        EXPECT_EQ(store.values.count("X") == 1, c.site) << c.flags;
        EXPECT_EQ(store.values.count("Y") == 1, c.site) << c.flags;
        EXPECT_EQ(store.values.count("Data") == 1, c.list) << c.flags;
    }
}

TEST(SaveSettings, StoresTheSiteTextsWithTheirNul) {
    ReceivingSite site;
    std::strcpy(site.name, "\xC9\xCF\xBA\xA3");
    std::strcpy(site.longitudeText, "121.48");
    std::strcpy(site.latitudeText, "31.22");
    MemorySettingsBackend store;
    TestSatelliteTable table;
    saveSettings(store, site, table, SiteChanged);
    EXPECT_EQ(store.values["City"].type, ValueType::Text);
    EXPECT_EQ(store.values["City"].bytes, std::string("\xC9\xCF\xBA\xA3\0", 5));
    EXPECT_EQ(store.values["X"].bytes, std::string("121.48\0", 7));
    EXPECT_EQ(store.values["Y"].bytes, std::string("31.22\0", 6));
}

TEST(SaveSettings, StoresTheListAsRecordsAndTwoNuls) {
    MemorySettingsBackend store;
    ReceivingSite site;

    TestSatelliteTable empty;
    saveSettings(store, site, empty, ListChanged);
    EXPECT_EQ(store.values["Data"].type, ValueType::Binary);
    EXPECT_EQ(store.values["Data"].bytes, std::string(2, '\0'));

    TestSatelliteTable one;
    insertSatelliteColumns(one);
    const std::string name = cp936FromUtf8("国际703  (InterSat-707)");
    addRow(one, "57.0", name.c_str());
    saveSettings(store, site, one, ListChanged);
    EXPECT_EQ(store.values["Data"].bytes, "57.0," + name + std::string(3, '\0'));
    EXPECT_EQ(store.values["Data"].bytes.size(), 31u);
    EXPECT_EQ(storedListSize(one), 31u);

    TestSatelliteTable catalogue;
    insertSatelliteColumns(catalogue);
    fillSatelliteTable(catalogue, DefaultCatalogue, DefaultCatalogueSize);
    saveSettings(store, site, catalogue, ListChanged);
    EXPECT_EQ(store.values["Data"].bytes, defaultCatalogueBytes() + '\0');
    EXPECT_EQ(storedListSize(catalogue), 1066u);
}

TEST(SaveSettings, ASavedListReadsBackRowForRow) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    addRow(table, " +5", "with, a comma");
    addRow(table, "-60.0", "");
    addRow(table, "abc", "not a number still has its row");
    MemorySettingsBackend store;
    saveSettings(store, ReceivingSite(), table, ListChanged);

    TestSatelliteTable reloaded;
    insertSatelliteColumns(reloaded);
    loadSatelliteList(store, reloaded);
    ASSERT_EQ(reloaded.rowCount(), table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        EXPECT_EQ(reloaded.cellText(row, ColumnName), table.cellText(row, ColumnName));
        EXPECT_EQ(reloaded.cellText(row, ColumnLongitude), table.cellText(row, ColumnLongitude));
    }
}

TEST(SaveSettings, NeverWritesAListTheReaderWouldRefuse) {
    // Rows of 254 bytes each (record 253 + NUL): 141 of them fit
    // with the closing NULs (35,816 bytes); one more passes 36,000.
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    const std::string name(127, 'n');
    const std::string longitude(125, '1');
    for (int i = 0; i < 141; ++i) addRow(table, longitude.c_str(), name.c_str());
    ASSERT_EQ(storedListSize(table), 141u * 254 + 2);

    MemorySettingsBackend store;
    setBinary(store, "Data", std::string(2, '\0'));
    saveSettings(store, ReceivingSite(), table, ListChanged);
    EXPECT_EQ(store.values["Data"].bytes.size(), 141u * 254 + 2);

    addRow(table, longitude.c_str(), name.c_str());
    EXPECT_GT(storedListSize(table), StoredListCapacity);
    saveSettings(store, ReceivingSite(), table, ListChanged);
    EXPECT_EQ(store.values["Data"].bytes.size(), 141u * 254 + 2);  // the last readable list stays
}

TEST(PreviousSatelliteList, KeptWithDatasBytesAndReadLikeData) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    MemorySettingsBackend store;
    std::vector<char> list;
    EXPECT_FALSE(loadPreviousSatelliteList(store, list)) << "none kept yet";
    EXPECT_TRUE(list.empty());

    savePreviousSatelliteList(store, table);
    saveSettings(store, ReceivingSite(), table, ListChanged);
    EXPECT_EQ(store.values["PreviousData"].type, ValueType::Binary);
    EXPECT_EQ(store.values["PreviousData"].bytes, store.values["Data"].bytes);
    ASSERT_TRUE(loadPreviousSatelliteList(store, list));
    EXPECT_EQ(std::string(list.begin(), list.end()), defaultCatalogueBytes() + '\0');

    // The reader's limit is Data's: 36,000 bytes read, one more refused.
    for (std::size_t size : {StoredListCapacity, StoredListCapacity + 1}) {
        setBinary(store, "PreviousData", std::string(size, '\0'));
        EXPECT_EQ(loadPreviousSatelliteList(store, list), size == StoredListCapacity) << size;
        EXPECT_EQ(list.size(), size == StoredListCapacity ? size : 0u);
    }
}

}  // namespace
