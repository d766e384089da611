#pragma once
// Aiming by the sun (对日寻星): the moments of a day when the sun's azimuth
// is a satellite's true azimuth ("toward": the sun stands in the
// satellite's direction and every vertical thing's shadow points away from
// it) or that azimuth + 180 degrees ("away": the shadows point at it).
//
// The sun is the outages' (solar_position.h, apparent place, without
// refraction, which moves the elevation only), seen from the site on the
// ellipsoid's surface; it counts while its centre is above the horizon.
// Within 2 degrees of the zenith a shadow has no direction worth reading:
// moments there are left out. A satellite below the horizon has none.
// Times are in a zone `zoneOffsetMinutes` east of UTC, seconds from 00:00
// of the date there, rounded to the nearest second.

#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/noded_sun.h"

constexpr long double SunAimZenithMargin = 2;  // degrees
constexpr int FirstSunAimYear = 2000;
constexpr int LastSunAimYear = 2100;

enum class SunAimKind { Toward, Away };

struct SunAimMoment {
    int second = 0;  // 0..86399 in the zone
    SunAimKind kind = SunAimKind::Toward;
    long double sunAzimuth = 0;  // degrees, at the unrounded moment
    long double sunElevation = 0;
    long double julianDay = 0;  // the unrounded moment, UT
};

enum class SunAimStatus {
    Found,         // the moments (none, when the sun never stands on the line)
    NotVisible,    // the satellite is below the horizon
    InvalidInput,  // a site beyond +-90 of latitude or not finite, a date outside
                   // FirstSunAimYear..LastSunAimYear, a zone beyond -720..840 minutes
};

struct SunAimResult {
    SunAimStatus status = SunAimStatus::InvalidInput;
    long double satelliteAzimuth = 0;   // the field kit's true azimuth
    std::vector<SunAimMoment> moments;  // in time order
};

// One day's sun at one site, searched once for every satellite: the day is
// cut where the sun rises, sets, comes within the zenith margin or turns
// back in azimuth, so that on each piece the azimuth runs one way and a
// target is met at most once.
class SunAimDay {
public:
    SunAimDay(const ReceivingSite& site, const CalendarDate& date, int zoneOffsetMinutes);

    // The moments of the satellite at `satelliteLongitude` (degrees east).
    SunAimResult forSatellite(long double satelliteLongitude);
    // The moments the sun's azimuth is `azimuth` (toward) or azimuth + 180
    // (away), in time order; none for invalid input.
    std::vector<SunAimMoment> momentsAt(long double azimuth);

private:
    struct Mark {
        long double second;  // from 00:00 of the date in the zone
        long double azimuth;
        long double elevation;
    };

    Mark markAt(long double second);
    void cutDay();
    void addMoments(long double target, SunAimKind kind, std::vector<SunAimMoment>& moments);

    ReceivingSite site_;
    GeodeticSite geodetic_;
    Vector3 position_;  // the site's, Earth-fixed
    bool valid_ = false;
    long double midnight_ = 0;  // 00:00 of the date in the zone, days from J2000 (UT)
    NodedSun sun_;
    std::vector<Mark> marks_;   // the pieces' ends, in time order
    std::vector<bool> usable_;  // piece i (marks i to i + 1) is above the horizon and
                                // outside the zenith margin
};

// The moments of one satellite on one day (SunAimDay for a single use).
SunAimResult sunAimMoments(const ReceivingSite& site, long double satelliteLongitude,
                           const CalendarDate& date, int zoneOffsetMinutes);
