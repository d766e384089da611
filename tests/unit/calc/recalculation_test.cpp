#include "calc/recalculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/pointing.h"
#include "encoding/text_encoding.h"
#include "tests/support/sites.h"
#include "tests/support/test_satellite_table.h"

namespace {

TestSatelliteTable tableOfLongitudes(const std::vector<std::string>& longitudes) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    for (const std::string& longitude : longitudes) {
        int row = table.rowCount();
        table.insertRow(row, ("sat " + longitude).c_str());
        table.setCell(row, ColumnLongitude, longitude.c_str());
    }
    return table;
}

struct Recalculated {
    std::string description;  // UTF-8
    ReceivingSite site;
    ChangeFlags flags;
};

Recalculated recalculate(const std::string& cityUtf8, ReceivingSite site, SatelliteTable& table,
                         ChangeFlags flags = 0) {
    char description[SiteDescriptionCapacity];
    recalculateAll(cp936FromUtf8(cityUtf8).c_str(), site, table, flags, description);
    return {utf8FromCp936(description), site, flags};
}

// The three texts computePointing gives for one satellite longitude.
std::vector<std::string> pointingTexts(long double longitude, const ReceivingSite& site) {
    PointingResult result;
    computePointing(longitude, site, result);
    return {result.elevationText, result.azimuthText, result.polarisationText};
}

std::vector<std::string> resultCells(const TestSatelliteTable& table, int row) {
    return {table.cellText(row, ColumnElevation), table.cellText(row, ColumnAzimuth),
            table.cellText(row, ColumnPolarisation)};
}

// --- The site description and coordinate texts ------------------------------

TEST(RecalculateAll, DescribesTheSiteAndFormatsItsCoordinates) {
    struct Case {
        const char* city;
        long double longitude;
        long double latitude;
        const char* description;
        const char* longitudeText;
        const char* latitudeText;
    };
    const Case cases[] = {
        {u8"北京", 116.46L, 39.92L, u8"北京\r\n经度：东经116.46度\r\n纬度：北纬39.92度", "116.46",
         "39.92"},
        {"", -70.5L, -33.45L, u8"地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度", "-70.50",
         "-33.45"},
        {"", 100.0L, 0.0L, u8"地名不详\r\n经度：东经100.00度\r\n纬度：0度", "100.00", "0"},
        {"", 0.0L, -0.0L, u8"地名不详\r\n经度：0度\r\n纬度：0度", "0", "0"},
        {"Quito", -78.5L, -0.25L, u8"Quito\r\n经度：西经78.50度\r\n纬度：南纬0.25度", "-78.50",
         "-0.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        TestSatelliteTable table;
        Recalculated after = recalculate(c.city, siteAt(c.longitude, c.latitude), table);
        EXPECT_EQ(after.description, c.description);
        EXPECT_STREQ(after.site.longitudeText, c.longitudeText);
        EXPECT_STREQ(after.site.latitudeText, c.latitudeText);
        EXPECT_EQ(utf8FromCp936(after.site.name), c.city);
        // Coordinates are read, never changed.
        EXPECT_EQ(after.site.longitude, c.longitude);
        EXPECT_EQ(after.site.latitude, c.latitude);
    }
}

TEST(RecalculateAll, ZeroLatitudeStaysWithoutHemisphereOnEveryRun) {
    TestSatelliteTable table;
    ReceivingSite site = siteAt(116.46L, 0.0L);
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    for (int run = 0; run < 3; ++run) {
        recalculateAll("", site, table, flags, description);
        EXPECT_EQ(utf8FromCp936(description), u8"地名不详\r\n经度：东经116.46度\r\n纬度：0度");
        EXPECT_STREQ(site.latitudeText, "0");
    }
}

TEST(RecalculateAll, SetsSiteChangedAndKeepsOtherFlags) {
    TestSatelliteTable table;
    EXPECT_EQ(recalculate("", siteAt(1, 1), table, 0).flags, SiteChanged);
    EXPECT_EQ(recalculate("", siteAt(1, 1), table, ListChanged).flags, ListChanged | SiteChanged);
    EXPECT_EQ(recalculate("", siteAt(1, 1), table, SiteChanged).flags, SiteChanged);
}

TEST(RecalculateAll, TakesAtMost18BytesOfTheCityWithoutSplittingACharacter) {
    struct Case {
        const char* city;
        const char* name;
    };
    const Case cases[] = {
        {"abcdefghijklmnopqr", "abcdefghijklmnopqr"},        // 18 bytes: whole
        {"abcdefghijklmnopqrs", "abcdefghijklmnopqr"},       // 19 bytes: cut at 18
        {u8"一二三四五六七八九", u8"一二三四五六七八九"},    // 18 bytes
        {u8"一二三四五六七八九十", u8"一二三四五六七八九"},  // 20 bytes
        {u8"a一二三四五六七八九", u8"a一二三四五六七八"},    // 九 would end at byte 19
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.city);
        TestSatelliteTable table;
        Recalculated after = recalculate(c.city, siteAt(116.46L, 39.92L), table);
        EXPECT_EQ(utf8FromCp936(after.site.name), c.name);
        EXPECT_EQ(after.description.substr(0, after.description.find('\r')), c.name);
    }
}

