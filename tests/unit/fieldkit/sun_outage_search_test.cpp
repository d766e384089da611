#include "fieldkit/sun_outage_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "fieldkit/field_numbers.h"
#include "fieldkit/solar_position.h"
#include "tests/support/sites.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180;

// The equation of time in minutes, apparent less mean solar time, by
// Smart's formula from the sun's mean elements (Meeus 28.3): a few
// seconds, with nothing taken from the code under test.
double equationOfTimeMinutes(double julianDay) {
    const double T = (julianDay - 2451545) / 36525;
    const double epsilon = (23.4392911 - 0.0130042 * T) * Rad;
    const double y = std::tan(epsilon / 2) * std::tan(epsilon / 2);
    const double L0 = (280.46646 + 36000.76983 * T) * Rad;
    const double e = 0.016708634 - 0.000042037 * T;
    const double M = (357.52911 + 35999.05029 * T) * Rad;
    const double E = y * std::sin(2 * L0) - 2 * e * std::sin(M) +
                     4 * e * y * std::sin(M) * std::cos(2 * L0) - y * y / 2 * std::sin(4 * L0) -
                     1.25 * e * e * std::sin(2 * M);
    return E / Rad * 4;
}

// Where the satellite stands in the sky of the site, worked out in the
// frame of the site's meridian: its hour angle (west positive) and
// declination, degrees.
struct SkyPlace {
    double hourAngle;
    double declination;
};
SkyPlace satelliteSkyPlace(double siteLongitude, double siteLatitude, double satelliteLongitude) {
    const double a = 6378.137;
    const double e2 = 0.00669437999014;
    const double phi = siteLatitude * Rad;
    const double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
    const double axisDistance = n * std::cos(phi);
    const double height = n * (1 - e2) * std::sin(phi);
    const double dl = (satelliteLongitude - siteLongitude) * Rad;
    const double x = 42164.17 * std::cos(dl) - axisDistance;
    const double y = 42164.17 * std::sin(dl);
    return {std::atan2(-y, x) / Rad, std::atan2(-height, std::hypot(x, y)) / Rad};
}

long double separationAt(const GeodeticSite& site, long double satelliteLongitude,
                         long double julianDay) {
    const Vector3 s = siteEarthFixed(site);
    const Vector3 sun = sunEarthFixed(julianDay);
    const Vector3 satellite = geostationaryEarthFixed(satelliteLongitude);
    return separationDegrees({sun.x - s.x, sun.y - s.y, sun.z - s.z},
                             {satellite.x - s.x, satellite.y - s.y, satellite.z - s.z});
}

// A request for the satellite at `satellite` degrees east, with this dish,
// band and zone.
SunOutageRequest outageRequest(long double satellite, long double diameter, long double frequency,
                               int zone) {
    SunOutageRequest request;
    request.satelliteLongitude = satellite;
    request.dishDiameterM = diameter;
    request.frequencyHz = frequency;
    request.zoneOffsetMinutes = zone;
    return request;
}

// What every outage day holds to: the instants are the search's own (the
// separation, summed from the series there, is the least one and the
// threshold), and the seconds are those instants rounded in the zone.
void expectSoundDays(const SunOutageYear& result, const GeodeticSite& site,
                     long double satelliteLongitude, int zoneOffsetMinutes) {
    for (const SunOutageDay& d : result.days) {
        SCOPED_TRACE(dateText(d.date));
        EXPECT_EQ(d.date.year, result.year);
        EXPECT_GE(d.peakSecond, 0);
        EXPECT_LT(d.peakSecond, 86400);
        EXPECT_LT(d.startSecond, d.peakSecond);
        EXPECT_LT(d.peakSecond, d.endSecond);
        EXPECT_EQ(d.durationSeconds, d.endSecond - d.startSecond);
        const long double midnight = julianDay(d.date, -zoneOffsetMinutes * 60.0L);
        const struct {
            int second;
            long double instant;
        } instants[] = {{d.startSecond, d.startJulianDay},
                        {d.peakSecond, d.peakJulianDay},
                        {d.endSecond, d.endJulianDay}};
        for (const auto& i : instants)
            EXPECT_LE(std::fabs(static_cast<double>((i.instant - midnight) * 86400) - i.second),
                      0.5 + 1e-6);

        const double least = static_cast<double>(d.minSeparation);
        EXPECT_LT(least, static_cast<double>(result.threshold));
        EXPECT_NEAR(static_cast<double>(separationAt(site, satelliteLongitude, d.peakJulianDay)),
                    least, 1e-5);
        for (long double step : {-5.0L, 5.0L})
            EXPECT_GT(static_cast<double>(
                          separationAt(site, satelliteLongitude, d.peakJulianDay + step / 86400)),
                      least);
        for (long double edge : {d.startJulianDay, d.endJulianDay})
            EXPECT_NEAR(static_cast<double>(separationAt(site, satelliteLongitude, edge)),
                        static_cast<double>(result.threshold), 2e-5);
    }
}

