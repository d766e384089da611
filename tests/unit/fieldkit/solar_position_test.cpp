#include "fieldkit/solar_position.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double ArcSecond = 1.0 / 3600;
constexpr double Pi = 3.14159265358979323846;

double degrees(int d, int m, double s) { return d + m / 60.0 + s / 3600; }

TEST(SolarPosition, CalendarDates) {
    struct Case {
        CalendarDate date;
        bool valid;
    };
    const Case cases[] = {
        {{2000, 2, 29}, true},  {{2100, 2, 29}, false}, {{2024, 2, 29}, true},
        {{2027, 2, 29}, false}, {{2027, 2, 28}, true},  {{2027, 4, 31}, false},
        {{2027, 12, 31}, true}, {{2027, 0, 1}, false},  {{2027, 13, 1}, false},
        {{2027, 1, 0}, false},  {{2027, 1, 32}, false}, {{1, 1, 1}, true},
        {{0, 12, 31}, false},   {{9999, 12, 31}, true}, {{10000, 1, 1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isCalendarDate(c.date), c.valid)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

// Meeus, Astronomical Algorithms, ch. 7: 1957 October 4.81 is JD 2436116.31,
// 1987 January 27.0 is 2446822.5, 1988 June 19.5 is 2447332.0, 1600
// January 1.0 is 2305447.5; J2000.0 is 2000 January 1.5.
TEST(SolarPosition, JulianDays) {
    struct Case {
        CalendarDate date;
        long dayNumber;
    };
    const Case cases[] = {
        {{2000, 1, 1}, 2451545},  {{1957, 10, 4}, 2436116}, {{1987, 1, 27}, 2446823},
        {{1988, 6, 19}, 2447332}, {{1600, 1, 1}, 2305448},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(julianDayNumber(c.date), c.dayNumber) << c.date.year;
        const CalendarDate back = dateOfJulianDayNumber(c.dayNumber);
        EXPECT_EQ(back.year, c.date.year);
        EXPECT_EQ(back.month, c.date.month);
        EXPECT_EQ(back.day, c.date.day);
    }
    EXPECT_EQ(julianDay({2000, 1, 1}, 43200), J2000JulianDay);
    EXPECT_NEAR(static_cast<double>(julianDay({1957, 10, 4}, 0.81L * 86400)), 2436116.31, 1e-9);
    EXPECT_EQ(julianDay({2027, 3, 5}, -86400), julianDay({2027, 3, 4}, 0));
}

// Every date from 1999 to 2101 follows the one before by one day number,
// and comes back from it.
TEST(SolarPosition, DayNumbersRunWithTheCalendar) {
    long expected = julianDayNumber({1999, 1, 1});
    for (int year = 1999; year <= 2101; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                const CalendarDate date{year, month, day};
                if (!isCalendarDate(date)) continue;
                ASSERT_EQ(julianDayNumber(date), expected) << year << "-" << month << "-" << day;
                const CalendarDate back = dateOfJulianDayNumber(expected);
                ASSERT_TRUE(back.year == year && back.month == month && back.day == day);
                ++expected;
            }
}

// Against the measured values (IERS, in seconds): the 2005-2050 polynomial
// runs ahead of the Earth's recent rotation by up to about 2 s by 2020.
TEST(SolarPosition, DeltaT) {
    struct Case {
        double year;
        double measured;
        double tolerance;
    };
    const Case cases[] = {
        {2000.0, 63.83, 0.1}, {2005.0, 64.69, 0.1}, {2010.0, 66.07, 0.7},
        {2015.0, 67.64, 1.5}, {2020.0, 69.36, 2.5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(deltaTSeconds(c.year)), c.measured, c.tolerance) << c.year;
    // The pieces meet.
    for (long double joint : {2005.0L, 2050.0L, 2150.0L})
        EXPECT_NEAR(static_cast<double>(deltaTSeconds(joint - 1e-9L)),
                    static_cast<double>(deltaTSeconds(joint)), 0.1)
            << static_cast<double>(joint);
    const long double jd = julianDay({2026, 7, 1}, 0);
    EXPECT_NEAR(static_cast<double>((terrestrialTime(jd) - jd) * 86400),
                static_cast<double>(deltaTSeconds(2026.5L)), 0.01);
}

// Meeus, example 25.b, 1992 October 13.0 TD. With the whole VSOP87 theory:
// alpha 13h13m30.749s, delta -7 deg 47' 01.74", R 0.99760775 AU. The
// low-accuracy method of example 25.a gives 198.38083 and -7.78507, 0.01
// degree from the truth at most.
TEST(SolarPosition, MeeusExample) {
    const ApparentSun sun = apparentSun(2448908.5L);
    EXPECT_NEAR(static_cast<double>(sun.rightAscension), 15 * degrees(13, 13, 30.749), ArcSecond);
    EXPECT_NEAR(static_cast<double>(sun.declination), -degrees(7, 47, 1.74), ArcSecond);
    EXPECT_NEAR(static_cast<double>(sun.distanceAu), 0.99760775, 2e-8);
    EXPECT_NEAR(static_cast<double>(sun.rightAscension), 198.38083, 0.01);
    EXPECT_NEAR(static_cast<double>(sun.declination), -7.78507, 0.01);
    EXPECT_NEAR(static_cast<double>(sun.longitude), degrees(199, 54, 21.82), ArcSecond);
}

// A DE405 ephemeris (neoprogrammics.com's geocentric calculator, true
// equator and equinox of date) at 2025-07-16 22:45:34 UTC, TT JD
// 2460873.44911092: alpha 07h46m15.077s, delta +21 deg 11' 41.672",
// 1.016314471 AU.
TEST(SolarPosition, AgainstAnEphemeris) {
    const ApparentSun sun = apparentSun(2460873.44911092L);
    EXPECT_NEAR(static_cast<double>(sun.rightAscension), 15 * degrees(7, 46, 15.077), ArcSecond);
    EXPECT_NEAR(static_cast<double>(sun.declination), degrees(21, 11, 41.672), ArcSecond);
    EXPECT_NEAR(static_cast<double>(sun.distanceAu), 1.016314471, 2e-7);
}

// Meeus, examples 12.a and 12.b: 1987 April 10 at 0h UT, 13h10m46.3668s
// (apparent 13h10m46.1351s); at 19:21 UT, 128.7378734 degrees.
TEST(SolarPosition, SiderealTime) {
    EXPECT_NEAR(static_cast<double>(meanSiderealTime(julianDay({1987, 4, 10}, 0))),
                15 * degrees(13, 10, 46.3668), 1e-6);
    EXPECT_NEAR(
        static_cast<double>(meanSiderealTime(julianDay({1987, 4, 10}, 19 * 3600 + 21 * 60))),
        128.7378734, 1e-6);
    // The four nutation terms give the equation of the equinoxes to 0.5".
    const ApparentSun sun = apparentSun(julianDay({1987, 4, 10}, 0));
    EXPECT_NEAR(static_cast<double>(sun.equationOfEquinoxes), 15 * (46.1351 - 46.3668) / 3600,
                0.5 * ArcSecond);
}

// The instant the apparent longitude reaches `target` (0 or 180), found by
// bisection over UT from a day before to a day after `near`.
long double equinoxInstant(long double near, long double target) {
    auto ahead = [&](long double jd) {
        const long double l = apparentSun(terrestrialTime(jd)).longitude - target;
        return std::remainder(l, 360.0L);
    };
    long double a = near - 1;
    long double b = near + 1;
    for (int i = 0; i < 60; ++i) {
        const long double m = (a + b) / 2;
        (ahead(m) < 0 ? a : b) = m;
    }
    return (a + b) / 2;
}

// The equinoxes of 2025 to 2027 to the minute, UTC, as IMCCE computes them
// (icalendars.net/tools/equinoxes-solstices, "data provided by the Institut
// de mecanique celeste et de calcul des ephemerides", shown there in UTC-4);
// timeanddate.com and the US Naval Observatory agree within a minute. The
// minute is cut, not rounded: the instant lies in it, give or take the
// model's seconds.
TEST(SolarPosition, EquinoxesToTheMinute) {
    struct Case {
        CalendarDate date;
        int hour;
        int minute;
        long double longitude;
    };
    const Case cases[] = {
        {{2025, 3, 20}, 9, 1, 0},   {{2025, 9, 22}, 18, 19, 180}, {{2026, 3, 20}, 14, 45, 0},
        {{2026, 9, 23}, 0, 5, 180}, {{2027, 3, 20}, 20, 24, 0},   {{2027, 9, 23}, 6, 1, 180},
    };
    for (const Case& c : cases) {
        const long double published = julianDay(c.date, c.hour * 3600 + c.minute * 60);
        const long double found = equinoxInstant(published, c.longitude);
        const double offset = static_cast<double>((found - published) * 86400);
        EXPECT_GT(offset, -30) << c.date.year << "-" << c.date.month;
        EXPECT_LT(offset, 90) << c.date.year << "-" << c.date.month;
        // The sun is on the equator then, but for its ecliptic latitude (1").
        EXPECT_NEAR(static_cast<double>(apparentSun(terrestrialTime(found)).declination), 0,
                    ArcSecond);
    }
}

TEST(SolarPosition, SitesOnTheEllipsoid) {
    const Vector3 origin = siteEarthFixed({0, 0, 0});
    EXPECT_NEAR(static_cast<double>(origin.x), 6378.137, 1e-9);
    EXPECT_NEAR(static_cast<double>(origin.y), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(origin.z), 0, 1e-9);
    // The polar radius of WGS-84, and a height along the normal.
    EXPECT_NEAR(static_cast<double>(siteEarthFixed({0, 90, 0}).z), 6356.7523142, 1e-6);
    EXPECT_NEAR(static_cast<double>(siteEarthFixed({0, -90, 2000}).z), -6358.7523142, 1e-6);
    // At 45 degrees the prime vertical's radius of curvature is 6388.838 km.
    const Vector3 p = siteEarthFixed({90, 45, 1000});
    EXPECT_NEAR(static_cast<double>(p.x), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.y), (6388.838 + 1) * std::sqrt(0.5), 1e-3);
    EXPECT_NEAR(static_cast<double>(p.z), (6388.838 * (1 - 0.00669437999014) + 1) * std::sqrt(0.5),
                1e-3);

    const Vector3 satellite = geostationaryEarthFixed(90);
    EXPECT_NEAR(static_cast<double>(satellite.x), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(satellite.y), 42164.17, 1e-9);
    EXPECT_EQ(satellite.z, 0);
}

TEST(SolarPosition, DirectionsFromASite) {
    struct Case {
        Vector3 toTarget;
        double azimuth;
        double elevation;
    };
    // At longitude 0 on the equator: up is +x, east +y, north +z.
    const Case cases[] = {
        {{0, 0, 1}, 0, 0},    {{0, 1, 0}, 90, 0},    {{0, 0, -1}, 180, 0},
        {{0, -1, 0}, 270, 0}, {{1, 0, 0}, 0, 90},    {{-1, 0, 0}, 0, -90},
        {{1, 1, 0}, 90, 45},  {{1, 0, -1}, 180, 45}, {{0, -1, 1}, 315, 0},
    };
    for (const Case& c : cases) {
        const HorizontalDirection d = horizontalDirection({0, 0, 0}, c.toTarget);
        EXPECT_NEAR(static_cast<double>(d.azimuth), c.azimuth, 1e-12);
        EXPECT_NEAR(static_cast<double>(d.elevation), c.elevation, 1e-12);
    }
    // Beijing to 105.5 E: the spherical geometry of the table says south
    // 16.79 degrees west (196.79), elevation 42.45; the ellipsoid moves them
    // by a tenth of a degree at most.
    const GeodeticSite beijing{116.46L, 39.92L, 0};
    const HorizontalDirection d = horizontalDirection(
        beijing, {geostationaryEarthFixed(105.5L).x - siteEarthFixed(beijing).x,
                  geostationaryEarthFixed(105.5L).y - siteEarthFixed(beijing).y,
                  geostationaryEarthFixed(105.5L).z - siteEarthFixed(beijing).z});
    EXPECT_NEAR(static_cast<double>(d.azimuth), 196.79, 0.1);
    EXPECT_NEAR(static_cast<double>(d.elevation), 42.45, 0.15);
}

TEST(SolarPosition, Separation) {
    EXPECT_NEAR(static_cast<double>(separationDegrees({1, 0, 0}, {0, 5, 0})), 90, 1e-15);
    EXPECT_NEAR(static_cast<double>(separationDegrees({1, 0, 0}, {-3, 0, 0})), 180, 1e-15);
    EXPECT_EQ(separationDegrees({2, 2, 2}, {1, 1, 1}), 0);
    EXPECT_NEAR(static_cast<double>(separationDegrees({1, 0, 0}, {1, 1, 0})), 45, 1e-15);
    // Small angles keep their digits, where an arc cosine would give 0.
    EXPECT_NEAR(static_cast<double>(separationDegrees({1, 0, 0}, {1, 1e-12L, 0})), 1e-12 * 180 / Pi,
                1e-24);
    EXPECT_EQ(separationDegrees({0, 0, 0}, {1, 0, 0}), 0);
}

TEST(SolarPosition, EarthFixedFrame) {
    // At sidereal time 90 the equinox lies at longitude -90.
    const Vector3 v = earthFixedFromEquatorial({1, 0, 0.5L}, 90);
    EXPECT_NEAR(static_cast<double>(v.x), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(v.y), -1, 1e-15);
    EXPECT_EQ(v.z, 0.5L);
    // On 2026-03-20 the equation of time is -7.5 minutes: the sun crosses
    // Greenwich at 12:07:30 UT, so at 12:00 it stands 1.9 degrees east.
    const Vector3 sun = sunEarthFixed(julianDay({2026, 3, 20}, 12 * 3600));
    EXPECT_NEAR(std::atan2(static_cast<double>(sun.y), static_cast<double>(sun.x)) * 180 / Pi, 1.87,
                0.05);
    EXPECT_NEAR(
        static_cast<double>(std::hypot(sun.x, std::hypot(sun.y, sun.z)) / AstronomicalUnitKm),
        0.996, 0.001);
}

}  // namespace
