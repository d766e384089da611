#include "fieldkit/sun_aim.h"

#include <algorithm>
#include <cmath>

#include "fieldkit/field_numbers.h"
#include "fieldkit/root_finding.h"
#include "numtext/decimal_power.h"

namespace {

// The day is sampled this often before it is cut: short enough that the
// azimuth moves less than half a turn between samples outside the zenith
// margin, and that no two turns of the azimuth fall between three samples.
constexpr int SampleSeconds = 600;
constexpr int DaySeconds = 86400;
// The solvers stop within this many seconds.
constexpr long double SecondTolerance = 1e-3L;
constexpr int WestmostZoneMinutes = -720;
constexpr int EastmostZoneMinutes = 840;

// `angle` brought into -180 < a <= 180.
long double halfCircle(long double angle) {
    long double a = std::fmod(angle, 360.0L);
    if (a > 180) a -= 360;
    if (a <= -180) a += 360;
    return a;
}

bool validInput(const ReceivingSite& site, const CalendarDate& date, int zoneOffsetMinutes) {
    return std::isfinite(site.longitude) && std::isfinite(site.latitude) &&
           std::fabs(site.latitude) <= 90 && isCalendarDate(date) && date.year >= FirstSunAimYear &&
           date.year <= LastSunAimYear && zoneOffsetMinutes >= WestmostZoneMinutes &&
           zoneOffsetMinutes <= EastmostZoneMinutes;
}

long double daysFromJ2000(const CalendarDate& date, int zoneOffsetMinutes) {
    return julianDay(date, -zoneOffsetMinutes * 60.0L) - J2000JulianDay;
}

}  // namespace

SunAimDay::SunAimDay(const ReceivingSite& site, const CalendarDate& date, int zoneOffsetMinutes)
    : site_(site),
      geodetic_{site.longitude, site.latitude, 0},
      valid_(validInput(site, date, zoneOffsetMinutes)),
      midnight_(valid_ ? daysFromJ2000(date, zoneOffsetMinutes) : 0),
      sun_(midnight_, midnight_ + 1) {
    if (!valid_) return;
    ExtendedPrecisionScope precision;
    position_ = siteEarthFixed(geodetic_);
    cutDay();
}

SunAimDay::Mark SunAimDay::markAt(long double second) {
    const Vector3 sun = sun_.earthFixed(midnight_ + second / SecondsPerDay);
    const HorizontalDirection d = horizontalDirection(
        geodetic_, {sun.x - position_.x, sun.y - position_.y, sun.z - position_.z});
    return {second, d.azimuth, d.elevation};
}

void SunAimDay::cutDay() {
    std::vector<Mark> samples;
    for (int s = 0; s <= DaySeconds; s += SampleSeconds) samples.push_back(markAt(s));
    marks_ = samples;
    const long double last = DaySeconds;
    auto around = [&](std::size_t i, auto f) {
        const long double a = samples[i == 0 ? 0 : i - 1].second;
        const long double b = samples[std::min(i + 1, samples.size() - 1)].second;
        long double at = 0;
        findMinimum(f, a, b, SecondTolerance, at);
        if (at > 0 && at < last) marks_.push_back(markAt(at));
    };

    // The sun's highest and lowest: the elevation runs one way in between.
    auto byElevation = [](const Mark& a, const Mark& b) { return a.elevation < b.elevation; };
    const std::size_t highest =
        std::max_element(samples.begin(), samples.end(), byElevation) - samples.begin();
    const std::size_t lowest =
        std::min_element(samples.begin(), samples.end(), byElevation) - samples.begin();
    around(highest, [&](long double s) { return -markAt(s).elevation; });
    around(lowest, [&](long double s) { return markAt(s).elevation; });

    // Where the azimuth turns back (a tropical sun passing the zenith's far
    // side). A turn near the zenith may be a false one: a cut too many
    // costs nothing.
    for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
        const long double before = halfCircle(samples[i].azimuth - samples[i - 1].azimuth);
        const long double after = halfCircle(samples[i + 1].azimuth - samples[i].azimuth);
        if ((before < 0) == (after < 0)) continue;
        const long double centre = samples[i].azimuth;
        const long double sign = before > 0 ? -1 : 1;
        around(i, [&](long double s) { return sign * halfCircle(markAt(s).azimuth - centre); });
    }

    auto bySecond = [](const Mark& a, const Mark& b) { return a.second < b.second; };
    std::sort(marks_.begin(), marks_.end(), bySecond);

    // Sunrise, sunset and the zenith margin's edges.
    const long double levels[] = {0, 90 - SunAimZenithMargin};
    const std::size_t pieces = marks_.size() - 1;
    for (const long double level : levels) {
        for (std::size_t i = 0; i < pieces; ++i) {
            const long double fa = marks_[i].elevation - level;
            const long double fb = marks_[i + 1].elevation - level;
            if ((fa < 0) == (fb < 0)) continue;
            auto f = [&](long double s) { return markAt(s).elevation - level; };
            marks_.push_back(markAt(
                findRoot(f, marks_[i].second, fa, marks_[i + 1].second, fb, SecondTolerance)));
        }
    }
    std::sort(marks_.begin(), marks_.end(), bySecond);

    usable_.clear();
    for (std::size_t i = 0; i + 1 < marks_.size(); ++i) {
        const long double middle = markAt((marks_[i].second + marks_[i + 1].second) / 2).elevation;
        usable_.push_back(middle > 0 && middle < 90 - SunAimZenithMargin);
    }
}

