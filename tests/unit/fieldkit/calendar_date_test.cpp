#include "fieldkit/calendar_date.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

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

}  // namespace
