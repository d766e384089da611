#include "fieldkit/horizon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/sites.h"

namespace {

const long double NaN = std::numeric_limits<long double>::quiet_NaN();

Horizon sectorHorizon(std::vector<HorizonSector> sectors) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setSectors(std::move(sectors)));
    return horizon;
}

Horizon profileHorizon(std::vector<HorizonPoint> points) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setProfile(std::move(points)));
    return horizon;
}

std::string repeated(const std::string& line, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += line;
    return text;
}

TEST(Horizon, SectorEndsWrapAndNorth) {
    struct Case {
        long double from, to, azimuth;
        bool covered;
    };
    const Case cases[] = {
        {120, 150, 120, true},
        {120, 150, 150, true},
        {120, 150, 135, true},
        {120, 150, 119.99L, false},
        {120, 150, 150.01L, false},
        // Through north.
        {350, 10, 350, true},
        {350, 10, 0, true},
        {350, 10, 10, true},
        {350, 10, 359.99L, true},
        {350, 10, 10.01L, false},
        {350, 10, 349.99L, false},
        {350, 10, 180, false},
        // The other way round: all but the 20 degrees around north.
        {10, 350, 180, true},
        {10, 350, 10, true},
        {10, 350, 350, true},
        {10, 350, 0, false},
        {10, 350, 355, false},
        // One azimuth.
        {10, 10, 10, true},
        {10, 10, 10.0000001L, false},
        {10, 10, 9.9999999L, false},
        {0, 0, 0, true},
        {0, 0, 1, false},
        {360, 360, 0, true},
        {360, 360, 180, false},
        {360, 0, 0, true},
        {360, 0, 359, false},
        // 0 to 360 is the whole circle; 360 elsewhere is north.
        {0, 360, 0, true},
        {0, 360, 180, true},
        {0, 360, 359.999L, true},
        {10, 360, 0, true},
        {10, 360, 359, true},
        {10, 360, 5, false},
        {360, 10, 0, true},
        {360, 10, 10, true},
        {360, 10, 11, false},
        {360, 10, 359, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<double>(c.from) << " to " << static_cast<double>(c.to) << " at "
                     << static_cast<double>(c.azimuth));
        EXPECT_EQ(sectorCovers({c.from, c.to, 5}, c.azimuth), c.covered);
    }
}

TEST(Horizon, HighestSectorAndProfileCount) {
    Horizon horizon =
        sectorHorizon({{100, 200, 10}, {150, 250, 20}, {350, 10, 30}, {180, 180, 45}});
    struct Case {
        long double azimuth, elevation;
    };
    const Case cases[] = {
        {120, 10}, {150, 20}, {179.9L, 20}, {180, 45}, {200, 20}, {250, 20},  {250.01L, 0},
        {300, 0},  {0, 30},   {360, 30},    {-5, 30},  {725, 30}, {-350, 30}, {11, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.azimuth));
        EXPECT_EQ(horizon.elevationAt(c.azimuth), c.elevation);
    }
    EXPECT_EQ(horizon.elevationAt(NaN), 90);
    EXPECT_EQ(horizon.elevationAt(std::numeric_limits<long double>::infinity()), 90);
    EXPECT_EQ(Horizon().elevationAt(123), 0);

    // A profile of 25 degrees all round rises above the low sectors only.
    ASSERT_TRUE(horizon.setProfile({{0, 25}}));
    EXPECT_EQ(horizon.elevationAt(120), 25);
    EXPECT_EQ(horizon.elevationAt(0), 30);
    EXPECT_EQ(horizon.elevationAt(180), 45);
}