TEST(SunOutage, BeamwidthAndThreshold) {
    struct Case {
        Band band;
        double frequency;
        double diameter;
        double beamwidth;  // 70 x 299792458 / frequency / diameter, by hand
        double threshold;
    };
    const Case cases[] = {
        {Band::Ku, 12.25e9, 0.6, 2.855166, 1.677583}, {Band::C, 4.0e9, 0.6, 8.743947, 4.621973},
        {Band::Ka, 20.2e9, 0.6, 1.731475, 1.115737},  {Band::C, 4.0e9, 0.45, 11.658596, 6.079298},
        {Band::Ku, 12.25e9, 9, 0.190344, 0.345172},   {Band::Ka, 20.2e9, 9, 0.115432, 0.307716},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<double>(bandFrequencyHz(c.band)), c.frequency);
        const long double beamwidth = beamwidthDegrees(c.diameter, bandFrequencyHz(c.band));
        EXPECT_NEAR(static_cast<double>(beamwidth), c.beamwidth, 1e-6);
        EXPECT_NEAR(static_cast<double>(outageThresholdDegrees(beamwidth)), c.threshold, 1e-6);
    }
    // The default dish: 0.6 m at Ku band.
    const SunOutageRequest defaults;
    EXPECT_EQ(defaults.dishDiameterM, 0.6L);
    EXPECT_EQ(defaults.frequencyHz, KuBandHz);
    EXPECT_EQ(defaults.zoneOffsetMinutes, 480);
    EXPECT_NEAR(static_cast<double>(beamwidthDegrees(0.6L, KuBandHz)), 2.8552, 5e-5);
    EXPECT_NEAR(static_cast<double>(outageThresholdDegrees(beamwidthDegrees(0.6L, KuBandHz))),
                1.6776, 5e-5);
}

