#include "fieldkit/horizon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/support/horizons.h"
#include "tests/support/sites.h"

namespace {

const long double NaN = std::numeric_limits<long double>::quiet_NaN();

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