TEST(Horizon, ProfileJoinsPointsThroughNorth) {
    struct Case {
        std::vector<HorizonPoint> points;  // in the order given
        long double azimuth, elevation;
    };
    const std::vector<HorizonPoint> three = {{270, 0}, {90, 10}, {180, 30}};
    const std::vector<HorizonPoint> wall = {{80, 0}, {90, 0}, {90, 20}, {100, 20}};
    const std::vector<HorizonPoint> reversedWall = {{80, 0}, {90, 20}, {90, 0}, {100, 20}};
    const std::vector<HorizonPoint> bothNorths = {{360, 30}, {180, 0}, {0, 10}};
    const Case cases[] = {
        {three, 90, 10},
        {three, 135, 20},
        {three, 225, 15},
        {three, 270, 0},
        // From 270 round to 90 + 360: 180 degrees from 0 to 10.
        {three, 315, 2.5L},
        {three, 0, 5},
        {three, 45, 7.5L},
        {three, 360, 5},
        {{{123, 7}}, 0, 7},
        {{{123, 7}}, 123, 7},
        {{{123, 7}}, 300, 7},
        // Two points at one azimuth: arrive at the first, leave from the last.
        {wall, 85, 0},
        {wall, 90, 20},
        {wall, 95, 20},
        {reversedWall, 85, 10},
        {reversedWall, 90, 20},
        {reversedWall, 95, 10},
        // A point at 360 ends the line from the last one, a point at 0 starts the next.
        {bothNorths, 0, 30},
        {bothNorths, 270, 15},
        {bothNorths, 90, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.azimuth));
        EXPECT_NEAR(static_cast<double>(profileHorizon(c.points).elevationAt(c.azimuth)),
                    static_cast<double>(c.elevation), 1e-15);
    }
    const Horizon sorted = profileHorizon(three);
    ASSERT_EQ(sorted.profile().size(), 3u);
    EXPECT_EQ(sorted.profile()[0].azimuth, 90);
    EXPECT_EQ(sorted.profile()[2].azimuth, 270);

    // Many points, given from west to east, two at each azimuth: sorted, and
    // the two at each azimuth in the order given.
    std::vector<HorizonPoint> many;
    for (int k = 35; k >= 0; --k) {
        many.push_back({k * 10.0L, 1});
        many.push_back({k * 10.0L, 2});
    }
    const Horizon pairs = profileHorizon(many);
    for (std::size_t k = 0; k < many.size(); ++k) {
        EXPECT_EQ(pairs.profile()[k].azimuth, k / 2 * 10.0L);
        EXPECT_EQ(pairs.profile()[k].elevation, k % 2 + 1);
    }
}

TEST(Horizon, RefusesValuesOutOfRangeAndBeyondCapacity) {
    const HorizonSector bad[] = {{-0.01L, 10, 5}, {10, 360.01L, 5}, {10, 20, 90.01L},
                                 {10, 20, -1},    {NaN, 20, 5},     {10, 20, NaN}};
    Horizon horizon = sectorHorizon({{10, 20, 5}});
    for (const HorizonSector& sector : bad) {
        EXPECT_FALSE(isValidSector(sector));
        EXPECT_FALSE(horizon.setSectors({sector}));
    }
    EXPECT_TRUE(isValidSector({0, 360, 90}));
    EXPECT_FALSE(isValidPoint({360.01L, 5}));
    EXPECT_FALSE(isValidPoint({5, 90.01L}));
    EXPECT_TRUE(isValidPoint({360, 0}));

    EXPECT_TRUE(horizon.setSectors(std::vector<HorizonSector>(64, {1, 2, 3})));
    EXPECT_FALSE(horizon.setSectors(std::vector<HorizonSector>(65, {4, 5, 6})));
    EXPECT_EQ(horizon.sectors().size(), 64u);
    EXPECT_TRUE(horizon.setProfile(std::vector<HorizonPoint>(720, {1, 2})));
    EXPECT_FALSE(horizon.setProfile(std::vector<HorizonPoint>(721, {1, 2})));
    EXPECT_EQ(horizon.profile().size(), 720u);
}

TEST(HorizonFile, ReadsBothForms) {
    Horizon horizon;
    HorizonFileError error;
    const std::string sectors =
        "\xEF\xBB\xBF# the neighbour's roof, then the tree\r\n"
        "\r\n"
        "120,150,12.5\r\n"
        "  350 \t10  5   # through north\r\n"
        "200 , 210 ,.5e1\r\n"
        "10,10,+7";
    ASSERT_TRUE(readHorizonFile(sectors, horizon, error)) << horizonFileMessage(error);
    ASSERT_EQ(horizon.sectors().size(), 4u);
    EXPECT_TRUE(horizon.profile().empty());
    const HorizonSector expected[] = {{120, 150, 12.5L}, {350, 10, 5}, {200, 210, 5}, {10, 10, 7}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(horizon.sectors()[k].from, expected[k].from);
        EXPECT_EQ(horizon.sectors()[k].to, expected[k].to);
        EXPECT_EQ(horizon.sectors()[k].elevation, expected[k].elevation);
    }

    ASSERT_TRUE(readHorizonFile("270 0\n90,10\n180\t-0\n", horizon, error));
    EXPECT_TRUE(horizon.sectors().empty());
    ASSERT_EQ(horizon.profile().size(), 3u);
    EXPECT_EQ(horizon.profile()[0].azimuth, 90);
    EXPECT_FALSE(std::signbit(horizon.profile()[1].elevation));  // -0 reads as 0
    EXPECT_EQ(horizon.elevationAt(135), 5);

    for (const char* clear : {"", "# nothing here\n\n   \n", "\xEF\xBB\xBF"}) {
        EXPECT_TRUE(readHorizonFile(clear, horizon, error));
        EXPECT_TRUE(horizon.empty());
    }
}

