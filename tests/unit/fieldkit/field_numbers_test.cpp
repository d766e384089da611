#include "fieldkit/field_numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/pointing.h"
#include "encoding/text_encoding.h"
#include "numtext/numtext.h"
#include "tests/support/sites.h"

namespace {

std::string twoDecimals(long double value) {
    char text[32];
    NumberToText(value, text, 0, 2);
    return text;
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
        {116.46L, 39.92L, -60.0L, u8"南偏东5.51度", 174.49L},
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
