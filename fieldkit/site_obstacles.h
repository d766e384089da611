#pragma once
// The obstacles the program keeps, as the table, the details window and the
// sky picture use them: at the site of the last recalculation, on today's date.

#include <cstddef>

#include "calc/recalculation.h"
#include "data/receiving_site.h"
#include "data/settings_store.h"
#include "fieldkit/horizon_setting.h"
#include "fieldkit/obstacle_sites.h"
#include "numtext/numtext.h"

// The stored value Horizon as the settings store keeps it: every site's
// obstacles, of the capacity formatObstacleSites writes.
using HorizonSettingText = StoredText<ObstacleSitesCapacity>;

// WMM2025's declination at the site in `decimalYear` (degrees, east
// positive): what turns the site's compass bearings into true azimuths.
long double siteDeclination(const ReceivingSite& site, double decimalYear);

// The setting's obstacles as a horizon in true azimuths: compass bearings
// turned with the declination at `site` in `decimalYear`.
Horizon obstacleHorizon(const HorizonSetting& setting, const ReceivingSite& site,
                        double decimalYear);

// The obstacles in force at `site` (the site of the last recalculation):
// those of the set kept for that site in the stored value, turned with the
// declination at the set's own site. None when the value keeps no set for
// the site or cannot be read.
Horizon obstaclesAtSite(const char* storedValue, const ReceivingSite& site, double decimalYear);

// Whether the satellite at `satelliteLongitude` stands above the horizon but
// not above the obstacles there: a row the table greys.
bool hiddenByObstacles(const Horizon& horizon, long double satelliteLongitude,
                       const ReceivingSite& site);

// ---- The obstacles dialog's boxes ----

// The three boxes' texts as one obstacle: from and to 0 to 360, elevation 0
// to 90, each the whole text of its box as readStrictNumber reads it
// (blanks around it allowed); every number rounded to hundredths, as the
// stored setting keeps it, before its range is checked. False (and `sector` unchanged) otherwise.
//   accepted: "202.5" "270" "35"; "350" "10" "20" (through north); "0" "360" "5"
//   refused:  "" "10" "5"; "abc" ...; "361" ...; "10" "20" "90.01"; "1e" ...
bool readObstacleEntry(const char* from, const char* to, const char* elevation,
                       HorizonSector& sector);

// A sector's numbers as the dialog's list shows them, two decimals, and
// its width clockwise from `from` to `to`.
struct ObstacleCells {
    char from[NumberTextCapacity];
    char to[NumberTextCapacity];
    char elevation[NumberTextCapacity];
    char width[NumberTextCapacity];
};
ObstacleCells obstacleCells(const HorizonSector& sector);

// Whether the sector spans more than half the circle: most likely its ends
// were typed the wrong way round, so the dialog asks before taking it.
bool isWideObstacle(const HorizonSector& sector);

// The question before a wide sector is taken, with the sector's numbers:
//   从 210 度顺时针到 150 度的遮挡物宽 300 度，确实要增加吗？
constexpr std::size_t WideObstacleQuestionCapacity = 128;
void buildWideObstacleQuestion(const HorizonSector& sector,
                               char (&question)[WideObstacleQuestionCapacity]);

// The dialog's line naming the site its list belongs to:
//   地点：北京  经度：东经116.46度  纬度：北纬39.92度
constexpr std::size_t ObstacleSiteLabelCapacity = SiteDescriptionCapacity + 8;
void buildObstacleSiteLabel(const ReceivingSite& site, char (&label)[ObstacleSiteLabelCapacity]);