TEST(HorizonFile, RefusesTheFirstBadLine) {
    using P = HorizonFileProblem;
    using F = HorizonField;
    struct Case {
        std::string text;
        P problem;
        std::size_t line;
        F field;
        const char* message;
    };
    const Case cases[] = {
        {"7,8,9\n1,2,abc\n", P::NotANumber, 2, F::Elevation,
         "line 2: elevation \"abc\" is not a number"},
        {"abc 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"abc\" is not a number"},
        {"#\n\n120,150\n", P::OutOfRange, 3, F::Elevation,
         "line 3: elevation \"150\" is not within 0 to 90"},
        {"361,10,5", P::OutOfRange, 1, F::From,
         "line 1: from azimuth \"361\" is not within 0 to 360"},
        {"10,-1,5", P::OutOfRange, 1, F::To, "line 1: to azimuth \"-1\" is not within 0 to 360"},
        {"10,20,90.01", P::OutOfRange, 1, F::Elevation,
         "line 1: elevation \"90.01\" is not within 0 to 90"},
        {"10,,20", P::NotANumber, 1, F::To, "line 1: to azimuth \"\" is not a number"},
        {"1", P::WrongCount, 1, F::None,
         "line 1: 1 number, where an obstacle has 3 and a profile point 2"},
        {"1 2 3 4", P::WrongCount, 1, F::None,
         "line 1: 4 numbers, where an obstacle has 3 and a profile point 2"},
        {"1,2,3,", P::WrongCount, 1, F::None,
         "line 1: 4 numbers, where an obstacle has 3 and a profile point 2"},
        {"120,150,10\n200,5\n", P::PointAmongSectors, 2, F::None,
         "line 2: a profile point (2 numbers) in a file of obstacles (3 numbers each)"},
        {"200,5\r\n120,150,10\r\n", P::SectorAmongPoints, 2, F::None,
         "line 2: an obstacle (3 numbers) in a file of profile points (2 numbers each)"},
        {"\xEF\xBB\xBF# h\r\n\r\n10 20 5\r\n10 20 x\r\n", P::NotANumber, 4, F::Elevation,
         "line 4: elevation \"x\" is not a number"},
        {"12abc 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"12abc\" is not a number"},
        {"1e1-3 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1e1-3\" is not a number"},
        {"e5 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"e5\" is not a number"},
        {"1E1 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1E1\" is not a number"},
        {"5 1e", P::NotANumber, 1, F::Elevation, "line 1: elevation \"1e\" is not a number"},
        {"5 1e5000", P::NotANumber, 1, F::Elevation,
         "line 1: elevation \"1e5000\" is not a number"},
        {"1e0.5 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"1e0.5\" is not a number"},
        {". 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \".\" is not a number"},
        {"30\xE5\xBA\xA6 5", P::NotANumber, 1, F::Azimuth,
         "line 1: azimuth \"30\\xE5\\xBA\\xA6\" is not a number"},
        {std::string("1\0 5", 4), P::NotANumber, 1, F::Azimuth,
         "line 1: azimuth \"1\\x00\" is not a number"},
        {"10\r20 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"10\\x0D20\" is not a number"},
        {"\"\\ 5", P::NotANumber, 1, F::Azimuth, "line 1: azimuth \"\\x22\\x5C\" is not a number"},
        {std::string(30, '9') + " 5", P::OutOfRange, 1, F::Azimuth,
         "line 1: azimuth \"999999999999999999999999...\" is not within 0 to 360"},
        {"# h\n" + repeated("1,2,3\n", 64) + "1,2,3\n", P::TooManySectors, 66, F::None,
         "line 66: more than 64 obstacles"},
        {repeated("1 2\n", 721), P::TooManyPoints, 721, F::None,
         "line 721: more than 720 profile points"},
        {std::string(65537, '\n'), P::TooLarge, 0, F::None, "the file is larger than 65536 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Horizon horizon = sectorHorizon({{1, 2, 3}});
        HorizonFileError error;
        EXPECT_FALSE(readHorizonFile(c.text, horizon, error));
        EXPECT_EQ(error.problem, c.problem);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.field, c.field);
        EXPECT_EQ(horizonFileMessage(error), c.message);
        EXPECT_EQ(horizon.sectors().size(), 1u);  // kept as it was
    }
}

