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

#include <cstddef>
#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/noded_sun.h"

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

// Every outage whose peak falls in `year` (in the request's zone), for the
// site's longitude and latitude (degrees; the name and texts are not used).
// Invalid input: a year outside FirstOutageYear..LastOutageYear, a latitude
// beyond +-90, a height or zone offset out of range, anything not finite, a
// diameter or frequency not above 0, or a beam wider than
// WidestOutageBeamwidth.
SunOutageYear predictSunOutages(const ReceivingSite& site, int year,
                                const SunOutageRequest& request);

// A run of outages on consecutive days: one each day, their peaks less than
// a day and a half apart. (Where a zone puts the peaks near midnight, two
// may share a date and the next date have none; the run goes on.)
struct SunOutageSeason {
    CalendarDate firstDay;
    CalendarDate lastDay;
    int dayCount = 0;      // outages in the run
    SunOutageDay longest;  // the first of the longest days
};

// The seasons of `days` (in time order), in the same order.
std::vector<SunOutageSeason> groupSeasons(const std::vector<SunOutageDay>& days);

struct NextSunOutageSeasons {
    SunOutageStatus status = SunOutageStatus::InvalidInput;
    long double beamwidth = 0;
    long double threshold = 0;
    // Up to two: fewer only where they would lie beyond LastOutageYear.
    std::vector<SunOutageSeason> seasons;
};

// The first two seasons whose last day is on or after `from` (a date in the
// request's zone, from FirstOutageYear to LastOutageYear), from that year's
// and the next year's outages. A season under way on `from` is the first.
NextSunOutageSeasons nextSunOutageSeasons(const ReceivingSite& site, const CalendarDate& from,
                                          const SunOutageRequest& request);

// The searches above for many satellites or sites at once: the sun's nodes,
// most of the cost of a search, are summed once for all of them (the
// installation sheet asks for every satellite of the list). The results are
// those of the functions above.
class SunOutageSearch {
public:
    // The nodes of the years from `firstYear` to `lastYear` (brought into
    // FirstOutageYear..LastOutageYear) are kept; other years are searched
    // all the same, their nodes summed anew.
    SunOutageSearch(int firstYear, int lastYear);

    // predictSunOutages.
    SunOutageYear outagesOfYear(const ReceivingSite& site, int year,
                                const SunOutageRequest& request);
    // nextSunOutageSeasons, up to `count` seasons: a season's outages are
    // searched only while the seasons are wanted.
    NextSunOutageSeasons nextSeasons(const ReceivingSite& site, const CalendarDate& from,
                                     const SunOutageRequest& request, std::size_t count = 2);

private:
    NodedSun sun_;
};

struct SunTrackPoint {
    int secondOfDay = 0;      // in the zone
    long double azimuth = 0;  // degrees clockwise from true north
    long double elevation = 0;
};

// The sun seen from the site every `stepMinutes` (1 to 1440) from 00:00 of
// `date` in the zone, the points above the horizon only. Empty for an
// invalid date, site, height, zone or step.
std::vector<SunTrackPoint> sunTrack(const ReceivingSite& site, long double heightM,
                                    const CalendarDate& date, int zoneOffsetMinutes,
                                    int stepMinutes);

// HH:MM:SS and HH:MM of a second of the day, taken modulo one day; HH:MM is
// rounded to the nearest minute (12:34:30 shows as 12:35).
constexpr std::size_t TimeTextCapacity = 9;
void formatTimeOfDay(int secondOfDay, char (&text)[TimeTextCapacity]);
void formatHourMinute(int secondOfDay, char (&text)[TimeTextCapacity]);
// formatTimeOfDay as a string.
std::string timeOfDayText(int secondOfDay);
// The day of a second counted from 00:00 of a date, against that date:
// "-1" before it, "+1" after it, "" on it (and "-2", "+2" further away).
std::string dayMark(int secondOfDay);
