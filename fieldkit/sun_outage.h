#pragma once
// Sun outages (日凌): twice a year, around the equinoxes, the sun passes
// behind a geostationary satellite as seen from the dish, and its noise
// swamps the signal for minutes each day.
//
// The rule: an outage lasts while the angle between the directions from the
// site to the sun's centre and to the satellite is below half the dish's
// beamwidth plus 0.25 degree (the sun's radius); the beamwidth in degrees is
// 70 x wavelength / diameter. It is a rule of thumb on the beam, not a noise
// calculation. The sun's place is the one of solar_position.h, without
// refraction; a satellite below the horizon has no outage.
//
// Times are in a zone `zoneOffsetMinutes` east of UTC (Beijing time, 480,
// unless UTC is asked for). An outage belongs to the calendar day of its
// peak, the moment of least separation, in that zone. Every instant is
// rounded to the nearest second (halves away from zero); the duration is
// the rounded end less the rounded start.
//
// Here the rule and its terms; the search is in sun_outage_search.h, the
// seasons in sun_outage_seasons.h, the sun's track in sun_track.h.

#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"

enum class Band { C, Ku, Ka };

constexpr long double CBandHz = 4.0e9L;
constexpr long double KuBandHz = 12.25e9L;
constexpr long double KaBandHz = 20.2e9L;
constexpr long double SpeedOfLightMetresPerSecond = 299792458;
// The sun's apparent radius the rule adds to half the beamwidth.
constexpr long double SunRadiusDegrees = 0.25L;
// Wider beams are refused: the rule means nothing for so small a dish, and
// the two seasons would run into each other.
constexpr long double WidestOutageBeamwidth = 20;
constexpr int BeijingZoneMinutes = 480;
constexpr int FirstOutageYear = 2000;
constexpr int LastOutageYear = 2100;

long double bandFrequencyHz(Band band);
// 70 x (c / frequency) / diameter, in degrees.
long double beamwidthDegrees(long double dishDiameterM, long double frequencyHz);
// beamwidth / 2 + SunRadiusDegrees.
long double outageThresholdDegrees(long double beamwidth);

struct SunOutageRequest {
    long double satelliteLongitude = 0;  // degrees east
    long double siteHeightM = 0;         // above the WGS-84 ellipsoid, -1000 to 100000
    long double dishDiameterM = 0.6L;
    long double frequencyHz = KuBandHz;
    int zoneOffsetMinutes = BeijingZoneMinutes;  // -720 to 840
};

enum class SunOutageStatus {
    Predicted,     // the days are the outages (never none for a visible satellite)
    NotVisible,    // the satellite is below the horizon: no outage (无)
    InvalidInput,  // see predictSunOutages
};

struct SunOutageDay {
    CalendarDate date;  // the zone's calendar day of the peak
    // The zone's calendar days of the start and the end: `date` but for an
    // outage running over midnight.
    CalendarDate startDate;
    CalendarDate endDate;
    // Seconds from 00:00 of `date` in the zone. The peak lies in 0..86399;
    // an outage running over midnight has a start below 0 or an end from
    // 86400 on (formatTimeOfDay shows the clock time all the same, and
    // dayMark the day).
    int startSecond = 0;
    int peakSecond = 0;
    int endSecond = 0;
    int durationSeconds = 0;        // endSecond - startSecond
    long double minSeparation = 0;  // degrees, at the peak, unrounded
    // The unrounded instants, Julian days in UT.
    long double startJulianDay = 0;
    long double peakJulianDay = 0;
    long double endJulianDay = 0;
};

struct SunOutageYear {
    SunOutageStatus status = SunOutageStatus::InvalidInput;
    int year = 0;
    long double beamwidth = 0;       // degrees; 0 for invalid input
    long double threshold = 0;       // degrees; 0 for invalid input
    std::vector<SunOutageDay> days;  // in time order
};

// A site the searches take: finite coordinates, a latitude within +-90 and a
// height within SiteHeightRangeMetres.
bool isOutageSite(const ReceivingSite& site, long double heightM);
