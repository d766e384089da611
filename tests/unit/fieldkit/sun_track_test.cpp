#include "fieldkit/sun_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fieldkit/solar_position.h"
#include "tests/support/sites.h"

namespace {

constexpr double Rad = 3.14159265358979323846 / 180;

// The sun over Beijing on 2027-03-05: up from about 06:40 to 18:10, highest
// (90 - 39.92 - 6.1 = 44 degrees) due south at apparent noon, 12:26 Beijing
// time; at the outage's peak, 13:15, it stands on the satellite.
TEST(SunTrack, BeijingOnAnOutageDay) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    const std::vector<SunTrackPoint> track = sunTrack(beijing, 0, {2027, 3, 5}, 480, 10);
    ASSERT_FALSE(track.empty());
    EXPECT_NEAR(track.size(), 69, 2);
    EXPECT_NEAR(track.front().secondOfDay, 6 * 3600 + 40 * 60, 900);
    EXPECT_NEAR(track.back().secondOfDay, 18 * 3600 + 10 * 60, 900);
    const SunTrackPoint* highest = &track.front();
    for (std::size_t i = 0; i < track.size(); ++i) {
        EXPECT_GT(track[i].elevation, 0);
        EXPECT_EQ(track[i].secondOfDay % 600, 0);
        if (i > 0) {
            EXPECT_EQ(track[i].secondOfDay - track[i - 1].secondOfDay, 600);
        }
        if (track[i].elevation > highest->elevation) highest = &track[i];
    }
    EXPECT_NEAR(static_cast<double>(highest->elevation), 44.0, 0.3);
    EXPECT_NEAR(highest->secondOfDay, 12 * 3600 + 26 * 60, 300);
    EXPECT_NEAR(static_cast<double>(highest->azimuth), 180, 2);

    const GeodeticSite site{116.46L, 39.92L, 0};
    const Vector3 from = siteEarthFixed(site);
    const Vector3 to = geostationaryEarthFixed(105.5L);
    const HorizontalDirection satellite =
        horizontalDirection(site, {to.x - from.x, to.y - from.y, to.z - from.z});
    const std::vector<SunTrackPoint> minutes = sunTrack(beijing, 0, {2027, 3, 5}, 480, 1);
    for (const SunTrackPoint& p : minutes) {
        if (p.secondOfDay != 13 * 3600 + 15 * 60) continue;
        const double a = static_cast<double>(p.azimuth - satellite.azimuth) * Rad;
        const double e1 = static_cast<double>(p.elevation) * Rad;
        const double e2 = static_cast<double>(satellite.elevation) * Rad;
        const double apart =
            std::acos(std::sin(e1) * std::sin(e2) + std::cos(e1) * std::cos(e2) * std::cos(a)) /
            Rad;
        // 0.075 degree at the peak, 17 s later, and 0.07 degree in those 17 s.
        EXPECT_LT(apart, 0.15);
    }

    EXPECT_TRUE(sunTrack(beijing, 0, {2027, 2, 29}, 480, 10).empty());
    EXPECT_TRUE(sunTrack(beijing, 0, {2027, 3, 5}, 480, 0).empty());
    EXPECT_TRUE(sunTrack(beijing, 0, {2027, 3, 5}, 480, 1441).empty());
    EXPECT_TRUE(sunTrack(beijing, 0, {2027, 3, 5}, 841, 10).empty());
    EXPECT_TRUE(sunTrack(beijing, 100001, {2027, 3, 5}, 480, 10).empty());
    EXPECT_TRUE(sunTrack(siteAt(116.46L, 91), 0, {2027, 3, 5}, 480, 10).empty());
    // One step a day: the point at midnight only, and the sun is down then.
    EXPECT_TRUE(sunTrack(beijing, 0, {2027, 3, 5}, 480, 1440).empty());
    // Midnight sun at 80 north in June: every point.
    EXPECT_EQ(sunTrack(siteAt(16, 80), 0, {2027, 6, 21}, 60, 60).size(), 24u);
}

}  // namespace
