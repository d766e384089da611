#pragma once
// The sun's track across a site's sky through one day: the details
// window's day of the longest outage, the sky picture's day.

#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"

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
