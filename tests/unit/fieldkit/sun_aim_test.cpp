#include "fieldkit/sun_aim.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "fieldkit/field_numbers.h"
#include "fieldkit/solar_position.h"
#include "tests/support/sites.h"

namespace {

// The sun from the series at every call, without the search's cache.
HorizontalDirection sunSeenFrom(const ReceivingSite& site, long double julianDayUt) {
    const GeodeticSite g{site.longitude, site.latitude, 0};
    const Vector3 s = siteEarthFixed(g);
    const Vector3 sun = sunEarthFixed(julianDayUt);
    return horizontalDirection(g, {sun.x - s.x, sun.y - s.y, sun.z - s.z});
}

long double offset(long double azimuth, long double target) {
    long double a = std::fmod(azimuth - target, 360.0L);
    if (a > 180) a -= 360;
    if (a <= -180) a += 360;
    return a;
}

// The moments found by walking the day in steps of 30 seconds: where the
// sun's azimuth passes the target between two steps, both above the
// horizon and outside the zenith margin.
std::vector<long double> scannedMoments(const ReceivingSite& site, const CalendarDate& date,
                                        int zoneMinutes, long double target) {
    std::vector<long double> found;
    const int step = 30;
    HorizontalDirection previous = sunSeenFrom(site, julianDay(date, -zoneMinutes * 60.0L));
    for (int s = step; s <= 86400; s += step) {
        const HorizontalDirection d = sunSeenFrom(site, julianDay(date, s - zoneMinutes * 60.0L));
        const long double a = offset(previous.azimuth, target);
        const long double b = offset(d.azimuth, target);
        const bool up = previous.elevation > 0 && d.elevation > 0 && previous.elevation < 88 &&
                        d.elevation < 88;
        if (up && (a < 0) != (b < 0) && std::fabs(b - a) < 180) found.push_back(s - step / 2.0L);
        previous = d;
    }
    return found;
}

struct Day {
    const char* name;
    ReceivingSite site;
    CalendarDate date;
    int zoneMinutes;
    long double target;  // an azimuth
    int toward;          // moments expected of each kind
    int away;
};

const Day Days[] = {
    {"Beijing, winter, the south-south-east", siteAt(116.4L, 39.9L), {2026, 12, 8}, 480, 155, 1, 0},
    {"Beijing, summer, the east-south-east: both kinds",
     siteAt(116.4L, 39.9L),
     {2027, 6, 21},
     480,
     120,
     1,
     1},
    {"Beijing, due south", siteAt(116.4L, 39.9L), {2027, 3, 20}, 480, 180, 1, 0},
    {"Sydney, the north-east, UTC", siteAt(151.2L, -33.87L), {2027, 1, 10}, 0, 30, 1, 0},
    {"Sydney, winter, due north", siteAt(151.2L, -33.87L), {2027, 7, 1}, 600, 0, 1, 0},
    // North of the zenith at noon by under the margin: no due-south sun,
    // and its due-north one left out.
    {"Sanya, the sun near the zenith", siteAt(109.5L, 18.25L), {2027, 5, 14}, 480, 180, 0, 0},
    // The June sun rises north of east and swings back: the azimuth of 70
    // degrees twice in one morning.
    {"Sanya, the azimuth turning back", siteAt(109.5L, 18.25L), {2027, 6, 21}, 480, 250, 0, 2},
    {"Quito, a zone west of UTC", siteAt(-78.5L, -0.2L), {2027, 9, 1}, -300, 80, 1, 0},
    // The December sun of Beijing rises beyond 120 degrees and sets short
    // of 240: neither 110 nor 290 is met.
    {"Beijing, no moment", siteAt(116.4L, 39.9L), {2026, 12, 8}, 480, 110, 0, 0},
};

TEST(SunAim, MomentsAreWhereTheSunsAzimuthIsTheTarget) {
    for (const Day& day : Days) {
        SCOPED_TRACE(day.name);
        SunAimDay search(day.site, day.date, day.zoneMinutes);
        const std::vector<SunAimMoment> moments = search.momentsAt(day.target);
        int counts[2] = {0, 0};
        const long double midnight = julianDay(day.date, -day.zoneMinutes * 60.0L);
        for (std::size_t i = 0; i < moments.size(); ++i) {
            const SunAimMoment& m = moments[i];
            ++counts[m.kind == SunAimKind::Toward ? 0 : 1];
            const long double target = day.target + (m.kind == SunAimKind::Toward ? 0 : 180);
            const HorizontalDirection sun = sunSeenFrom(day.site, m.julianDay);
            EXPECT_LT(std::fabs(offset(sun.azimuth, target)), 0.01L) << m.second;
            EXPECT_NEAR(static_cast<double>(m.sunElevation), static_cast<double>(sun.elevation),
                        0.01);
            EXPECT_GT(sun.elevation, 0);
            EXPECT_LT(sun.elevation, 88);
            EXPECT_EQ(m.second, std::llround((m.julianDay - midnight) * 86400));
            if (i > 0) {
                EXPECT_LT(moments[i - 1].julianDay, m.julianDay);
            }
        }
        EXPECT_EQ(counts[0], day.toward);
        EXPECT_EQ(counts[1], day.away);
        // None missed: the walk finds the same moments, each within a step.
        std::vector<long double> scanned =
            scannedMoments(day.site, day.date, day.zoneMinutes, day.target);
        const std::vector<long double> opposite =
            scannedMoments(day.site, day.date, day.zoneMinutes, day.target + 180);
        scanned.insert(scanned.end(), opposite.begin(), opposite.end());
        ASSERT_EQ(scanned.size(), moments.size());
        for (const long double s : scanned) {
            bool matched = false;
            for (const SunAimMoment& m : moments)
                matched = matched || std::fabs(m.second - s) <= 16;
            EXPECT_TRUE(matched) << s;
        }
    }
}

TEST(SunAim, SatelliteOnTheSitesMeridianIsMetAtNoon) {
    const struct {
        const char* name;
        ReceivingSite site;
        CalendarDate date;
        long double azimuth;
    } cases[] = {
        {"Beijing: due south", siteAt(116.4L, 39.9L), {2027, 3, 20}, 180},
        {"Sydney: due north", siteAt(151.2L, -33.87L), {2027, 7, 1}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SunAimResult result = sunAimMoments(c.site, c.site.longitude, c.date, 480);
        ASSERT_EQ(result.status, SunAimStatus::Found);
        EXPECT_NEAR(static_cast<double>(offset(result.satelliteAzimuth, c.azimuth)), 0, 1e-6);
        ASSERT_EQ(result.moments.size(), 1u);
        const SunAimMoment& noon = result.moments[0];
        EXPECT_EQ(noon.kind, SunAimKind::Toward);
        // The sun is at its highest: lower a minute on either side.
        for (const int side : {-60, 60}) {
            const HorizontalDirection d = sunSeenFrom(c.site, noon.julianDay + side / 86400.0L);
            EXPECT_LT(d.elevation, noon.sunElevation);
        }
    }
}

TEST(SunAim, SatelliteBelowTheHorizonHasNone) {
    const SunAimResult result = sunAimMoments(siteAt(116.4L, 39.9L), -60, {2027, 6, 21}, 480);
    EXPECT_EQ(result.status, SunAimStatus::NotVisible);
    EXPECT_TRUE(result.moments.empty());
}

TEST(SunAim, RefusesBadInput) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct {
        const char* name;
        ReceivingSite site;
        long double satellite;
        CalendarDate date;
        int zone;
    } cases[] = {
        {"latitude beyond 90", siteAt(116, 90.5L), 116, {2027, 6, 1}, 480},
        {"longitude not a number", siteAt(nan, 40), 116, {2027, 6, 1}, 480},
        {"satellite not a number", siteAt(116, 40), nan, {2027, 6, 1}, 480},
        {"year before 2000", siteAt(116, 40), 116, {1999, 12, 31}, 480},
        {"year after 2100", siteAt(116, 40), 116, {2101, 1, 1}, 480},
        {"no such date", siteAt(116, 40), 116, {2027, 2, 29}, 480},
        {"zone beyond 14 hours", siteAt(116, 40), 116, {2027, 6, 1}, 841},
        {"zone beyond -12 hours", siteAt(116, 40), 116, {2027, 6, 1}, -721},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SunAimResult result = sunAimMoments(c.site, c.satellite, c.date, c.zone);
        EXPECT_EQ(result.status, SunAimStatus::InvalidInput);
        EXPECT_TRUE(result.moments.empty());
    }
    // The edges themselves are accepted.
    EXPECT_EQ(sunAimMoments(siteAt(116, 40), 116, {2000, 1, 1}, -720).status, SunAimStatus::Found);
    EXPECT_EQ(sunAimMoments(siteAt(116, 40), 116, {2100, 12, 31}, 840).status, SunAimStatus::Found);
}

}  // namespace
