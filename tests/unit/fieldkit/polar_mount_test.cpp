#include "fieldkit/polar_mount.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/trig.h"

namespace {

ReceivingSite siteAt(long double longitude, long double latitude) {
    ReceivingSite site;
    site.longitude = longitude;
    site.latitude = latitude;
    return site;
}

// The published tables of polar mounts (k = 6378.137 / 42164.17), to 0.01.
TEST(PolarMount, DeclinationOffsetsAndMeridianElevationsOfThePublishedTable) {
    const struct {
        long double latitude, offset, meridian;
    } cases[] = {
        {15, 2.63L, 72.37L}, {25, 4.24L, 60.76L}, {35, 5.66L, 49.34L},
        {45, 6.83L, 38.17L}, {55, 7.73L, 27.27L},
    };
    for (const auto& c : cases) {
        for (long double latitude : {c.latitude, -c.latitude}) {
            const PolarMount mount = polarMountAt(latitude);
            EXPECT_EQ(mount.axisElevation, c.latitude);
            EXPECT_NEAR(mount.declinationOffset, c.offset, 0.005L) << latitude;
            EXPECT_NEAR(mount.meridianElevation, c.meridian, 0.005L) << latitude;
        }
    }
    // On the equator the axis lies flat and the dish looks straight up.
    EXPECT_EQ(polarMountAt(0).declinationOffset, 0);
    EXPECT_EQ(polarMountAt(0).meridianElevation, 90);
}

// The motor angle is the hour angle, about the Earth's axis, of the
// direction from the site to the satellite: the vector between them in the
// Earth-fixed frame (geostationary radii), turned into the site's meridian.
long double hourAngleOfDirection(long double satelliteLongitude, const ReceivingSite& site) {
    const long double phi = site.latitude * RadiansPerDegree;
    const long double siteLambda = site.longitude * RadiansPerDegree;
    const long double lambda = satelliteLongitude * RadiansPerDegree;
    const long double radius = PolarMountRadiusRatio * std::cos(phi);
    const long double dx = std::cos(lambda) - radius * std::cos(siteLambda);
    const long double dy = std::sin(lambda) - radius * std::sin(siteLambda);
    const long double towardMeridian = dx * std::cos(siteLambda) + dy * std::sin(siteLambda);
    const long double towardEast = dy * std::cos(siteLambda) - dx * std::sin(siteLambda);
    return std::atan2(towardEast, towardMeridian) / RadiansPerDegree;
}

TEST(PolarMount, MotorAngleEastOrWestOfTheMeridianInEitherHemisphere) {
    const struct {
        long double siteLongitude, siteLatitude, satellite, angle;  // angle worked by hand
    } cases[] = {
        {116.46L, 39.92L, 105.5L, -12.386L},   // 北京, 亚洲3号: west
        {116.46L, 39.92L, 125.0L, 9.655L},     // 北京, 中星6号: east
        {-70.5L, -33.45L, -30.0L, 45.681L},    // Santiago, a satellite to the east
        {-70.5L, -33.45L, -100.0L, -33.494L},  // and one to the west
        {0, 0, 10, 11.768L},                   // on the equator
        {0, 0, -60, -68.066L},
        {116.46L, 39.92L, 116.46L, 0},  // on the meridian
    };
    for (const auto& c : cases) {
        const ReceivingSite site = siteAt(c.siteLongitude, c.siteLatitude);
        const std::optional<long double> angle = motorAngle(c.satellite, site);
        ASSERT_TRUE(angle.has_value()) << c.satellite;
        EXPECT_NEAR(*angle, c.angle, 0.0005L) << c.satellite;
        EXPECT_NEAR(*angle, hourAngleOfDirection(c.satellite, site), 1e-9L);
        // The same satellite named a turn further round.
        EXPECT_NEAR(*motorAngle(c.satellite + 360, site), *angle, 1e-12L);
    }
}

TEST(PolarMount, TheVisibleArcEndsWhereTheMotorAngleDoes) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    const std::optional<VisibleArc> arc = visibleArcOf(beijing);
    ASSERT_TRUE(arc.has_value());
    // A = acos(k / cos 39.92) = 78.6246; the east end 195.08 lies beyond 180.
    EXPECT_NEAR(arc->west, 37.8354L, 0.0001L);
    EXPECT_NEAR(arc->east, -164.9154L, 0.0001L);
    for (long double end : {arc->west, arc->east}) {
        const long double inward = end == arc->west ? 1 : -1;
        EXPECT_TRUE(motorAngle(end + inward * 1e-6L, beijing).has_value()) << end;
        EXPECT_FALSE(motorAngle(end - inward * 1e-6L, beijing).has_value()) << end;
    }
    // The equator sees the widest arc, acos k = 81.30 either side.
    const std::optional<VisibleArc> equator = visibleArcOf(siteAt(0, 0));
    ASSERT_TRUE(equator.has_value());
    EXPECT_NEAR(equator->east, 81.2995L, 0.0001L);
    EXPECT_NEAR(equator->west, -81.2995L, 0.0001L);
    // A southern site's arc as a northern one's.
    const std::optional<VisibleArc> santiago = visibleArcOf(siteAt(-70.5L, -33.45L));
    ASSERT_TRUE(santiago.has_value());
    EXPECT_NEAR(santiago->east, -70.5L + 79.5546L, 0.0001L);
    EXPECT_NEAR(santiago->west, -70.5L - 79.5546L, 0.0001L);
    // Near the poles the whole arc lies below the horizon.
    EXPECT_FALSE(visibleArcOf(siteAt(10, 81.5L)).has_value());
    EXPECT_FALSE(motorAngle(10, siteAt(10, -81.5L)).has_value());
    EXPECT_FALSE(motorAngle(116.46L - 100, beijing).has_value());
}

}  // namespace