// Each case worked by hand from the satellite's place in the sky: the peak
// is when the sun's hour angle is the satellite's, that is apparent noon
// (12:00 less the equation of time, at the zone's meridian less the site's
// longitude) plus the satellite's hour angle; the least separation is the
// difference of the declinations; an outage lasts while the sun, running
// along its daily circle at 360 degrees a day times cos(declination), is
// within the threshold; and a season lasts as long as the sun's
// declination, changing by 0.37 to 0.41 degree a day, stays within the
// threshold of the satellite's.
TEST(SunOutage, AgreesWithTheSkyWorkedByHand) {
    struct Case {
        const char* name;
        double siteLongitude, siteLatitude, satellite;
        double diameter, frequency;
        int zone, year;
    };
    const Case cases[] = {
        {"equator, straight overhead", 100, 0, 100, 0.6, 12.25e9, 0, 2026},
        {"Beijing to 105.5 E", 116.46, 39.92, 105.5, 0.6, 12.25e9, 480, 2027},
        {"Urumqi to 125 E, in the morning", 87.6, 43.8, 125, 0.6, 12.25e9, 480, 2026},
        {"Sydney to 156 E, southern", 151.21, -33.87, 156, 0.6, 12.25e9, 600, 2026},
        {"Beijing, 9 m dish", 116.46, 39.92, 105.5, 9, 12.25e9, 480, 2027},
        {"Beijing, 0.45 m C band", 116.46, 39.92, 105.5, 0.45, 4e9, 480, 2027},
        {"Kashgar, Ka band, UTC", 75.99, 39.47, 87.5, 1.2, 20.2e9, 0, 2030},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SunOutageRequest request =
            outageRequest(c.satellite, c.diameter, c.frequency, c.zone);
        const SunOutageYear result =
            predictSunOutages(siteAt(c.siteLongitude, c.siteLatitude), c.year, request);
        ASSERT_EQ(result.status, SunOutageStatus::Predicted);
        const double threshold = static_cast<double>(result.threshold);
        EXPECT_NEAR(threshold, 70 * 299792458.0 / c.frequency / c.diameter / 2 + 0.25, 1e-9);
        expectSoundDays(result, {c.siteLongitude, c.siteLatitude, 0}, c.satellite, c.zone);

        const SkyPlace place = satelliteSkyPlace(c.siteLongitude, c.siteLatitude, c.satellite);
        const std::vector<SunOutageSeason> seasons = groupSeasons(result.days);
        ASSERT_EQ(seasons.size(), 2u);
        const double shortest = 2 * threshold / 0.41 - 1;
        const double longest = 2 * threshold / 0.37 + 1;
        for (const SunOutageSeason& season : seasons) {
            SCOPED_TRACE(dateText(season.firstDay));
            EXPECT_GE(season.dayCount, shortest);
            EXPECT_LE(season.dayCount, longest);
            // The deepest day comes when the sun's declination, 0 at the
            // equinox, is the satellite's.
            const bool spring = season.firstDay.month < 6;
            const long equinox = julianDayNumber({c.year, spring ? 3 : 9, spring ? 20 : 23});
            const SunOutageDay* deepest = nullptr;
            for (const SunOutageDay& d : result.days)
                if (d.date.month / 6 == season.firstDay.month / 6 &&
                    (!deepest || d.minSeparation < deepest->minSeparation))
                    deepest = &d;
            ASSERT_NE(deepest, nullptr);
            const double daysAfter = (spring ? 1 : -1) * place.declination / 0.395;
            EXPECT_NEAR(julianDayNumber(deepest->date) - equinox, daysAfter, 1.5);
        }
        for (const SunOutageDay& d : result.days) {
            SCOPED_TRACE(dateText(d.date));
            const double peak = static_cast<double>(d.peakJulianDay);
            const double noon = 43200 + ((c.zone / 60.0) * 15 - c.siteLongitude) * 240 -
                                equationOfTimeMinutes(peak) * 60;
            // Smart's formula and the rounding: within 2 s here.
            EXPECT_NEAR(d.peakSecond, noon + place.hourAngle * 240, 4);

            const double sunDeclination =
                static_cast<double>(apparentSun(terrestrialTime(d.peakJulianDay)).declination);
            const double least = static_cast<double>(d.minSeparation);
            // Less the sun's parallax, at most 8.8".
            EXPECT_NEAR(least, std::fabs(sunDeclination - place.declination), 0.003);

            // The sun's hour angle from the satellite's at the threshold, on
            // the sphere: cos t = sin d sin ds + cos d cos ds cos h, with the
            // sun's declination d as seen from the site (the least separation
            // from ds, which takes in the parallax that matters on short days).
            const double side = sunDeclination < place.declination ? -1 : 1;
            const double d1 = (place.declination + side * least) * Rad;
            const double d2 = place.declination * Rad;
            const double cosH = (std::cos(threshold * Rad) - std::sin(d1) * std::sin(d2)) /
                                (std::cos(d1) * std::cos(d2));
            const double duration = 2 * std::acos(cosH) / Rad * 240;
            EXPECT_NEAR(d.durationSeconds, duration, 3);
        }
    }
}