TEST(HorizonFile, CapacityBoundaries) {
    Horizon horizon;
    HorizonFileError error;
    EXPECT_TRUE(readHorizonFile(repeated("1,2,3\n", 64), horizon, error));
    EXPECT_EQ(horizon.sectors().size(), 64u);
    EXPECT_TRUE(readHorizonFile(repeated("1 2\n", 720), horizon, error));
    EXPECT_EQ(horizon.profile().size(), 720u);
    std::string largest = "10 20\n";
    largest += std::string(HorizonFileLimit - largest.size(), '\n');
    EXPECT_TRUE(readHorizonFile(largest, horizon, error));
    EXPECT_EQ(horizon.profile().size(), 1u);
}

TEST(HorizonSetting, WritesAndReadsBack) {
    struct Case {
        HorizonSetting setting;
        const char* text;
    };
    const Case cases[] = {
        {{false, {}}, "T"},
        {{true, {{120, 150, 12.5L}, {350, 10, 0}}}, "M;120.00,150.00,12.50;350.00,10.00,0"},
        // Two decimals: the nearest hundredth.
        {{false, {{0.004L, 359.996L, 45.125L}}}, "T;0,360.00,45.13"},
        {{false, {{0, 360, 90}, {0.01L, 0.05L, 0.09L}}}, "T;0,360.00,90.00;0.01,0.05,0.09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char text[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(c.setting, text));
        EXPECT_STREQ(text, c.text);
        HorizonSetting read;
        ASSERT_TRUE(parseHorizonSetting(text, read));
        EXPECT_EQ(read.compassBearings, c.setting.compassBearings);
        ASSERT_EQ(read.sectors.size(), c.setting.sectors.size());
        for (std::size_t k = 0; k < read.sectors.size(); ++k) {
            const HorizonSector& a = read.sectors[k];
            const HorizonSector& b = c.setting.sectors[k];
            EXPECT_NEAR(static_cast<double>(a.from), static_cast<double>(b.from), 0.00501);
            EXPECT_NEAR(static_cast<double>(a.to), static_cast<double>(b.to), 0.00501);
            EXPECT_NEAR(static_cast<double>(a.elevation), static_cast<double>(b.elevation),
                        0.00501);
        }
        char again[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(read, again));
        EXPECT_STREQ(again, text);
    }
}

// Every hundredth from 0 to 360 takes at most six bytes and reads back to
// itself, so the capacity below holds the longest setting.
TEST(HorizonSetting, EveryHundredthReadsBack) {
    HorizonSetting setting;
    for (int k = 0; k <= 36000; ++k) {
        setting.sectors = {{k / 100.0L, 0, 0}};
        char text[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(setting, text));
        ASSERT_LE(std::strlen(text), std::strlen("T;360.00,0,0")) << text;
        HorizonSetting read;
        ASSERT_TRUE(parseHorizonSetting(text, read)) << text;
        ASSERT_EQ(read.sectors[0].from, k / 100.0L) << text;
    }
}

TEST(HorizonSetting, Capacity) {
    HorizonSetting setting{true, std::vector<HorizonSector>(64, {360, 360, 90})};
    char text[HorizonSettingCapacity];
    ASSERT_TRUE(formatHorizonSetting(setting, text));
    EXPECT_EQ(std::strlen(text), HorizonSettingCapacity - 1);
    HorizonSetting read;
    EXPECT_TRUE(parseHorizonSetting(text, read));
    EXPECT_EQ(read.sectors.size(), 64u);

    setting.sectors.push_back({1, 2, 3});
    EXPECT_FALSE(formatHorizonSetting(setting, text));
    EXPECT_STREQ(text, "");
    setting.sectors = {{1, 2, 91}};
    EXPECT_FALSE(formatHorizonSetting(setting, text));
    // 65 short sectors fit in the bytes but not in the count.
    EXPECT_FALSE(parseHorizonSetting(("T" + repeated(";1,2,3", 65)).c_str(), read));
    EXPECT_TRUE(parseHorizonSetting(("T" + repeated(";1,2,3", 64)).c_str(), read));
    // A text of capacity bytes without its NUL within them.
    const std::string full(HorizonSettingCapacity, 'T');
    EXPECT_FALSE(parseHorizonSetting(full.c_str(), read));
}

TEST(HorizonSetting, RefusesWhatItCannotRead) {
    const char* refused[] = {
        "",         "X",        "t",       "TM",       "T;",          "T;1,2",    "T;1,2,3,4",
        "T;1,2,3;", "T;;1,2,3", "T 1,2,3", "T;1, 2,3", "T;361,2,3",   "T;1,2,91", "T;a,2,3",
        "T;1,2,3x", "T;1,2,-1", "T;1,,3",  " T",       "M;1e1-3,2,3", "T;1,2,3 ",
    };
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        HorizonSetting setting{true, {{7, 8, 9}}};
        EXPECT_FALSE(parseHorizonSetting(text, setting));
        EXPECT_TRUE(setting.compassBearings);  // left as it was
        EXPECT_EQ(setting.sectors.size(), 1u);
    }
    HorizonSetting setting;
    ASSERT_TRUE(parseHorizonSetting("T;1.5,2e1,0.004", setting));
    EXPECT_EQ(setting.sectors[0].to, 20);
    EXPECT_EQ(setting.sectors[0].elevation, 0);
}

