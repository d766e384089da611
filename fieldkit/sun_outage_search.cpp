#include "fieldkit/sun_outage_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "calc/trig.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/root_finding.h"
#include "fieldkit/solar_position.h"
#include "numtext/decimal_power.h"

namespace {

// How fast the sun runs along its daily circle in the Earth-fixed frame:
// one turn per solar day, in degrees per second.
constexpr long double SunDailyRate = 360.0L / 86400;
// Far enough on either side of the likeliest day that a season of the widest
// accepted beam ends inside: 10.25 degrees at 0.39 degree a day is 27 days.
constexpr int LongestSeasonWalk = 60;
// How far on either side of a daily pass's alignment its peak is searched.
constexpr long double PeakSearchSeconds = 900;

// `angle` brought into -180 < a <= 180.
long double halfCircle(long double angle) {
    long double a = std::fmod(angle, 360.0L);
    if (a > 180) a -= 360;
    if (a <= -180) a += 360;
    return a;
}

// Days from J2000JulianDay (UT) of 00:00 UT of a date.
long double daysFromJ2000(const CalendarDate& date) { return midnightFromJ2000(date, 0); }

// The site and the satellite in the Earth-fixed frame.
struct OutageGeometry {
    Vector3 site;
    Vector3 toSatellite;               // from the site
    long double satelliteLongitude;    // of that direction in the Earth-fixed frame, degrees
    long double satelliteDeclination;  // likewise
    long double threshold;
};

OutageGeometry outageGeometry(const ReceivingSite& site, const SunOutageRequest& request,
                              long double threshold) {
    OutageGeometry g;
    g.site = siteEarthFixed({site.longitude, site.latitude, request.siteHeightM});
    g.toSatellite = difference(geostationaryEarthFixed(request.satelliteLongitude), g.site);
    g.satelliteLongitude = std::atan2(g.toSatellite.y, g.toSatellite.x) / RadiansPerDegree;
    g.satelliteDeclination =
        std::atan2(g.toSatellite.z, std::hypot(g.toSatellite.x, g.toSatellite.y)) /
        RadiansPerDegree;
    g.threshold = threshold;
    return g;
}

long double separationAt(NodedSun& sun, const OutageGeometry& g, long double t) {
    return separationDegrees(difference(sun.earthFixed(t), g.site), g.toSatellite);
}

// When the sun's declination is the satellite's, between days a and b on
// either side of which it lies: secant steps from `guess`, which also keep
// to the nodes the season needs, or the false position over [a, b] should
// they stray.
std::optional<long double> declinationCrossing(NodedSun& sun, const OutageGeometry& g,
                                               long double guess, long double a, long double b) {
    auto offset = [&](long double t) { return sun.declination(t) - g.satelliteDeclination; };
    long double t0 = guess;
    long double t1 = guess + 1;
    long double f0 = offset(t0);
    long double f1 = offset(t1);
    for (int i = 0; i < 8 && f1 != f0; ++i) {
        const long double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        if (!(t2 > a && t2 < b)) break;
        if (std::fabs(t2 - t1) < 1e-3L) return t2;
        t0 = t1;
        f0 = f1;
        t1 = t2;
        f1 = offset(t1);
    }
    const long double fa = offset(a);
    const long double fb = offset(b);
    if ((fa < 0) == (fb < 0)) return std::nullopt;
    return findRoot(offset, a, fa, b, fb, 1e-3L);
}

// The moment near `t` (within half a day) when the sun stands in the
// satellite's direction in the Earth-fixed frame, seen from the centre.
long double alignment(NodedSun& sun, const OutageGeometry& g, long double t) {
    for (int i = 0; i < 4; ++i) {
        const Vector3 s = sun.earthFixed(t);
        const long double ahead =
            halfCircle(std::atan2(s.y, s.x) / RadiansPerDegree - g.satelliteLongitude);
        // The sun's Earth-fixed longitude falls by about 360 degrees a day.
        t += ahead / 360;
    }
    return t;
}

struct RawOutage {
    long double start;  // days from J2000 (UT)
    long double peak;
    long double end;
    long double minSeparation;
};

// The outage of the daily pass near the alignment `t`, if any.
std::optional<RawOutage> outageNear(NodedSun& sun, const OutageGeometry& g, long double t) {
    // In seconds from the alignment; the least separation lies within
    // seconds of it (the sun's parallax and its change of declination).
    auto separation = [&](long double s) { return separationAt(sun, g, t + s / SecondsPerDay); };
    long double peak = 0;
    const long double least =
        findMinimum(separation, -PeakSearchSeconds, PeakSearchSeconds, 1e-3L, peak);
    if (!(least < g.threshold)) return std::nullopt;

    auto excess = [&](long double s) { return separation(s) - g.threshold; };
    const long double cosDeclination = std::cos(g.satelliteDeclination * RadiansPerDegree);
    const long double halfLength =
        std::sqrt(g.threshold * g.threshold - least * least) / (SunDailyRate * cosDeclination);
    long double crossing[2] = {0, 0};
    for (int side = 0; side < 2; ++side) {
        const long double direction = side == 0 ? -1 : 1;
        long double reach = 1.25L * halfLength + 30;
        long double outer = excess(peak + direction * reach);
        while (outer <= 0 && reach < SecondsPerDay / 4) {
            reach *= 2;
            outer = excess(peak + direction * reach);
        }
        crossing[side] =
            findRoot(excess, peak, least - g.threshold, peak + direction * reach, outer, 1e-3L);
    }
    return RawOutage{t + crossing[0] / SecondsPerDay, t + peak / SecondsPerDay,
                     t + crossing[1] / SecondsPerDay, least};
}

// The outages of one season: from its centre, the daily pass nearest the
// moment the sun's declination is the satellite's, outward while there is
// one.
void collectSeason(NodedSun& sun, const OutageGeometry& g, long double centre,
                   std::vector<RawOutage>& outages) {
    for (int direction = -1; direction <= 1; direction += 2) {
        for (int k = direction < 0 ? 0 : 1; k <= LongestSeasonWalk; ++k) {
            const long double near = alignment(sun, g, centre + direction * k);
            const std::optional<RawOutage> outage = outageNear(sun, g, near);
            if (!outage) break;
            outages.push_back(*outage);
        }
    }
}

// True when the season about `centre` surely ends before `before` (days
// from J2000, UT): the walk outward stops at the first pass without an
// outage, so such a pass whose peak would fall before `before`, however the
// zone rounds it, ends the season before it. False when that is not sure:
// the season is then searched.
bool endsBefore(NodedSun& sun, const OutageGeometry& g, long double centre, long double before) {
    const long double k = std::floor(before - centre) - 1;
    // The walk's last pass lies within half a day of centre + LongestSeasonWalk.
    if (k > LongestSeasonWalk) return true;
    if (k < 1) return false;
    const long double near = alignment(sun, g, centre + k);
    return near + (PeakSearchSeconds + 1) / SecondsPerDay < before && !outageNear(sun, g, near);
}

// Seconds since 00:00 of 2000-01-01 in the zone, rounded.
long long zoneSecond(long double t, int zoneOffsetMinutes) {
    return std::llround(t * SecondsPerDay + SecondsPerDay / 2 + zoneOffsetMinutes * 60.0L);
}

SunOutageDay outageDay(const RawOutage& raw, int zoneOffsetMinutes) {
    const long long peak = zoneSecond(raw.peak, zoneOffsetMinutes);
    const long long start = zoneSecond(raw.start, zoneOffsetMinutes);
    const long long end = zoneSecond(raw.end, zoneOffsetMinutes);
    const long long day = dayOfSecond(peak);
    const long long midnight = day * 86400;
    SunOutageDay d;
    // Day 0 is 2000-01-01, Julian day number 2451545.
    d.date = dateOfJulianDayNumber(static_cast<long>(2451545 + day));
    d.startDate = dateOfJulianDayNumber(static_cast<long>(2451545 + dayOfSecond(start)));
    d.endDate = dateOfJulianDayNumber(static_cast<long>(2451545 + dayOfSecond(end)));
    d.startSecond = static_cast<int>(start - midnight);
    d.peakSecond = static_cast<int>(peak - midnight);
    d.endSecond = static_cast<int>(end - midnight);
    d.durationSeconds = static_cast<int>(end - start);
    d.minSeparation = raw.minSeparation;
    d.startJulianDay = J2000JulianDay + raw.start;
    d.peakJulianDay = J2000JulianDay + raw.peak;
    d.endJulianDay = J2000JulianDay + raw.end;
    return d;
}

// The request checked and the satellite seen: the year's result without its
// days, its status Predicted when the search is to be made.
SunOutageYear checkedYear(const ReceivingSite& site, int year, const SunOutageRequest& request) {
    SunOutageYear result;
    result.year = year;
    const bool dishValid = std::isfinite(request.dishDiameterM) && request.dishDiameterM > 0 &&
                           std::isfinite(request.frequencyHz) && request.frequencyHz > 0;
    const long double beamwidth =
        dishValid ? beamwidthDegrees(request.dishDiameterM, request.frequencyHz) : 0;
    if (!dishValid || !(beamwidth > 0 && beamwidth <= WidestOutageBeamwidth) ||
        year < FirstOutageYear || year > LastOutageYear ||
        !isOutageSite(site, request.siteHeightM) || !std::isfinite(request.satelliteLongitude) ||
        !isZoneOffset(request.zoneOffsetMinutes))
        return result;
    result.beamwidth = beamwidth;
    result.threshold = outageThresholdDegrees(beamwidth);
    result.status = computeFieldNumbers(request.satelliteLongitude, site, 0).visible
                        ? SunOutageStatus::Predicted
                        : SunOutageStatus::NotVisible;
    return result;
}

// The sun's declination rises through the satellite's between February and
// May, by about 0.4 degree a day from 0 at the March equinox, and falls
// through it between August and November: a season in each window.
struct SeasonWindow {
    CalendarDate from, to, equinox;
    long double rate;
};

std::array<SeasonWindow, 2> seasonWindows(int year) {
    return {{{{year, 2, 1}, {year, 5, 1}, {year, 3, 20}, 0.4L},
             {{year, 8, 1}, {year, 11, 1}, {year, 9, 23}, -0.4L}}};
}

std::optional<long double> windowCrossing(NodedSun& sun, const OutageGeometry& g,
                                          const SeasonWindow& w) {
    const long double guess = daysFromJ2000(w.equinox) + g.satelliteDeclination / w.rate;
    return declinationCrossing(sun, g, guess, daysFromJ2000(w.from), daysFromJ2000(w.to));
}

// The outages whose peaks fall in `year` in the zone, in time order.
std::vector<SunOutageDay> daysOfYear(std::vector<RawOutage>& outages, int year,
                                     int zoneOffsetMinutes) {
    std::sort(outages.begin(), outages.end(),
              [](const RawOutage& a, const RawOutage& b) { return a.peak < b.peak; });
    std::vector<SunOutageDay> days;
    for (const RawOutage& raw : outages) {
        const SunOutageDay day = outageDay(raw, zoneOffsetMinutes);
        if (day.date.year == year) days.push_back(day);
    }
    return days;
}

int searchYear(int year) { return std::clamp(year, FirstOutageYear, LastOutageYear); }

}  // namespace

