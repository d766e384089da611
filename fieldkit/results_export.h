#pragma once
// The program's export of its results for Excel: the field report's CSV,
// exactly what kestrave-cli --format csv writes for the same site, date and
// rows, as a file of its own.

#include <string>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/calendar_date.h"

// The report of every row of the recalculated `table` seen from `site` (its
// longitude and latitude), which `siteDescription` names, on `date`, at the
// ellipsoid's height and without an offset dish: UTF-8 with a byte order
// mark and CRLF line ends, so that Excel opens it on every code page. An
// empty table gives the header alone.
std::string resultsCsvFile(const SatelliteTable& table, const ReceivingSite& site,
                           const char* siteDescription, const CalendarDate& date);

// The name the export proposes, in code page 936: 寻星结果_SITE_YYYY-MM-DD.csv,
// SITE being the description's first line with every character a file name
// cannot hold (\ / : * ? " < > | and control characters) written as '_'.
//   "北京\r\n经度..." on 2026-06-01  ->  "寻星结果_北京_2026-06-01.csv"
//   "A/B"                          ->  "寻星结果_A_B_2026-06-01.csv"
std::string resultsFileName(const char* siteDescription, const CalendarDate& date);

// The same name with another start and extension: START + SITE + "_" + YYYY-MM-DD + EXTENSION.
std::string siteFileName(const char* start, const char* siteDescription, const CalendarDate& date,
                         const char* extension);
