#pragma once
// kestrave-cli --sun-outage: every sun outage (日凌) of a year for every
// satellite of the list, as a table, CSV or JSON. All texts are UTF-8.

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "fieldkit/field_report.h"
#include "fieldkit/sun_outage_search.h"

struct SatelliteSunOutages {
    std::string name;           // UTF-8
    std::string longitudeText;  // the list's text
    long double longitude = 0;  // as a recalculation reads it
    bool visible = false;
    std::vector<SunOutageDay> days;  // in time order
};

struct SunOutageReport {
    FieldReportSite site;
    int year = 0;
    long double dishMetres = 0;
    long double frequencyHz = 0;
    long double beamwidth = 0;  // degrees
    long double threshold = 0;  // degrees
    int zoneOffsetMinutes = BeijingZoneMinutes;
    std::vector<SatelliteSunOutages> satellites;  // in the list's order
};

// The outages of the year `sun` asks for, for every row of `report` from its
// site. False with a one-line message when the site has none to compute (a
// latitude beyond the poles).
bool buildSunOutageReport(const FieldReport& report, const SunOutageOptions& sun,
                          SunOutageReport& outages, std::string& error);

// {"site": {...}, "sun_outage": {...}, "satellites": [...]}, ending with "\n".
std::string sunOutageJson(const SunOutageReport& report);

// A header row, then one row per satellite and outage day, each ended by `lineEnd`:
// name,longitude,date,start,peak,end,duration_s,min_separation_deg
std::string sunOutageCsv(const SunOutageReport& report, const char* lineEnd);

// The site description (UTF-8, its lines ended by `lineEnd`), the dish, the
// band and the time zone, then per satellite a line with its seasons and one
// line per day, with Chinese headings.
std::string sunOutageTable(const SunOutageReport& report, const std::string& siteDescription,
                           const char* lineEnd);