SunOutageYear predictSunOutages(const ReceivingSite& site, int year,
                                const SunOutageRequest& request) {
    SunOutageSearch search(year, year);
    return search.outagesOfYear(site, year, request);
}

NextSunOutageSeasons nextSunOutageSeasons(const ReceivingSite& site, const CalendarDate& from,
                                          const SunOutageRequest& request) {
    SunOutageSearch search(from.year, from.year + 1);
    return search.nextSeasons(site, from, request);
}

SunOutageSearch::SunOutageSearch(int firstYear, int lastYear)
    : sun_(daysFromJ2000({searchYear(std::min(firstYear, lastYear)), 1, 1}) - 2,
           daysFromJ2000({searchYear(std::max(firstYear, lastYear)), 1, 1}) + 368) {}

SunOutageYear SunOutageSearch::outagesOfYear(const ReceivingSite& site, int year,
                                             const SunOutageRequest& request) {
    ExtendedPrecisionScope precision;
    SunOutageYear result = checkedYear(site, year, request);
    if (result.status != SunOutageStatus::Predicted) return result;
    const OutageGeometry g = outageGeometry(site, request, result.threshold);
    std::vector<RawOutage> outages;
    for (const SeasonWindow& w : seasonWindows(year)) {
        const std::optional<long double> crossing = windowCrossing(sun_, g, w);
        if (crossing) collectSeason(sun_, g, alignment(sun_, g, *crossing), outages);
    }
    result.days = daysOfYear(outages, year, request.zoneOffsetMinutes);
    return result;
}

