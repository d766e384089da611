#include "fieldkit/site_obstacles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "fieldkit/line_of_sight_text.h"
#include "tests/support/sites.h"

namespace {

TEST(ObstacleEntry, ReadsThreeNumbersWithinTheirRanges) {
    struct Case {
        const char* from;
        const char* to;
        const char* elevation;
        bool accepted;
        HorizonSector sector;
    };
    const Case cases[] = {
        {"202.5", "270", "35", true, {202.5L, 270, 35}},
        {"350", "10", "20", true, {350, 10, 20}},  // through north
        {"0", "360", "5", true, {0, 360, 5}},      // the whole circle
        {" 12 ", "1e2", "+7", true, {12, 100, 7}},
        {"12.345", "20.004", "0", true, {12.35L, 20, 0}},  // hundredths, as stored
        {"359.999", "0", "90", true, {360, 0, 90}},
        {"", "10", "5", false, {}},
        {"10", "", "5", false, {}},
        {"10", "20", "", false, {}},
        {".", "20", "5", false, {}},
        {"abc", "20", "5", false, {}},
        {"12abc", "20", "5", false, {}},
        {"1e", "20", "5", false, {}},
        {"-1", "20", "5", false, {}},
        {"10", "360.01", "5", false, {}},
        {"10", "20", "90.01", false, {}},
        {"10", "20", "-0.5", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + "|" + c.to + "|" + c.elevation);
        HorizonSector sector{1, 2, 3};
        EXPECT_EQ(readObstacleEntry(c.from, c.to, c.elevation, sector), c.accepted);
        const HorizonSector expected = c.accepted ? c.sector : HorizonSector{1, 2, 3};
        EXPECT_EQ(sector.from, expected.from);
        EXPECT_EQ(sector.to, expected.to);
        EXPECT_EQ(sector.elevation, expected.elevation);
    }
}

TEST(ObstacleEntry, CellsShowTwoDecimals) {
    const ObstacleCells cells = obstacleCells({202.5L, 0, 35});
    EXPECT_STREQ(cells.from, "202.50");
    EXPECT_STREQ(cells.to, "0");
    EXPECT_STREQ(cells.elevation, "35.00");
    EXPECT_STREQ(cells.width, "157.50");
}

TEST(ObstacleEntry, AWideSectorIsQuestionedWithItsOwnNumbers) {
    struct Case {
        HorizonSector sector;
        const char* width;
        const char* question;  // UTF-8; none for a sector taken without one
    };
    const Case cases[] = {
        {{210, 150, 20}, "300.00", u8"从 210 度顺时针到 150 度的遮挡物宽 300 度，确实要增加吗？"},
        {{150, 210, 20}, "60.00", nullptr},
        {{10, 190, 5}, "180.00", nullptr},  // half the circle is not more
        {{10, 190.01L, 5},
         "180.01",
         u8"从 10 度顺时针到 190.01 度的遮挡物宽 180.01 度，确实要增加吗？"},
        {{190.1L, 10, 5}, "179.90", nullptr},  // through north
        {{350, 10, 5}, "20.00", nullptr},
        {{10, 350, 5}, "340.00", u8"从 10 度顺时针到 350 度的遮挡物宽 340 度，确实要增加吗？"},
        {{0, 360, 5}, "360.00", u8"从 0 度顺时针到 360 度的遮挡物宽 360 度，确实要增加吗？"},
        {{202.5L, 22.25L, 5}, "179.75", nullptr},
        {{22.25L, 202.5L, 5},
         "180.25",
         u8"从 22.25 度顺时针到 202.5 度的遮挡物宽 180.25 度，确实要增加吗？"},
        {{360, 0, 5}, "0", nullptr},  // north alone
        {{90, 90, 5}, "0", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_STREQ(obstacleCells(c.sector).width, c.width);
        EXPECT_EQ(isWideObstacle(c.sector), c.question != nullptr);
        if (c.question == nullptr) continue;
        char question[WideObstacleQuestionCapacity];
        buildWideObstacleQuestion(c.sector, question);
        EXPECT_EQ(utf8FromCp936(question), c.question);
    }
}

TEST(SiteObstacles, TheDialogNamesItsSite) {
    ReceivingSite site = siteAt(116.46L, 39.92L);
    std::strcpy(site.name, cp936FromUtf8("北京").c_str());
    char label[ObstacleSiteLabelCapacity];
    buildObstacleSiteLabel(site, label);
    EXPECT_EQ(utf8FromCp936(label), u8"地点：北京  经度：东经116.46度  纬度：北纬39.92度");
    // The longest name and coordinates fit.
    site = siteAt(-179.99L, -89.99L);
    std::strcpy(site.name, cp936FromUtf8("长名字的客户家屋顶").c_str());
    buildObstacleSiteLabel(site, label);
    EXPECT_EQ(utf8FromCp936(label),
              u8"地点：长名字的客户家屋顶  经度：西经179.99度  纬度：南纬89.99度");
}

TEST(SiteObstacles, AStoredTextThatIsNoSettingGivesTheFirstStart) {
    const char* const unreadable[] = {"",          "X;1,2,3",  "M;1,2",
                                      "M;400,2,3", "T;1,2,3;", "S1,2,0:T;1,2,3;"};
    for (const char* text : unreadable) {
        SCOPED_TRACE(text);
        std::vector<SiteObstacles> sites;
        parseObstacleSites(text, sites);
        const HorizonSetting setting = obstaclesForSite(sites, siteAt(1, 2)).setting;
        EXPECT_TRUE(setting.compassBearings);
        EXPECT_TRUE(setting.sectors.empty());
    }
    std::vector<SiteObstacles> sites;
    ASSERT_TRUE(parseObstacleSites("S1.00,2.00,0:T;350.00,10.00,20.00", sites));
    const HorizonSetting read = obstaclesForSite(sites, siteAt(1, 2)).setting;
    EXPECT_FALSE(read.compassBearings);
    ASSERT_EQ(read.sectors.size(), 1u);
    EXPECT_EQ(read.sectors[0].from, 350);
}

TEST(SiteObstacles, CompassBearingsTurnWithTheDeclinationAtTheSite) {
    // Beijing: about 7.6 degrees west in 2026, so a compass bearing of 210
    // is about 202.4 true; true azimuths stay as typed.
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    HorizonSetting setting;
    setting.sectors = {{210, 280, 35}};
    setting.compassBearings = false;
    const Horizon asTyped = obstacleHorizon(setting, beijing, 2026.0);
    EXPECT_EQ(asTyped.sectors()[0].from, 210);
    setting.compassBearings = true;
    const Horizon turned = obstacleHorizon(setting, beijing, 2026.0);
    ASSERT_EQ(turned.sectors().size(), 1u);
    EXPECT_NEAR(static_cast<double>(turned.sectors()[0].from), 202.45, 0.1);
    EXPECT_NEAR(static_cast<double>(turned.sectors()[0].to), 272.45, 0.1);
    EXPECT_EQ(turned.sectors()[0].elevation, 35);
}

TEST(SiteObstacles, HiddenMeansAboveTheHorizonButBelowAnObstacle) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    Horizon wall;
    ASSERT_TRUE(wall.setSectors({{202.5L, 270, 35}}));
    struct Case {
        long double longitude;
        bool hidden;
    };
    // 57 east: low in the west-south-west, behind the wall; 105.5 east:
    // south-south-west, beside it; 180: below the horizon, not the wall's doing.
    const Case cases[] = {{57, true}, {105.5L, false}, {200, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.longitude));
        EXPECT_EQ(hiddenByObstacles(wall, c.longitude, beijing), c.hidden);
        EXPECT_FALSE(hiddenByObstacles(Horizon(), c.longitude, beijing));
    }
}