TEST(BuildSiteDescription, UsesTheSitesName) {
    ReceivingSite site = siteAt(-0.0L, 90.4L);
    const std::string name = cp936FromUtf8(u8"上海");
    name.copy(site.name, name.size());
    char description[SiteDescriptionCapacity];
    buildSiteDescription(site, description);
    EXPECT_EQ(utf8FromCp936(description), u8"上海\r\n经度：0度\r\n纬度：北纬90.40度");
}

// --- The rows ---------------------------------------------------------------

TEST(RecalculateAll, BeijingSeesAsiaSat3AtItsKnownPointing) {
    TestSatelliteTable table = tableOfLongitudes({"105.5"});
    recalculate(u8"北京", siteAt(116.46L, 39.92L), table);
    EXPECT_EQ(table.cellText(0, ColumnElevation), "42.45");
    EXPECT_EQ(utf8FromCp936(table.cellText(0, ColumnAzimuth)), u8"南偏西16.79度");
    EXPECT_EQ(table.cellText(0, ColumnPolarisation), "-12.80");
}

TEST(RecalculateAll, EveryRowGetsTheResultsForItsOwnLongitude) {
    const std::vector<std::string> longitudes = {"57.0", "105.5", "180.0", "-30", "116.5", "105.5"};
    TestSatelliteTable table = tableOfLongitudes(longitudes);
    ReceivingSite site = siteAt(116.46L, 39.92L);
    recalculate(u8"北京", site, table);
    ASSERT_EQ(table.rowCount(), static_cast<int>(longitudes.size()));
    for (std::size_t i = 0; i < longitudes.size(); ++i) {
        int row = static_cast<int>(i);
        SCOPED_TRACE(longitudes[i]);
        EXPECT_EQ(resultCells(table, row), pointingTexts(std::stold(longitudes[i]), site));
        // Columns 0 and 1 and the order of the rows stay.
        EXPECT_EQ(table.cellText(row, ColumnName), "sat " + longitudes[i]);
        EXPECT_EQ(table.cellText(row, ColumnLongitude), longitudes[i]);
    }
    // Different satellites really get different results.
    EXPECT_NE(resultCells(table, 0), resultCells(table, 1));
}

TEST(RecalculateAll, ANonNumberLongitudeIsComputedAsZero) {
    TestSatelliteTable table = tableOfLongitudes({"abc", "", "0", "12abc"});
    ReceivingSite site = siteAt(-70.5L, -33.45L);
    recalculate("", site, table);
    for (int row = 0; row < table.rowCount(); ++row)
        EXPECT_EQ(resultCells(table, row), pointingTexts(0, site)) << row;
}

TEST(RecalculateAll, ReadsAtMost126BytesOfALongitudeCell) {
    // The first 126 bytes read " ... 5"; the "0" after them is not seen.
    std::string blanksThenFifty = std::string(125, ' ') + "50";
    std::string blanksThenFive = std::string(124, ' ') + "5";
    TestSatelliteTable table = tableOfLongitudes({blanksThenFifty, blanksThenFive});
    ReceivingSite site = siteAt(116.46L, 39.92L);
    recalculate("", site, table);
    EXPECT_EQ(resultCells(table, 0), pointingTexts(5, site));
    EXPECT_EQ(resultCells(table, 1), pointingTexts(5, site));
    EXPECT_NE(pointingTexts(5, site), pointingTexts(50, site));
}

TEST(RecalculateAll, ReplacesEarlierResults) {
    TestSatelliteTable table = tableOfLongitudes({"105.5"});
    recalculate(u8"北京", siteAt(116.46L, 39.92L), table);
    ReceivingSite south = siteAt(-70.5L, -33.45L);
    recalculate("", south, table);
    EXPECT_EQ(resultCells(table, 0), pointingTexts(105.5L, south));
}

}  // namespace
