#include "fieldkit/obstacle_sites.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "fieldkit/compass_bearings.h"
#include "fieldkit/site_obstacles.h"
#include "tests/support/repeated_text.h"
#include "tests/support/sites.h"

namespace {

SiteObstacles setAt(const char* utf8Name, long double longitude, long double latitude,
                    HorizonSetting setting) {
    SiteObstacles set;
    set.site = siteAt(longitude, latitude);
    const std::string name = cp936FromUtf8(utf8Name);
    std::memcpy(set.site.name, name.c_str(), name.size() + 1);
    set.setting = std::move(setting);
    return set;
}

std::string stored(const std::vector<SiteObstacles>& sites) {
    char text[ObstacleSitesCapacity];
    EXPECT_TRUE(formatObstacleSites(sites, text));
    return text;
}

// Beijing's balcony and a customer's roof in Urumqi.
const std::vector<SiteObstacles> TwoSites = {
    setAt("北京", 116.46L, 39.92L, {false, {{200, 280, 40}}}),
    setAt("乌鲁木齐", 87.62L, 43.83L, {true, {{90, 120, 10}, {350, 10, 5}}}),
};

TEST(ObstacleSites, ASetAppliesOnlyAtItsSiteToHundredths) {
    const std::string value = stored(TwoSites);
    struct Case {
        long double longitude, latitude;
        std::size_t sectors;  // of the horizon in force there
    };
    const Case cases[] = {
        {116.46L, 39.92L, 1},   {116.464L, 39.916L, 1},  // the same to hundredths
        {116.47L, 39.92L, 0},   {116.46L, 39.93L, 0},    // a hundredth away
        {116.4651L, 39.92L, 0},                          // rounds to 116.47
        {87.62L, 43.83L, 2},    {87.62L, 39.92L, 0},     // Urumqi's roof, not at Beijing's latitude
        {-116.46L, 39.92L, 0},  {0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.longitude));
        const Horizon horizon =
            obstaclesAtSite(value.c_str(), siteAt(c.longitude, c.latitude), 2026);
        EXPECT_EQ(horizon.sectors().size(), c.sectors);
    }
    // Compass bearings turn with the declination of the set's own site:
    // about 3.8 degrees east at Urumqi, where Beijing's is 7.6 west.
    const Horizon urumqi = obstaclesAtSite(value.c_str(), siteAt(87.62L, 43.83L), 2026);
    const long double declination = siteDeclination(siteAt(87.62L, 43.83L), 2026);
    EXPECT_GT(declination, 2);
    EXPECT_EQ(urumqi.sectors()[0].from, trueFromCompass(90, declination));
}

TEST(ObstacleSites, WrittenAndReadBack) {
    // Names of any bytes: 丼 ends in "S", 丂 in "@"; an empty name.
    const std::vector<SiteObstacles> sites = {
        TwoSites[0],
        TwoSites[1],
        setAt("丼丂:S", -0.5L, -33.87L, {false, {}}),
        setAt("", 180, 90, {true, {{0, 360, 2}}}),
    };
    const std::string value = stored(sites);
    EXPECT_EQ(value.substr(0, 41), cp936FromUtf8("S116.46,39.92,4:北京T;200.00,280.00,40.00"));
    std::vector<SiteObstacles> read;
    ASSERT_TRUE(parseObstacleSites(value.c_str(), read));
    ASSERT_EQ(read.size(), sites.size());
    EXPECT_STREQ(read[2].site.name, sites[2].site.name);
    EXPECT_EQ(stored(read), value);
}

TEST(ObstacleSites, RefusesWhatItCannotRead) {
    const char* const unreadable[] = {
        "M;1,2,3",                                // the older form: upgradeObstacleValue's
        "S116.46,39.92,4:",                       // the name runs past the end
        "S116.46,39.92,x:abcdT",                  // no length
        "S116.46,39.92,19:abcdefghijklmnopqrsT",  // longer than a site name
        "S181,39.92,0:T",
        "S116.46,-90.01,0:T",                  // coordinates out of range
        "S116.46,39.92,0:X",                   // no set
        "S116.46,39.92,0:TS116.46,39.92,0:M",  // one site twice
        "S116.46;39.92,0:T",
        "X",
    };
    for (const char* text : unreadable) {
        SCOPED_TRACE(text);
        std::vector<SiteObstacles> sites = TwoSites;
        EXPECT_FALSE(parseObstacleSites(text, sites));
        EXPECT_EQ(sites.size(), 2u);
        // Unreadable: no obstacles anywhere, and the first start's set in the dialog.
        EXPECT_TRUE(obstaclesAtSite(text, siteAt(116.46L, 39.92L), 2026).empty());
    }
    std::vector<SiteObstacles> none = TwoSites;
    EXPECT_TRUE(parseObstacleSites("", none));
    EXPECT_TRUE(none.empty());
}