TEST(LineOfSightText, SaysClearHiddenBelowTheHorizonOrNoObstacle) {
    struct Case {
        bool visible;
        HorizonClearance clearance;
        bool anyObstacle;
        const char* text;
    };
    const Case cases[] = {
        {true, {30.15L, 12.3L, true}, true, u8"视线：通畅（高出遮挡12.30度）"},
        {true, {35, -20.47L, false}, true, u8"视线：被遮挡（遮挡物高35.00度）"},
        {true, {0, 42.45L, true}, true, u8"视线：通畅（高出遮挡42.45度）"},
        {false, {0, -5, false}, true, u8"视线：被遮挡（卫星在地平线以下）"},
        {false, {20, -25, false}, true, u8"视线：被遮挡（卫星在地平线以下）"},
        {true, {0, 43.81L, true}, false, u8"视线：无遮挡物"},
        // No obstacle does not lift a satellite over the horizon.
        {false, {0, -5, false}, false, u8"视线：被遮挡（卫星在地平线以下）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SatelliteFieldNumbers numbers;
        numbers.visible = c.visible;
        char text[LineOfSightTextCapacity];
        buildLineOfSightText(numbers, c.clearance, c.anyObstacle, text);
        EXPECT_EQ(utf8FromCp936(text), c.text);
    }
}

}  // namespace
