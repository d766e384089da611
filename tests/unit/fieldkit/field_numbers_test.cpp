#include "fieldkit/field_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/pointing.h"
#include "encoding/text_encoding.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"
#include "tests/support/sites.h"

namespace {

std::string twoDecimals(long double value) {
    char text[32];
    NumberToText(value, text, 0, 2);
    return text;
}

constexpr long double Pi = 3.14159265358979323846264338327950288L;

// The satellite's true azimuth worked from vectors, without the table's
// formulas: the site on a sphere, the satellite on the geostationary orbit,
// the direction between them in the site's east-north-up frame.
long double azimuthFromVectors(long double siteLongitude, long double siteLatitude,
                               long double satelliteLongitude) {
    const long double lambda = siteLongitude * Pi / 180;
    const long double phi = siteLatitude * Pi / 180;
    const long double s = satelliteLongitude * Pi / 180;
    const long double R = EarthRadiusKm;
    const long double r = GeostationaryRadiusKm;
    const long double d[3] = {r * std::cos(s) - R * std::cos(phi) * std::cos(lambda),
                              r * std::sin(s) - R * std::cos(phi) * std::sin(lambda),
                              -R * std::sin(phi)};
    const long double east = -std::sin(lambda) * d[0] + std::cos(lambda) * d[1];
    const long double north = -std::sin(phi) * std::cos(lambda) * d[0] -
                              std::sin(phi) * std::sin(lambda) * d[1] + std::cos(phi) * d[2];
    long double azimuth = std::atan2(east, north) * 180 / Pi;
    if (azimuth < 0) azimuth += 360;
    return azimuth;
}

// How far apart two bearings are, the short way round.
double bearingGap(long double a, long double b) {
    const double gap = std::fmod(std::fabs(static_cast<double>(a - b)), 360.0);
    return std::min(gap, 360 - gap);
}

// The numbers name the same direction and round to the same texts as the table.
TEST(FieldNumbers, AgreeWithTheTablesTexts) {
    struct Case {
        long double siteLongitude, siteLatitude, satellite;
        const char* azimuthText;  // UTF-8
        long double trueAzimuth;  // to 0.01 degree
    };
    const Case cases[] = {
        {116.46L, 39.92L, 105.5L, u8"南偏西16.79度", 196.79L},
        {116.46L, 39.92L, 125.0L, u8"南偏东13.17度", 166.83L},
        {116.46L, 39.92L, 116.46L, u8"正南", 180},
        {116.46L, -39.92L, 125.0L, u8"北偏东13.17度", 13.17L},
        {116.46L, -39.92L, 116.46L, u8"正北", 0},
        {151.21L, -33.87L, 105.5L, u8"北偏西61.47度", 298.53L},
        {116.46L, 0, 105.5L, u8"南偏西90.00度", 270},
        {116.46L, 0, 125.0L, u8"南偏东90.00度", 90},
        // Below the horizon, across the pole: the text's angle counted from due north.
        {116.46L, 39.92L, -60.0L, u8"南偏东5.51度", 354.49L},
    };
    for (const Case& c : cases) {
        const ReceivingSite site = siteAt(c.siteLongitude, c.siteLatitude);
        PointingResult texts;
        computePointing(c.satellite, site, texts);
        const SatelliteFieldNumbers numbers = computeFieldNumbers(c.satellite, site, 0);
        EXPECT_EQ(utf8FromCp936(texts.azimuthText), c.azimuthText);
        EXPECT_EQ(twoDecimals(numbers.elevation), texts.elevationText);
        EXPECT_EQ(twoDecimals(numbers.polarisation), texts.polarisationText);
        EXPECT_NEAR(static_cast<double>(numbers.azimuth), static_cast<double>(c.trueAzimuth), 0.006)
            << c.azimuthText;
        EXPECT_GE(numbers.azimuth, 0);
        EXPECT_LT(numbers.azimuth, 360);
        EXPECT_EQ(numbers.magneticAzimuth, numbers.azimuth);
        EXPECT_EQ(numbers.visible, numbers.elevation > 0);
    }
}

// Satellites all round a northern, a high northern (where some below the
// horizon are still within a quarter turn), a southern and an equatorial
// site. At the equator the satellite straight overhead and the one straight
// below have no azimuth and are left out.
TEST(FieldNumbers, TrueAzimuthOnEverySide) {
    struct Site {
        long double longitude, latitude;
    };
    const Site sites[] = {{-74, 40.7L}, {18.96L, 69.65L}, {151.21L, -33.87L}, {100, 0}};
    const long double declination = -12.5L;
    for (const Site& place : sites) {
        const ReceivingSite site = siteAt(place.longitude, place.latitude);
        int visible = 0, hidden = 0;
        for (int step = -24; step < 24; ++step) {
            const long double satellite = step * 7.5L;
            const long double delta = std::remainder(satellite - place.longitude, 360.0L);
            if (place.latitude == 0 && (delta == 0 || std::fabs(delta) == 180)) continue;
            SCOPED_TRACE(testing::Message() << "site " << static_cast<double>(place.longitude)
                                            << ", " << static_cast<double>(place.latitude)
                                            << ", satellite " << static_cast<double>(satellite));
            const SatelliteFieldNumbers numbers = computeFieldNumbers(satellite, site, declination);
            EXPECT_GE(numbers.azimuth, 0);
            EXPECT_LT(numbers.azimuth, 360);
            EXPECT_LT(bearingGap(numbers.azimuth,
                                 azimuthFromVectors(place.longitude, place.latitude, satellite)),
                      1e-9);
            EXPECT_LT(bearingGap(numbers.magneticAzimuth, numbers.azimuth - declination), 1e-12);
            if (!numbers.visible) {
                ++hidden;
                continue;
            }
            ++visible;
            // Above the horizon: exactly the table's direction, 180 - A or -A.
            ExtendedPrecisionScope precision;
            const PointingAngles angles = computePointingAngles(satellite, site);
            long double expected =
                angles.southern ? -angles.azimuthAngle : 180 - angles.azimuthAngle;
            if (expected < 0) expected += 360;
            expected += 0.0L;  // +0 for a negative zero
            EXPECT_EQ(numbers.azimuth, expected);
            EXPECT_EQ(std::signbit(numbers.azimuth), std::signbit(expected));
        }
        EXPECT_GT(visible, 10);
        EXPECT_GT(hidden, 10);
    }
}

// The case that showed the fault: 57 E from New York, far below the horizon,
// lies north-east (about 60 degrees), not south-west.
TEST(FieldNumbers, BelowTheHorizonAcrossThePole) {
    const SatelliteFieldNumbers numbers = computeFieldNumbers(57, siteAt(-74, 40.7L), 0);
    EXPECT_FALSE(numbers.visible);
    EXPECT_NEAR(static_cast<double>(numbers.azimuth),
                static_cast<double>(azimuthFromVectors(-74, 40.7L, 57)), 1e-9);
    EXPECT_NEAR(static_cast<double>(numbers.azimuth), 60, 3);
}

// At the equator the table's latitude stands in as ZeroLatitudeSubstitute, a
// northern one: A is +-90 and every satellite east of the site lies due east,
// every one west due west, on the near side or the far side. Straight
// overhead the table says due south (正南) and so does the field kit.
TEST(FieldNumbers, TrueAzimuthAtTheEquator) {
    struct Case {
        long double delta;  // satellite longitude less the site's
        long double azimuth;
    };
    const Case cases[] = {
        {0, 180},    {0.001L, 90},   {45, 90},       {89.9L, 90}, {90, 90},   {90.1L, 90},
        {135, 90},   {179.9L, 90},   {-0.001L, 270}, {-45, 270},  {-90, 270}, {-90.1L, 270},
        {-135, 270}, {-179.9L, 270}, {270, 270},     {-270, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.delta));
        EXPECT_EQ(computeFieldNumbers(100 + c.delta, siteAt(100, 0), 0).azimuth, c.azimuth);
    }
}