// Beijing to 105.5 E with 0.6 m at Ku band, spring 2027: nine days in early
// March, the deepest on the 5th, as the command line's example output shows
// it: 13:08:32 to 13:22:01 Beijing time, peak 13:15:17, 809 s, 0.0753
// degree (to the second either way: whether the seconds are cut or rounded).
TEST(SunOutage, BeijingSpring2027) {
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    const SunOutageYear result = predictSunOutages(siteAt(116.46L, 39.92L), 2027, request);
    ASSERT_EQ(result.status, SunOutageStatus::Predicted);
    const std::vector<SunOutageSeason> seasons = groupSeasons(result.days);
    ASSERT_EQ(seasons.size(), 2u);
    const SunOutageSeason& spring = seasons[0];
    EXPECT_EQ(dateText(spring.firstDay), "2027-03-01");
    EXPECT_EQ(dateText(spring.lastDay), "2027-03-09");
    EXPECT_EQ(spring.dayCount, 9);
    const SunOutageDay& deepest = spring.longest;
    EXPECT_EQ(dateText(deepest.date), "2027-03-05");
    EXPECT_NEAR(deepest.startSecond, 13 * 3600 + 8 * 60 + 32, 1);
    EXPECT_NEAR(deepest.peakSecond, 13 * 3600 + 15 * 60 + 17, 1);
    EXPECT_NEAR(deepest.endSecond, 13 * 3600 + 22 * 60 + 1, 1);
    EXPECT_NEAR(deepest.durationSeconds, 809, 1);
    EXPECT_NEAR(static_cast<double>(deepest.minSeparation), 0.0753, 0.0001);
    for (int i = 0; i < spring.dayCount; ++i) {
        const SunOutageDay& d = result.days[static_cast<std::size_t>(i)];
        EXPECT_EQ(d.date.month, 3);
        EXPECT_EQ(d.date.day, 1 + i);
        EXPECT_GT(d.peakSecond, 13 * 3600 + 10 * 60);
        EXPECT_LT(d.peakSecond, 13 * 3600 + 20 * 60);
        EXPECT_LE(d.durationSeconds, deepest.durationSeconds);
    }
    // The same instants in UTC, eight hours earlier, on the same dates.
    request.zoneOffsetMinutes = 0;
    const SunOutageYear utc = predictSunOutages(siteAt(116.46L, 39.92L), 2027, request);
    ASSERT_EQ(utc.days.size(), result.days.size());
    for (std::size_t i = 0; i < utc.days.size(); ++i) {
        EXPECT_EQ(dateText(utc.days[i].date), dateText(result.days[i].date));
        EXPECT_EQ(utc.days[i].peakSecond, result.days[i].peakSecond - 8 * 3600);
        EXPECT_EQ(utc.days[i].durationSeconds, result.days[i].durationSeconds);
    }
}

TEST(SunOutage, SatelliteBelowTheHorizon) {
    SunOutageRequest request;
    request.satelliteLongitude = -63.54L;  // the far side of the Earth from Beijing
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    ASSERT_FALSE(computeFieldNumbers(request.satelliteLongitude, beijing, 0).visible);
    const SunOutageYear result = predictSunOutages(beijing, 2027, request);
    EXPECT_EQ(result.status, SunOutageStatus::NotVisible);
    EXPECT_TRUE(result.days.empty());
    EXPECT_NEAR(static_cast<double>(result.threshold), 1.677583, 1e-6);

    // At the pole no satellite rises.
    request.satelliteLongitude = 0;
    EXPECT_EQ(predictSunOutages(siteAt(0, 90), 2027, request).status, SunOutageStatus::NotVisible);
    EXPECT_EQ(nextSunOutageSeasons(beijing, {2027, 1, 1}, {-63.54L}).status,
              SunOutageStatus::NotVisible);
}

