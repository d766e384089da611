#include "calc/pointing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/trig.h"
#include "encoding/text_encoding.h"
#include "numtext/numtext.h"

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;

PointingResult pointing(long double siteLongitude, long double siteLatitude,
                        long double satellite) {
    ReceivingSite site;
    site.longitude = siteLongitude;
    site.latitude = siteLatitude;
    PointingResult result;
    computePointing(satellite, site, result);
    return result;
}

TEST(ComputePointing, ResultsTable) {
    struct Row {
        long double siteLongitude, siteLatitude, satellite;
        const char* elevation;
        const char* azimuth;  // UTF-8
        const char* polarisation;
    };
    // clang-format off
    const Row rows[] = {
        {116.46L, 39.92L, 105.5L, "42.45", "南偏西16.79度", "-12.80"},
        {116.46L, 39.92L, 125.0L, "42.98", "南偏东13.17度", "10.06"},
        {116.46L, 39.92L, 57.0L, "14.53", "南偏西69.26度", "-45.83"},
        {116.46L, 39.92L, 180.0L, "11.47", "南偏东72.29度", "46.94"},
        {116.46L, 39.92L, 116.46L, "43.82", "正南", "0"},
        {116.46L, 39.92L, -60.0L, "-54.93", "南偏东5.51度", "-4.22"},
        {116.46L, -39.92L, 125.0L, "42.98", "北偏东13.17度", "-10.06"},
        {116.46L, -39.92L, 116.46L, "43.82", "正北", "0"},
        {151.21L, -33.87L, 105.5L, "27.75", "北偏西61.47度", "46.84"},
        {116.46L, 0, 105.5L, "77.11", "南偏西90.00度", "-90.00"},
        {116.46L, 0, 116.46L, "90.00", "正南", "0"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const PointingResult r = pointing(row.siteLongitude, row.siteLatitude, row.satellite);
        EXPECT_STREQ(r.elevationText, row.elevation) << row.azimuth;
        EXPECT_EQ(r.azimuthText, cp936FromUtf8(row.azimuth));
        EXPECT_STREQ(r.polarisationText, row.polarisation) << row.azimuth;
    }
}

// The southern mirror keeps elevation and azimuth number, turns 南 into 北
// with the same side, and reverses the polarisation.
TEST(ComputePointing, SouthernHemisphereMirrorsTheNorthern) {
    for (long double satellite = -170; satellite <= 180; satellite += 12.5L) {
        for (long double latitude : {5.0L, 22.5L, 39.92L, 61.0L}) {
            const PointingResult north = pointing(100, latitude, satellite);
            const PointingResult south = pointing(100, -latitude, satellite);
            EXPECT_STREQ(south.elevationText, north.elevationText);
            const std::string word = utf8FromCp936(north.azimuthText);
            ASSERT_EQ(word.compare(0, 3, "南"), 0) << word;
            EXPECT_EQ(utf8FromCp936(south.azimuthText), "北" + word.substr(3));
            const std::string p = north.polarisationText;
            EXPECT_EQ(south.polarisationText, p[0] == '-' ? p.substr(1) : "-" + p);
        }
    }
}

TEST(ComputePointing, EquatorialSiteSeesEverySatelliteDueEastOrWest) {
    for (long double offset : {-89.5L, -60.0L, -10.96L, -0.01L, 0.01L, 3.0L, 45.0L, 89.5L}) {
        const PointingResult r = pointing(116.46L, 0, 116.46L + offset);
        const bool west = offset < 0;
        EXPECT_EQ(r.azimuthText, cp936FromUtf8(west ? "南偏西90.00度" : "南偏东90.00度"));
        EXPECT_STREQ(r.polarisationText, west ? "-90.00" : "90.00");
    }
}

TEST(ComputePointing, AtThePoleElevationIsFixedAndAzimuthIsTheLongitudeDifference) {
    for (long double delta : {-80.0L, -45.25L, -3.5L, 10.0L, 33.33L, 89.0L}) {
        const PointingResult r = pointing(20, 90, 20 + delta);
        EXPECT_STREQ(r.elevationText, "-8.59");  // the arc tangent of -RadiusRatio
        char angle[NumberTextCapacity];
        NumberToText(std::fabs(delta), angle, 0, 2);
        EXPECT_EQ(utf8FromCp936(r.azimuthText),
                  std::string(delta < 0 ? "南偏西" : "南偏东") + angle + "度");
    }
}

TEST(Trig, DegreesAndRadians) {
    EXPECT_EQ(trigCos(0, 1), 1);
    EXPECT_EQ(trigSin(0, 1), 0);
    EXPECT_NEAR(static_cast<double>(trigSin(30, 1)), 0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(trigCos(60, 1)), 0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(trigTan(45, 1)), 1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(trigAtan(1, 1)), 45.0, 1e-15);
    // Any flag other than 1 means radians.
    EXPECT_NEAR(static_cast<double>(trigSin(0.5L, 0)), 0.47942553860420300027, 1e-18);
    EXPECT_NEAR(static_cast<double>(trigCos(0.5L, 2)), 0.87758256189037271612, 1e-18);
    EXPECT_NEAR(static_cast<double>(trigTan(1, 7)), 1.5574077246549022305, 1e-15);
    EXPECT_NEAR(static_cast<double>(trigAtan(1, 0)), 0.78539816339744830962, 1e-18);
    // A division by zero's infinity gives a right angle.
    EXPECT_EQ(trigAtan(INFINITY, 1), 90);
    EXPECT_EQ(trigAtan(-INFINITY, 1), -90);
    // Arguments beyond the instructions' range are reduced by whole turns.
    for (long double x : {0x1p63L, -0x1p70L, 0x1.234p100L}) {
        const long double rest = std::remainder(x, 2 * Pi);
        EXPECT_NEAR(static_cast<double>(trigSin(x, 0)), static_cast<double>(std::sin(rest)), 1e-15);
        EXPECT_NEAR(static_cast<double>(trigCos(x, 0)), static_cast<double>(std::cos(rest)), 1e-15);
    }
}

}  // namespace
