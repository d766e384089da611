#pragma once
// The sun outages' seasons: the outages of a year (sun_outage_search.h)
// grouped into their runs of consecutive days.

#include <vector>

#include "fieldkit/calendar_date.h"
#include "fieldkit/sun_outage.h"

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
