// The site and the satellite list kept in the registry from one start to the next.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/registry_settings.h"
#include "data/satellite_catalogue.h"
#include "data/satellite_table.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"

namespace {

using SettingsTest = GuiTest;

const char* const ShanghaiDescription = "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度";

// The records of the built-in catalogue, in their stored order.
std::vector<std::string> catalogueRecords() {
    std::vector<std::string> records;
    for (const char* record = DefaultCatalogue; *record != '\0';
         record += std::strlen(record) + 1) {
        records.emplace_back(record);
    }
    return records;
}

TEST_F(SettingsTest, SecondStartReadsBackTheSiteAndTheResortedList) {
    {
        HostedMainWindow first;
        first.chooseCity("上海");
        first.command(IDOK);
        first.clickColumnHeader(ColumnLongitude);
        first.clickColumnHeader(ColumnLongitude);  // decreasing longitude
        first.closeWithMessage();
        ASSERT_TRUE(first.ended());
    }
    std::vector<std::string> records = catalogueRecords();
    std::vector<std::string> reversed(records.rbegin(), records.rend());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        StoredValue data = readStoredValue(root, "Data");
        EXPECT_EQ(data.type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(data.bytes, storedList(reversed));
        EXPECT_EQ(readStoredValue(root, "City").bytes, storedTextBytes("上海"));
        EXPECT_EQ(readStoredValue(root, "X").bytes, storedTextBytes("121.48"));
    }

    HostedMainWindow second;
    EXPECT_EQ(second.text(IDC_CITY), "上海");
    EXPECT_EQ(second.text(IDC_LONGITUDE), "121.48");
    EXPECT_EQ(second.text(IDC_LATITUDE), "31.22");
    EXPECT_FALSE(second.enabled(IDC_LONGITUDE));
    EXPECT_EQ(second.text(IDC_SITE_DESCRIPTION), ShanghaiDescription);
    ASSERT_EQ(second.rowCount(), 39);
    EXPECT_EQ(second.cell(0, ColumnLongitude), "180.0");
    EXPECT_EQ(second.cell(38, ColumnLongitude), "57.0");
    EXPECT_EQ(second.state().model.changeFlags, SiteChanged);
}

TEST_F(SettingsTest, AResortThatKeepsTheCatalogueOrderStoresItsBytesAndOneNulMore) {
    HostedMainWindow main;
    main.clickColumnHeader(ColumnLongitude);
    main.command(IDM_EXIT);
    StoredValue data = readStoredValue(HKEY_LOCAL_MACHINE, "Data");
    EXPECT_EQ(data.type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(data.bytes.size(), 1066u);
    EXPECT_EQ(data.bytes, std::string(DefaultCatalogue, DefaultCatalogueSize) + '\0');
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, data.bytes);
}

TEST_F(SettingsTest, AnEmptyListIsStoredAsTwoNulsAndStaysEmpty) {
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(2, '\0'));
    {
        HostedMainWindow first;
        EXPECT_EQ(first.rowCount(), 0);
        first.clickColumnHeader(ColumnName);  // sorting an empty table still marks it
        first.closeWithCloseBox();
    }
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, std::string(2, '\0'));
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "Data").bytes, std::string(2, '\0'));
    HostedMainWindow second;
    EXPECT_EQ(second.rowCount(), 0);
}

TEST_F(SettingsTest, AnEmptySavedNameOpensTheCoordinateBoxesWithTheSavedTexts) {
    storeText(HKEY_LOCAL_MACHINE, "City", "");
    storeText(HKEY_LOCAL_MACHINE, "X", "-70.50");
    storeText(HKEY_LOCAL_MACHINE, "Y", "-33.45");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_TRUE(main.enabled(IDC_LONGITUDE));
    EXPECT_TRUE(main.enabled(IDC_LATITUDE));
    EXPECT_EQ(main.text(IDC_LONGITUDE), "-70.50");
    EXPECT_EQ(main.text(IDC_LATITUDE), "-33.45");
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度");
}

