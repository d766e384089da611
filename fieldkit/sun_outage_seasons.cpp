#include "fieldkit/sun_outage_seasons.h"

namespace {

// Peaks of one season follow each other by a day less a few seconds; a
// longer gap starts the next season.
constexpr long double SeasonGapDays = 1.5L;

}  // namespace

std::vector<SunOutageSeason> groupSeasons(const std::vector<SunOutageDay>& days) {
    std::vector<SunOutageSeason> seasons;
    long double previousPeak = 0;
    for (const SunOutageDay& day : days) {
        if (seasons.empty() || !(day.peakJulianDay - previousPeak < SeasonGapDays)) {
            SunOutageSeason season;
            season.firstDay = day.date;
            season.longest = day;
            seasons.push_back(season);
        }
        SunOutageSeason& season = seasons.back();
        season.lastDay = day.date;
        ++season.dayCount;
        if (day.durationSeconds > season.longest.durationSeconds) season.longest = day;
        previousPeak = day.peakJulianDay;
    }
    return seasons;
}
