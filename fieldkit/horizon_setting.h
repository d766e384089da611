#pragma once
// The obstacles as the user typed them in the obstacles dialog, kept as text.

#include <cstddef>
#include <string>
#include <vector>

#include "fieldkit/horizon.h"
#include "numtext/strict_number.h"

// The sectors as the user typed them, kept as one text value of ASCII
// bytes (the same in code page 936): `T` (true azimuths) or `M` (compass
// bearings), then for each sector `;FROM,TO,ELEVATION`, every number with
// two decimals as NumberToText writes them ("0" for zero).
//   "T"                                      no sectors
//   "M;120.00,150.00,12.50;350.00,10.00,0"  two sectors in compass bearings
// Numbers are kept to two decimals: formatting and reading round each one to
// the nearest hundredth, so a text read and written again reads the same.

struct HorizonSetting {
    bool compassBearings = false;  // the sectors are magnetic (compass) bearings
    std::vector<HorizonSector> sectors;
};

// "M" and 64 sectors of ";360.00,360.00,90.00", and the NUL.
constexpr std::size_t HorizonSettingCapacity = 1 + HorizonSectorCapacity * 20 + 1;

// A number of a stored text: what readStrictNumber reads within `range`,
// without the blanks around it that it allows (the program writes none).
bool readStoredNumber(const std::string& text, NumberRange range, long double& value);

// The hundredth nearest `value` (+0 for -0): what two decimals keep.
long double roundToHundredths(long double value);

// Writes the setting; false (and an empty text) when it holds more than
// HorizonSectorCapacity sectors or one that is not valid.
bool formatHorizonSetting(const HorizonSetting& setting, char (&text)[HorizonSettingCapacity]);

// Reads a stored text: the form above without blanks, each number as
// readStoredNumber reads it (any count of decimals), at most
// HorizonSectorCapacity valid sectors, shorter than HorizonSettingCapacity.
// Anything else returns false and leaves `setting` as it was.
bool parseHorizonSetting(const char* text, HorizonSetting& setting);