TEST(HorizonSetting, CompassBearingsToTrueAzimuths) {
    struct Case {
        long double bearing, declination, azimuth;
    };
    const Case cases[] = {
        {350, 15, 5}, {10, -15, 355}, {0, 0, 0}, {360, 0, 0}, {180, -7.5L, 172.5L}, {345, 15, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trueFromCompass(c.bearing, c.declination), c.azimuth);
    }

    const HorizonSetting compass{true, {{350, 355, 20}, {0, 360, 5}, {90, 90, 30}}};
    const std::vector<HorizonSector> sectors = trueSectors(compass, 5);
    const Horizon horizon = sectorHorizon(sectors);
    EXPECT_EQ(sectors[0].from, 355);
    EXPECT_EQ(sectors[0].to, 0);
    EXPECT_EQ(horizon.elevationAt(0), 20);
    EXPECT_EQ(horizon.elevationAt(1), 5);  // the whole circle stays whole
    EXPECT_EQ(horizon.elevationAt(95), 30);
    EXPECT_EQ(horizon.elevationAt(90), 5);

    const HorizonSetting asTyped{false, compass.sectors};
    EXPECT_EQ(trueSectors(asTyped, 5)[0].from, 350);
}

TEST(HorizonClearance, SatelliteAgainstTheHorizon) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    // 105.5 E: true azimuth 196.79, elevation 42.45.
    const SatelliteFieldNumbers numbers = computeFieldNumbers(105.5L, beijing, 0);
    HorizonClearance low = satelliteClearance(sectorHorizon({{190, 200, 30}}), numbers);
    EXPECT_EQ(low.horizonElevation, 30);
    EXPECT_EQ(low.clearance, numbers.elevation - 30);
    EXPECT_TRUE(low.clear);
    HorizonClearance high = satelliteClearance(sectorHorizon({{190, 200, 50}}), numbers);
    EXPECT_LT(high.clearance, 0);
    EXPECT_FALSE(high.clear);
    EXPECT_TRUE(satelliteClearance(sectorHorizon({{200, 190, 50}}), numbers).clear);

    // On the horizon's edge is not clear.
    const HorizonClearance edge = clearanceAt(sectorHorizon({{180, 180, 30}}), 180, 30);
    EXPECT_EQ(edge.clearance, 0);
    EXPECT_FALSE(edge.clear);

    // With nothing in the way, clear is visible.
    for (long double longitude : {105.5L, -60.0L, 57.0L}) {
        const SatelliteFieldNumbers n = computeFieldNumbers(longitude, beijing, 0);
        EXPECT_EQ(satelliteClearance(Horizon(), n).clear, n.visible);
    }
}

}  // namespace