TEST(SunOutage, RefusesBadInput) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double infinity = std::numeric_limits<long double>::infinity();
    // 0.085654988 m at Ku band is a beam of exactly 20 degrees.
    struct Case {
        const char* what;
        long double longitude, latitude, height, diameter, frequency, satellite;
        int zone, year;
        bool valid;
    };
    const Case cases[] = {
        {"the defaults", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 480, 2027, true},
        {"year 1999", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 480, 1999, false},
        {"year 2101", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 480, 2101, false},
        {"latitude 90.001", 116.46L, 90.001L, 0, 0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"latitude -90.001", 116.46L, -90.001L, 0, 0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"longitude NaN", nan, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"height -1000", 116.46L, 39.92L, -1000, 0.6L, KuBandHz, 105.5L, 480, 2027, true},
        {"height -1001", 116.46L, 39.92L, -1001, 0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"height 100000", 116.46L, 39.92L, 100000, 0.6L, KuBandHz, 105.5L, 480, 2027, true},
        {"height 100001", 116.46L, 39.92L, 100001, 0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"zone -720", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, -720, 2027, true},
        {"zone -721", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, -721, 2027, false},
        {"zone 840", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 840, 2027, true},
        {"zone 841", 116.46L, 39.92L, 0, 0.6L, KuBandHz, 105.5L, 841, 2027, false},
        {"diameter 0", 116.46L, 39.92L, 0, 0, KuBandHz, 105.5L, 480, 2027, false},
        {"diameter -0.6", 116.46L, 39.92L, 0, -0.6L, KuBandHz, 105.5L, 480, 2027, false},
        {"diameter infinite", 116.46L, 39.92L, 0, infinity, KuBandHz, 105.5L, 480, 2027, false},
        {"frequency 0", 116.46L, 39.92L, 0, 0.6L, 0, 105.5L, 480, 2027, false},
        {"frequency NaN", 116.46L, 39.92L, 0, 0.6L, nan, 105.5L, 480, 2027, false},
        {"satellite infinite", 116.46L, 39.92L, 0, 0.6L, KuBandHz, infinity, 480, 2027, false},
        {"beam 20.001", 116.46L, 39.92L, 0, 0.08565L, KuBandHz, 105.5L, 480, 2027, false},
        {"beam 19.999", 116.46L, 39.92L, 0, 0.08566L, KuBandHz, 105.5L, 480, 2027, true},
    };
    for (const Case& c : cases) {
        SunOutageRequest request = outageRequest(c.satellite, c.diameter, c.frequency, c.zone);
        request.siteHeightM = c.height;
        const SunOutageYear result =
            predictSunOutages(siteAt(c.longitude, c.latitude), c.year, request);
        EXPECT_EQ(result.status == SunOutageStatus::Predicted, c.valid) << c.what;
        if (!c.valid) {
            EXPECT_EQ(result.status, SunOutageStatus::InvalidInput) << c.what;
            EXPECT_TRUE(result.days.empty()) << c.what;
            EXPECT_EQ(result.threshold, 0) << c.what;
        }
    }
}

// The first and last years, the equator and 80 degrees north and south
// (where the satellite due south, or north, stands 1.3 degrees high).
TEST(SunOutage, EdgesOfTheYearsAndTheGlobe) {
    struct Case {
        double longitude, latitude, satellite;
        int year;
    };
    const Case cases[] = {
        {116.46, 39.92, 105.5, 2000}, {116.46, 39.92, 105.5, 2100}, {0, 0, 0, 2050},
        {-70, 0, -30, 2000},          {20, 80, 20, 2030},           {-150, -80, -150, 2099},
        {179.9, 30, -179.9, 2040},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.latitude) + " " + std::to_string(c.year));
        SunOutageRequest request;
        request.satelliteLongitude = c.satellite;
        request.zoneOffsetMinutes = 0;
        const SunOutageYear result =
            predictSunOutages(siteAt(c.longitude, c.latitude), c.year, request);
        ASSERT_EQ(result.status, SunOutageStatus::Predicted);
        expectSoundDays(result, {c.longitude, c.latitude, 0}, c.satellite, 0);
        const std::vector<SunOutageSeason> seasons = groupSeasons(result.days);
        ASSERT_EQ(seasons.size(), 2u);
        for (const SunOutageSeason& season : seasons) {
            EXPECT_GE(season.dayCount, 7);
            EXPECT_LE(season.dayCount, 11);
        }
    }
}

