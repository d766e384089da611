#pragma once
// Calendar dates and clock times: the one date formatter and reader of the
// program and of kestrave-cli, today's date, and the times of day written as
// text.

#include <cstddef>
#include <string>

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The Gregorian calendar's rules.
bool isLeapYear(int year);
// The days of `month` (1 to 12) in `year`; 0 for a month that does not exist.
int daysInMonth(int year, int month);
// True for a date of the Gregorian calendar from year 1 to 9999.
bool isCalendarDate(const CalendarDate& date);

// YYYY-MM-DD. The room also holds the longest text of any field values
// ("-9999--99--99") and its NUL.
constexpr std::size_t DateTextCapacity = 16;
void formatDate(const CalendarDate& date, char (&text)[DateTextCapacity]);
std::string dateText(const CalendarDate& date);

// Reads YYYY-MM-DD (exactly ten characters) of a date that exists.
bool parseCalendarDate(const std::string& text, CalendarDate& date);

// Today, local time.
CalendarDate localToday();

// A zone's offset east of UTC in minutes: from UTC-12:00 to UTC+14:00.
constexpr int WestmostZoneMinutes = -720;
constexpr int EastmostZoneMinutes = 840;
bool isZoneOffset(int zoneOffsetMinutes);

// The day of a second counted from 00:00 of a date, against that date: 0
// from 0 to 86399, -1 from -86400 to -1, 1 from 86400 to 172799, and so on.
long long dayOfSecond(long long second);

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
