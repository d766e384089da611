#include "fieldkit/calendar_date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <utility>

namespace {

TEST(CalendarDate, FormatsAsPrintfsZeroFilledFields) {
    const CalendarDate dates[] = {{2026, 12, 7},     {2027, 1, 1},     {5, 3, 9},
                                  {0, 0, 0},         {-5, 1, 2},       {-9999, -99, -99},
                                  {12345, 123, 456}, {10000, 100, 100}};
    for (const CalendarDate& date : dates) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", date.year % 10000,
                      date.month % 100, date.day % 100);
        char text[DateTextCapacity];
        formatDate(date, text);
        EXPECT_EQ(std::string(text), expected) << date.year;
        EXPECT_EQ(dateText(date), expected);
    }
}

TEST(CalendarDate, ReadsOnlyDatesThatExist) {
    struct Case {
        const char* text;
        bool accepted;
        CalendarDate date;
    };
    const Case cases[] = {
        {"2026-12-07", true, {2026, 12, 7}}, {"2024-02-29", true, {2024, 2, 29}},
        {"2000-02-29", true, {2000, 2, 29}}, {"2100-02-29", false, {}},
        {"2026-13-01", false, {}},           {"2026-00-10", false, {}},
        {"2026-04-31", false, {}},           {"2026-4-30", false, {}},
        {"2026-04-300", false, {}},          {"2026/04/30", false, {}},
        {"2026-0a-30", false, {}},           {"", false, {}},
    };
    for (const Case& c : cases) {
        CalendarDate date{1, 1, 1};
        EXPECT_EQ(parseCalendarDate(c.text, date), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(date.year, c.date.year);
            EXPECT_EQ(date.month, c.date.month);
            EXPECT_EQ(date.day, c.date.day);
        } else {
            EXPECT_EQ(date.year, 1) << "a refused text leaves the date: " << c.text;
        }
    }
}

TEST(CalendarDate, ClockTexts) {
    struct Case {
        int second;
        const char* full;
        const char* minutes;
    };
    const Case cases[] = {
        {0, "00:00:00", "00:00"},       {47717, "13:15:17", "13:15"},
        {47730, "13:15:30", "13:16"},   {47729, "13:15:29", "13:15"},
        {86399, "23:59:59", "00:00"},   {86369, "23:59:29", "23:59"},
        {86400, "00:00:00", "00:00"},   {-1, "23:59:59", "00:00"},
        {-31, "23:59:29", "23:59"},     {-86400 - 3600, "23:00:00", "23:00"},
        {INT_MAX, "03:14:07", "03:14"}, {INT_MIN, "20:45:52", "20:46"},
    };
    for (const Case& c : cases) {
        char text[TimeTextCapacity];
        std::fill(text, text + sizeof text, 'x');
        formatTimeOfDay(c.second, text);
        EXPECT_STREQ(text, c.full) << c.second;
        std::fill(text, text + sizeof text, 'x');
        formatHourMinute(c.second, text);
        EXPECT_STREQ(text, c.minutes) << c.second;
        EXPECT_EQ(text[8], 'x');  // HH:MM leaves the rest of the room alone
    }
}

TEST(CalendarDate, DayMarks) {
    const std::pair<int, const char*> cases[] = {
        {0, ""},        {86399, ""},    {86400, "+1"},  {-1, "-1"},
        {-86400, "-1"}, {-86401, "-2"}, {172800, "+2"},
    };
    for (const auto& [second, mark] : cases) EXPECT_EQ(dayMark(second), mark) << second;
}

}  // namespace