TEST(FieldNumbers, MagneticAzimuthStaysWithinTheCircle) {
    const ReceivingSite southern = siteAt(116.46L, -39.92L);
    // True azimuth 13.17 with 20 degrees east declination: 353.17 on the compass.
    EXPECT_NEAR(static_cast<double>(computeFieldNumbers(125, southern, 20).magneticAzimuth), 353.17,
                0.006);
    // True azimuth 0 (due north) with a west declination: the compass reads more.
    EXPECT_NEAR(static_cast<double>(computeFieldNumbers(116.46L, southern, -7.5).magneticAzimuth),
                7.5, 1e-9);
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    EXPECT_NEAR(static_cast<double>(computeFieldNumbers(105.5L, beijing, -7.55).magneticAzimuth),
                204.34, 0.006);
}

// Beijing to 105.5 E worked by hand: cos b = cos 39.92 cos 10.96 = 0.75286,
// range = sqrt(6378.137^2 + 42164^2 - 2 * 6378.137 * 42164 * cos b).
TEST(FieldNumbers, RangeAndDelay) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    const SatelliteFieldNumbers numbers = computeFieldNumbers(105.5L, beijing, 0);
    EXPECT_NEAR(static_cast<double>(numbers.rangeKm), 37596.6, 0.1);
    EXPECT_NEAR(static_cast<double>(numbers.delayMs), 125.41, 0.01);
    EXPECT_TRUE(numbers.visible);

    // Straight below the satellite: the orbit's height; the far side: the sum.
    const ReceivingSite equator = siteAt(100, 0);
    EXPECT_NEAR(static_cast<double>(computeFieldNumbers(100, equator, 0).rangeKm), 35785.863, 1e-6);
    const SatelliteFieldNumbers behind = computeFieldNumbers(-80, equator, 0);
    EXPECT_NEAR(static_cast<double>(behind.rangeKm), 48542.137, 1e-6);
    EXPECT_FALSE(behind.visible);

    EXPECT_EQ(offsetDishElevation(42.45L, 22.6L), 42.45L - 22.6L);
}

}  // namespace