TEST_F(SettingsTest, ASavedNameSelectsTheFirstListEntryAfterEntry0ThatBeginsWithIt) {
    storeText(HKEY_CURRENT_USER, "City", "阿巴嘎");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "阿巴嘎旗");
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "阿巴嘎旗\r\n经度：东经114.97度\r\n纬度：北纬44.03度");
}

TEST_F(SettingsTest, ASavedNameTheGazetteerLacksShowsQuestionMarks) {
    storeText(HKEY_CURRENT_USER, "City", "不存在");
    storeText(HKEY_CURRENT_USER, "X", "10.00");
    storeText(HKEY_CURRENT_USER, "Y", "20.00");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_LONGITUDE), "?");
    EXPECT_EQ(main.text(IDC_LATITUDE), "?");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    EXPECT_FALSE(main.enabled(IDOK));
}

TEST_F(SettingsTest, ValuesOnlyUnderTheCurrentUserAreRead) {
    storeText(HKEY_CURRENT_USER, "City", "上海");
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, storedList({"105.5,one", "57.0,two"}));
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), ShanghaiDescription);
    ASSERT_EQ(main.rowCount(), 2);
    EXPECT_EQ(main.cell(0, ColumnName), "one");
    EXPECT_EQ(main.cell(1, ColumnLongitude), "57.0");
}

TEST_F(SettingsTest, EachValueComesFromTheCurrentUserWhenItIsThere) {
    storeText(HKEY_LOCAL_MACHINE, "City", "上海");
    storeText(HKEY_LOCAL_MACHINE, "X", "10.00");
    storeText(HKEY_LOCAL_MACHINE, "Y", "20.00");
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, storedList({"1.0,machine"}));
    storeText(HKEY_CURRENT_USER, "City", "");
    storeText(HKEY_CURRENT_USER, "Y", "-5.00");
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, storedList({"2.0,user"}));
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "10.00");
    EXPECT_EQ(main.text(IDC_LATITUDE), "-5.00");
    ASSERT_EQ(main.rowCount(), 1);
    EXPECT_EQ(main.cell(0, ColumnName), "user");
}

TEST_F(SettingsTest, RegistryReadsRefuseValuesLongerThanTheirRoom) {
    RegistrySettingsBackend backend;
    char field[SiteTextCapacity];
    storeText(HKEY_CURRENT_USER, "X", std::string(19, '1'));
    EXPECT_TRUE(backend.readStringValue("X", field, sizeof field));
    EXPECT_EQ(std::string(field), std::string(19, '1'));

    // Too long under the current user: unreadable, and the machine's value is not taken instead.
    storeText(HKEY_CURRENT_USER, "X", std::string(20, '1'));
    storeText(HKEY_LOCAL_MACHINE, "X", "5");
    std::memset(field, 'x', sizeof field);
    EXPECT_FALSE(backend.readStringValue("X", field, sizeof field));
    EXPECT_EQ(std::string(field, sizeof field), std::string(sizeof field, '\0'));

    std::vector<char> buffer(StoredListCapacity);
    std::size_t size = 0;
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(StoredListCapacity, 'a'));
    EXPECT_TRUE(backend.readBinaryValue("Data", buffer.data(), buffer.size(), &size));
    EXPECT_EQ(size, StoredListCapacity);
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(StoredListCapacity + 1, 'a'));
    EXPECT_FALSE(backend.readBinaryValue("Data", buffer.data(), buffer.size(), &size));
    EXPECT_FALSE(backend.readStringValue("Missing", field, sizeof field));
}

TEST_F(SettingsTest, AStoredListTooLongToReadGivesTheCatalogue) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, std::string(StoredListCapacity + 1, 'a'));
    HostedMainWindow main;
    EXPECT_EQ(main.rowCount(), 39);
}

}  // namespace