NextSunOutageSeasons SunOutageSearch::nextSeasons(const ReceivingSite& site,
                                                  const CalendarDate& from,
                                                  const SunOutageRequest& request,
                                                  std::size_t count) {
    ExtendedPrecisionScope precision;
    NextSunOutageSeasons result;
    if (!isCalendarDate(from) || from.year < FirstOutageYear || from.year > LastOutageYear)
        return result;
    const SunOutageYear checked = checkedYear(site, from.year, request);
    result.status = checked.status;
    result.beamwidth = checked.beamwidth;
    result.threshold = checked.threshold;
    if (checked.status != SunOutageStatus::Predicted) return result;
    const OutageGeometry g = outageGeometry(site, request, checked.threshold);
    const long fromDayNumber = julianDayNumber(from);
    // 00:00 of `from` in the zone.
    const long double fromMidnight = midnightFromJ2000(from, request.zoneOffsetMinutes);
    for (int year = from.year; year <= from.year + 1 && year <= LastOutageYear; ++year) {
        for (const SeasonWindow& w : seasonWindows(year)) {
            if (result.seasons.size() >= count) return result;
            const std::optional<long double> crossing = windowCrossing(sun_, g, w);
            if (!crossing) continue;
            const long double centre = alignment(sun_, g, *crossing);
            if (endsBefore(sun_, g, centre, fromMidnight)) continue;
            std::vector<RawOutage> outages;
            collectSeason(sun_, g, centre, outages);
            for (const SunOutageSeason& season :
                 groupSeasons(daysOfYear(outages, year, request.zoneOffsetMinutes))) {
                if (result.seasons.size() < count &&
                    julianDayNumber(season.lastDay) >= fromDayNumber)
                    result.seasons.push_back(season);
            }
        }
    }
    return result;
}
