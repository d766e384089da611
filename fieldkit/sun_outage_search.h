#pragma once
// The search for the sun outages (the rule: sun_outage.h): every outage of a
// year, and the next seasons from a day.

#include <cstddef>
#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/noded_sun.h"
#include "fieldkit/sun_outage.h"
#include "fieldkit/sun_outage_seasons.h"

// Every outage whose peak falls in `year` (in the request's zone), for the
// site's longitude and latitude (degrees; the name and texts are not used).
// Invalid input: a year outside FirstOutageYear..LastOutageYear, a latitude
// beyond +-90, a height or zone offset out of range, anything not finite, a
// diameter or frequency not above 0, or a beam wider than
// WidestOutageBeamwidth.
SunOutageYear predictSunOutages(const ReceivingSite& site, int year,
                                const SunOutageRequest& request);

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