// A zone that puts the peaks at midnight: some outages start the evening
// before, two peaks can share a date, and the seasons hold all the same.
TEST(SunOutage, OutagesOverMidnight) {
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    request.zoneOffsetMinutes = -316;  // Beijing's peaks near 05:16 UTC
    const SunOutageYear result = predictSunOutages(siteAt(116.46L, 39.92L), 2027, request);
    ASSERT_EQ(result.status, SunOutageStatus::Predicted);
    expectSoundDays(result, {116.46L, 39.92L, 0}, 105.5L, request.zoneOffsetMinutes);
    bool before = false;
    bool after = false;
    for (const SunOutageDay& d : result.days) {
        before = before || d.startSecond < 0;
        after = after || d.endSecond >= 86400;
    }
    EXPECT_TRUE(before);
    EXPECT_TRUE(after);
    const std::vector<SunOutageSeason> seasons = groupSeasons(result.days);
    ASSERT_EQ(seasons.size(), 2u);
    EXPECT_EQ(seasons[0].dayCount, 9);
    EXPECT_EQ(seasons[1].dayCount, 9);
    char text[TimeTextCapacity];
    formatTimeOfDay(result.days[0].startSecond, text);
    EXPECT_EQ(std::string(text).substr(0, 3), "23:");
}

