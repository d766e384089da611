#pragma once
// kestrave-cli --sun-aim: the moments of a day when the sun stands in each
// satellite's direction or opposite it (对日寻星), as a table, CSV or JSON.
// All texts are UTF-8.

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "fieldkit/field_report.h"
#include "fieldkit/sun_aim.h"

struct SatelliteSunAim {
    std::string name;           // UTF-8
    std::string longitudeText;  // the list's text
    long double longitude = 0;  // as a recalculation reads it
    long double azimuth = 0;    // true, degrees
    bool visible = false;
    std::vector<SunAimMoment> moments;  // in time order
};

struct SunAimReport {
    FieldReportSite site;
    CalendarDate date;
    int zoneOffsetMinutes = 480;
    std::vector<SatelliteSunAim> satellites;  // in the list's order
};

// The moments of the day `aim` asks for, for every row of `report` from its
// site. False with a one-line message when the site has none to compute (a
// latitude beyond the poles).
bool buildSunAimReport(const FieldReport& report, const SunAimOptions& aim, SunAimReport& moments,
                       std::string& error);

// {"site": {...}, "sun_aim": {"date", "time_zone"}, "satellites": [{"name",
// "longitude", "azimuth", "moments": [{"time", "kind", "sun_elevation"}]}]},
// ending with "\n".
std::string sunAimJson(const SunAimReport& report);

// A header row, then one row per satellite and moment, each ended by `lineEnd`:
// name,longitude,azimuth,date,time,kind,sun_elevation
std::string sunAimCsv(const SunAimReport& report, const char* lineEnd);

// The site description (UTF-8, its lines ended by "\r\n"), the day and the
// time zone, then per satellite a line and one line per moment, in Chinese.
std::string sunAimTable(const SunAimReport& report, const std::string& siteDescription,
                        const char* lineEnd);
