#include "fieldkit/calendar_date.h"

#include <ctime>

namespace {

// Writes `value` modulo 10^digits as printf's "%0Nd" would, N being
// `digits`: zero-filled to N characters, a minus sign counted among them.
char* writeNumber(int value, int digits, char* at) {
    int modulus = 1;
    for (int i = 0; i < digits; ++i) modulus *= 10;
    const int rest = value % modulus;
    int magnitude = rest < 0 ? -rest : rest;
    char reversed[8];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (rest < 0) *at++ = '-';
    for (int fill = digits - length - (rest < 0 ? 1 : 0); fill > 0; --fill) *at++ = '0';
    while (length > 0) *at++ = reversed[--length];
    return at;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitsValue(const std::string& text, std::size_t start, std::size_t count) {
    int value = 0;
    for (std::size_t i = start; i < start + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// A second counted from 00:00 of a date brought into that day: 0 to 86399.
int wrapIntoDay(long long second) { return static_cast<int>(second - dayOfSecond(second) * 86400); }

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static const int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return Days[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

bool isCalendarDate(const CalendarDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

void formatDate(const CalendarDate& date, char (&text)[DateTextCapacity]) {
    // At most 5 + 1 + 3 + 1 + 3 bytes and the NUL: within the capacity.
    char* at = writeNumber(date.year, 4, text);
    *at++ = '-';
    at = writeNumber(date.month, 2, at);
    *at++ = '-';
    at = writeNumber(date.day, 2, at);
    *at = '\0';
}

std::string dateText(const CalendarDate& date) {
    char text[DateTextCapacity];
    formatDate(date, text);
    return text;
}

bool parseCalendarDate(const std::string& text, CalendarDate& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isDigit(text[i])) return false;
    const CalendarDate read{digitsValue(text, 0, 4), digitsValue(text, 5, 2),
                            digitsValue(text, 8, 2)};
    // Any four-digit year, 0000 included.
    if (read.day < 1 || read.day > daysInMonth(read.year, read.month)) return false;
    date = read;
    return true;
}

CalendarDate localToday() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

bool isZoneOffset(int zoneOffsetMinutes) {
    return zoneOffsetMinutes >= WestmostZoneMinutes && zoneOffsetMinutes <= EastmostZoneMinutes;
}

long long dayOfSecond(long long second) {
    const long long q = second / 86400;
    return q * 86400 > second ? q - 1 : q;
}

void formatTimeOfDay(int secondOfDay, char (&text)[TimeTextCapacity]) {
    const int s = wrapIntoDay(secondOfDay);
    char* at = writeNumber(s / 3600, 2, text);
    *at++ = ':';
    at = writeNumber(s / 60 % 60, 2, at);
    *at++ = ':';
    at = writeNumber(s % 60, 2, at);
    *at = '\0';
}

void formatHourMinute(int secondOfDay, char (&text)[TimeTextCapacity]) {
    const int minute = wrapIntoDay(static_cast<long long>(secondOfDay) + 30) / 60;
    char* at = writeNumber(minute / 60, 2, text);
    *at++ = ':';
    at = writeNumber(minute % 60, 2, at);
    *at = '\0';
}

std::string timeOfDayText(int secondOfDay) {
    char text[TimeTextCapacity];
    formatTimeOfDay(secondOfDay, text);
    return text;
}

std::string dayMark(int secondOfDay) {
    const long long days = dayOfSecond(secondOfDay);
    if (days == 0) return std::string();
    return (days > 0 ? "+" : "") + std::to_string(days);
}