// 哈尔滨 (126.64, 45.76) and 国际18号 at 180.0 degrees, a 0.6 m dish in the
// C band: in UTC its outages run over midnight. Each day keeps the peak's
// date; the start and end have theirs, and the marks say which.
TEST(SunOutage, TheDaysOfAnOutageOverMidnight) {
    struct Case {
        int zoneOffsetMinutes;
        CalendarDate date;
        CalendarDate startDate;
        const char* start;  // with its day mark
        CalendarDate endDate;
        const char* end;
    };
    const Case cases[] = {
        {0, {2026, 2, 19}, {2026, 2, 19}, "23:48:08", {2026, 2, 19}, "23:58:00"},
        {0, {2026, 2, 20}, {2026, 2, 20}, "23:44:18", {2026, 2, 21}, "00:01:36+1"},
        {0, {2026, 3, 1}, {2026, 3, 1}, "23:33:08", {2026, 3, 2}, "00:09:53+1"},
        // The same outage in Beijing time lies within one morning.
        {BeijingZoneMinutes, {2026, 2, 21}, {2026, 2, 21}, "07:44:18", {2026, 2, 21}, "08:01:36"},
        // Ten minutes east of UTC the peak is past midnight, the start before it.
        {10, {2026, 2, 21}, {2026, 2, 20}, "23:54:18-1", {2026, 2, 21}, "00:11:36"},
    };
    SunOutageRequest request;
    request.satelliteLongitude = 180;
    request.frequencyHz = CBandHz;
    for (const Case& c : cases) {
        request.zoneOffsetMinutes = c.zoneOffsetMinutes;
        const SunOutageYear year = predictSunOutages(siteAt(126.64L, 45.76L), 2026, request);
        const std::string date = dateText(c.date);
        SCOPED_TRACE(date + " at " + std::to_string(c.zoneOffsetMinutes));
        const SunOutageDay* found = nullptr;
        for (const SunOutageDay& day : year.days) {
            if (dateText(day.date) == date) found = &day;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(dateText(found->startDate), dateText(c.startDate));
        EXPECT_EQ(dateText(found->endDate), dateText(c.endDate));
        EXPECT_EQ(timeOfDayText(found->startSecond) + dayMark(found->startSecond), c.start);
        EXPECT_EQ(timeOfDayText(found->endSecond) + dayMark(found->endSecond), c.end);
        EXPECT_EQ(dayMark(found->peakSecond), "") << "the peak is on the day's date";
    }
}

TEST(SunOutage, NextSeasons) {
    const ReceivingSite beijing = siteAt(116.46L, 39.92L);
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    struct Case {
        CalendarDate from;
        const char* firstSeason;  // first day .. last day
        const char* secondSeason;
    };
    const Case cases[] = {
        {{2027, 1, 1}, "2027-03-01..2027-03-09", "2027-10-05..2027-10-13"},
        {{2027, 3, 5}, "2027-03-01..2027-03-09", "2027-10-05..2027-10-13"},  // under way
        {{2027, 3, 9}, "2027-03-01..2027-03-09", "2027-10-05..2027-10-13"},  // its last day
        {{2027, 3, 10}, "2027-10-05..2027-10-13", "2028-"},
        {{2027, 12, 31}, "2028-", "2028-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(dateText(c.from));
        const NextSunOutageSeasons next = nextSunOutageSeasons(beijing, c.from, request);
        ASSERT_EQ(next.status, SunOutageStatus::Predicted);
        ASSERT_EQ(next.seasons.size(), 2u);
        const std::string texts[2] = {
            dateText(next.seasons[0].firstDay) + ".." + dateText(next.seasons[0].lastDay),
            dateText(next.seasons[1].firstDay) + ".." + dateText(next.seasons[1].lastDay)};
        EXPECT_EQ(texts[0].substr(0, std::string(c.firstSeason).size()), c.firstSeason);
        EXPECT_EQ(texts[1].substr(0, std::string(c.secondSeason).size()), c.secondSeason);
        EXPECT_LT(julianDayNumber(next.seasons[0].lastDay),
                  julianDayNumber(next.seasons[1].firstDay));
        EXPECT_GE(julianDayNumber(next.seasons[0].lastDay), julianDayNumber(c.from));
    }
    // Nothing is predicted beyond 2100.
    EXPECT_EQ(nextSunOutageSeasons(beijing, {2100, 9, 1}, request).seasons.size(), 1u);
    EXPECT_TRUE(nextSunOutageSeasons(beijing, {2100, 12, 1}, request).seasons.empty());
    EXPECT_EQ(nextSunOutageSeasons(beijing, {2027, 2, 29}, request).status,
              SunOutageStatus::InvalidInput);
    EXPECT_EQ(nextSunOutageSeasons(beijing, {2101, 1, 1}, request).status,
              SunOutageStatus::InvalidInput);
}

// One search shared by several satellites, asked for the next season only,
// finds what the years' outages show: on a season's first and last day and
// the days either side, the search skipping the seasons that have ended.
TEST(SunOutage, SharedSearchFindsTheYearsSeasons) {
    const ReceivingSite kashgar = siteAt(75.99L, 39.47L);
    const struct {
        long double satellite;
        int zoneOffsetMinutes;
        long double dishMetres;
    } cases[] = {{87.5L, 480, 0.6L}, {105.5L, -600, 0.6L}, {134, 840, 0.45L}, {51.5L, 0, 3}};
    SunOutageSearch search(2027, 2028);
    for (const auto& c : cases) {
        SunOutageRequest request;
        request.satelliteLongitude = c.satellite;
        request.zoneOffsetMinutes = c.zoneOffsetMinutes;
        request.dishDiameterM = c.dishMetres;
        std::vector<SunOutageSeason> seasons;
        for (int year : {2027, 2028})
            for (const SunOutageSeason& season :
                 groupSeasons(predictSunOutages(kashgar, year, request).days))
                seasons.push_back(season);
        ASSERT_EQ(seasons.size(), 4u);
        for (std::size_t i = 0; i < 2; ++i) {
            const long firstDay = julianDayNumber(seasons[i].firstDay);
            const long lastDay = julianDayNumber(seasons[i].lastDay);
            for (long from : {firstDay - 1, firstDay, lastDay, lastDay + 1}) {
                SCOPED_TRACE(dateText(dateOfJulianDayNumber(from)));
                const NextSunOutageSeasons next =
                    search.nextSeasons(kashgar, dateOfJulianDayNumber(from), request, 1);
                const SunOutageSeason& expected = seasons[from > lastDay ? i + 1 : i];
                ASSERT_EQ(next.seasons.size(), 1u);
                EXPECT_EQ(dateText(next.seasons[0].firstDay), dateText(expected.firstDay));
                EXPECT_EQ(dateText(next.seasons[0].lastDay), dateText(expected.lastDay));
                EXPECT_EQ(next.seasons[0].dayCount, expected.dayCount);
                EXPECT_EQ(next.seasons[0].longest.peakJulianDay, expected.longest.peakJulianDay);
            }
        }
    }
}

}  // namespace
