#pragma once
// Calendar dates: the one date formatter and reader of the program and of
// kestrave-cli, and today's date.

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
