#pragma once
// Recalculation: brings the site description, the site's coordinate texts
// and the result columns of every row in line with the site.

#include <cstddef>
#include <string>

#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"

// Three lines separated by "\r\n": the name (or 地名不详), 经度：..., 纬度：...
constexpr std::size_t SiteDescriptionCapacity = 128;

// Builds the description of the site's name and coordinates.
void buildSiteDescription(const ReceivingSite& site, char (&description)[SiteDescriptionCapacity]);

// A longitude as the description writes it after 经度： (code page 936):
// 东经116.46度, 西经70.50度, 0.00度.
std::string longitudeWords(long double longitude);

// The description's first line: the site's name, or 地名不详.
std::string siteNameLine(const char* description);

// The row's satellite longitude as a recalculation takes it from column 1:
// a text that is no number reads as 0.
long double rowLongitude(const SatelliteTable& table, int row);

// Sets SiteChanged; formats longitudeText and latitudeText; takes the name
// from `cityBoxText` (at most 18 bytes); builds the description; computes
// columns 2 to 4 of every row, in row order, from its column 1.
void recalculateAll(const char* cityBoxText, ReceivingSite& site, SatelliteTable& table,
                    ChangeFlags& flags, char (&description)[SiteDescriptionCapacity]);
