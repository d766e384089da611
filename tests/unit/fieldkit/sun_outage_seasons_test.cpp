#include "fieldkit/sun_outage_seasons.h"

#include <gtest/gtest.h>

#include <vector>

#include "fieldkit/solar_position.h"

namespace {

SunOutageDay dayAt(CalendarDate date, long double peakJulianDay, int duration) {
    SunOutageDay d;
    d.date = date;
    d.peakJulianDay = peakJulianDay;
    d.startSecond = 40000;
    d.endSecond = 40000 + duration;
    d.durationSeconds = duration;
    return d;
}

TEST(SunOutageSeasons, RunsOfConsecutiveDays) {
    EXPECT_TRUE(groupSeasons({}).empty());
    const long double feb27 = julianDay({2028, 2, 27}, 47000);
    // Over the leap day, then a gap, then a lone day.
    const std::vector<SunOutageDay> days = {
        dayAt({2028, 2, 27}, feb27, 300),           dayAt({2028, 2, 28}, feb27 + 0.9998L, 700),
        dayAt({2028, 2, 29}, feb27 + 1.9996L, 700), dayAt({2028, 3, 1}, feb27 + 2.9994L, 500),
        dayAt({2028, 3, 3}, feb27 + 5.0L, 100),     dayAt({2028, 10, 1}, feb27 + 217, 200),
    };
    const std::vector<SunOutageSeason> seasons = groupSeasons(days);
    ASSERT_EQ(seasons.size(), 3u);
    EXPECT_EQ(dateText(seasons[0].firstDay), "2028-02-27");
    EXPECT_EQ(dateText(seasons[0].lastDay), "2028-03-01");
    EXPECT_EQ(seasons[0].dayCount, 4);
    EXPECT_EQ(dateText(seasons[0].longest.date), "2028-02-28");  // the first of the longest
    EXPECT_EQ(dateText(seasons[1].firstDay), "2028-03-03");
    EXPECT_EQ(dateText(seasons[1].lastDay), "2028-03-03");
    EXPECT_EQ(seasons[1].dayCount, 1);
    EXPECT_EQ(seasons[2].longest.durationSeconds, 200);
}

}  // namespace