void SunAimDay::addMoments(long double target, SunAimKind kind,
                           std::vector<SunAimMoment>& moments) {
    auto offset = [&](long double s) { return halfCircle(markAt(s).azimuth - target); };
    for (std::size_t i = 0; i < usable_.size(); ++i) {
        if (!usable_[i]) continue;
        const long double fa = halfCircle(marks_[i].azimuth - target);
        const long double fb = halfCircle(marks_[i + 1].azimuth - target);
        // Half a turn between the ends is the opposite azimuth passing.
        if ((fa < 0) == (fb < 0) || std::fabs(fb - fa) >= 180) continue;
        const long double root =
            findRoot(offset, marks_[i].second, fa, marks_[i + 1].second, fb, SecondTolerance);
        const Mark at = markAt(root);
        if (!(at.elevation > 0 && at.elevation < 90 - SunAimZenithMargin)) continue;
        SunAimMoment moment;
        moment.second = static_cast<int>(std::min<long long>(std::llround(root), DaySeconds - 1));
        moment.kind = kind;
        moment.sunAzimuth = at.azimuth;
        moment.sunElevation = at.elevation;
        moment.julianDay = J2000JulianDay + midnight_ + root / SecondsPerDay;
        moments.push_back(moment);
    }
}

std::vector<SunAimMoment> SunAimDay::momentsAt(long double azimuth) {
    std::vector<SunAimMoment> moments;
    if (!valid_ || !std::isfinite(azimuth)) return moments;
    ExtendedPrecisionScope precision;
    addMoments(azimuth, SunAimKind::Toward, moments);
    addMoments(azimuth + 180, SunAimKind::Away, moments);
    std::sort(moments.begin(), moments.end(), [](const SunAimMoment& a, const SunAimMoment& b) {
        return a.julianDay < b.julianDay;
    });
    return moments;
}

SunAimResult SunAimDay::forSatellite(long double satelliteLongitude) {
    SunAimResult result;
    if (!valid_ || !std::isfinite(satelliteLongitude)) return result;
    const SatelliteFieldNumbers numbers = computeFieldNumbers(satelliteLongitude, site_, 0);
    result.satelliteAzimuth = numbers.azimuth;
    if (!numbers.visible) {
        result.status = SunAimStatus::NotVisible;
        return result;
    }
    result.status = SunAimStatus::Found;
    result.moments = momentsAt(numbers.azimuth);
    return result;
}

SunAimResult sunAimMoments(const ReceivingSite& site, long double satelliteLongitude,
                           const CalendarDate& date, int zoneOffsetMinutes) {
    SunAimDay day(site, date, zoneOffsetMinutes);
    return day.forSatellite(satelliteLongitude);
}
