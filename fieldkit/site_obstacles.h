#pragma once
// The obstacles the program keeps, as the table, the details window and the
// sky picture use them: at the site of the last recalculation, on today's date.

#include <cstddef>

#include "data/receiving_site.h"
#include "data/settings_store.h"
#include "fieldkit/horizon.h"
#include "numtext/numtext.h"

// The setting's text as the settings store keeps it (Horizon), of the
// capacity formatHorizonSetting writes.
using HorizonSettingText = StoredText<HorizonSettingCapacity>;

// The stored setting's text read back. A text that is not a setting (none
// at all, or one the program cannot read) gives the setting of a first
// start: compass bearings, no obstacles.
HorizonSetting storedHorizonSetting(const char* text);

// The setting's obstacles as a horizon in true azimuths: compass bearings
// turned with WMM2025's declination at the site in `decimalYear`.
Horizon obstacleHorizon(const HorizonSetting& setting, const ReceivingSite& site,
                        double decimalYear);

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

// A sector's numbers as the dialog's list shows them, two decimals.
struct ObstacleCells {
    char from[NumberTextCapacity];
    char to[NumberTextCapacity];
    char elevation[NumberTextCapacity];
};
ObstacleCells obstacleCells(const HorizonSector& sector);