TEST(ObstacleSites, TheOlderFormBecomesTheSetOfTheSavedSite) {
    ReceivingSite saved = siteAt(116.46L, 39.92L);
    std::strcpy(saved.name, cp936FromUtf8("北京").c_str());
    struct Case {
        const char* before;
        bool upgraded;
        std::string after;  // UTF-8
    };
    const Case cases[] = {
        {"M;120.00,150.00,12.50", true, "S116.46,39.92,4:北京M;120.00,150.00,12.50"},
        {"T;350,10,20", true, "S116.46,39.92,4:北京T;350.00,10.00,20.00"},
        {"T", true, "S116.46,39.92,4:北京T"},
        // Anything else stays as it is.
        {"", false, ""},
        {"M;1,2", false, "M;1,2"},
        {"S87.62,43.83,0:T", false, "S87.62,43.83,0:T"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        char text[ObstacleSitesCapacity] = {};
        std::strcpy(text, c.before);
        EXPECT_EQ(upgradeObstacleValue(text, saved), c.upgraded);
        EXPECT_EQ(utf8FromCp936(text), c.after);
    }
    // The full older value fits beside the site.
    const std::string full = "M" + repeated(";360.00,360.00,90.00", 64);
    char text[ObstacleSitesCapacity] = {};
    std::strcpy(text, full.c_str());
    ASSERT_TRUE(upgradeObstacleValue(text, saved));
    std::vector<SiteObstacles> sites;
    ASSERT_TRUE(parseObstacleSites(text, sites));
    EXPECT_EQ(sites[0].setting.sectors.size(), HorizonSectorCapacity);
}

TEST(ObstacleSites, KeepingASetReplacesAddsOrDrops) {
    struct Case {
        SiteObstacles edited;
        std::vector<std::size_t> sectorsPerSite;
    };
    const Case cases[] = {
        {setAt("北京市", 116.464L, 39.92L, {false, {{1, 2, 3}, {4, 5, 6}}}),
         {2, 2}},                                                  // replaced in place
        {setAt("上海", 121.47L, 31.23L, {false, {}}), {1, 2, 0}},  // added, kept in true azimuths
        {setAt("上海", 121.47L, 31.23L, {true, {}}), {1, 2}},  // the first start's: nothing kept
        {setAt("北京", 116.46L, 39.92L, {true, {}}), {2}},     // emptied: dropped
    };
    for (const Case& c : cases) {
        std::vector<SiteObstacles> sites = TwoSites;
        keepSiteObstacles(sites, c.edited);
        std::vector<std::size_t> counts;
        for (const SiteObstacles& set : sites) counts.push_back(set.setting.sectors.size());
        EXPECT_EQ(counts, c.sectorsPerSite);
    }
}

TEST(ObstacleSites, RoomKeepsEverySetWithinTheStoredValue) {
    // Full sets of the longest numbers at sites one degree apart, until the
    // value has room for fewer than a full set more.
    const HorizonSetting full{true, std::vector<HorizonSector>(64, {360, 360, 90})};
    std::vector<SiteObstacles> sites;
    for (int k = 0; obstacleRoomFor(sites, setAt("长名字的客户家屋顶", -170 + k, -80, full)) ==
                    HorizonSectorCapacity;
         ++k) {
        sites.push_back(setAt("长名字的客户家屋顶", -170 + k, -80, full));
    }
    EXPECT_GE(sites.size(), 5u);
    SiteObstacles next = setAt("长名字的客户家屋顶", 170.25L, -80.5L, {true, {}});
    const std::size_t room = obstacleRoomFor(sites, next);
    ASSERT_LT(room, HorizonSectorCapacity);
    char text[ObstacleSitesCapacity];
    next.setting.sectors.assign(room, {360, 360, 90});
    sites.push_back(next);
    EXPECT_TRUE(formatObstacleSites(sites, text));
    EXPECT_LT(std::strlen(text), ObstacleSitesCapacity);
    // A site's own set does not count against itself.
    EXPECT_EQ(obstacleRoomFor(sites, sites.front()), HorizonSectorCapacity);
    EXPECT_EQ(obstacleRoomFor(sites, sites.back()), room);
    sites.back().setting.sectors.push_back({360, 360, 90});
    EXPECT_FALSE(formatObstacleSites(sites, text));
    EXPECT_STREQ(text, "");
}

}  // namespace
