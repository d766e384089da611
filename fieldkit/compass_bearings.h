#pragma once
// Obstacles typed in compass bearings, turned into true azimuths.

#include <vector>

#include "fieldkit/horizon_setting.h"

// A compass bearing as a true azimuth: bearing + declination (degrees, east
// positive, as the magnetic model gives it), 0 <= a < 360.
long double trueFromCompass(long double bearing, long double declination);

// The setting's sectors in true azimuths: compass bearings turned by the
// declination (0 to 360 stays the whole circle), true ones as they are.
std::vector<HorizonSector> trueSectors(const HorizonSetting& setting, long double declination);

// The setting in compass bearings (`compassBearings`) or in true azimuths,
// each obstacle where it is in the sky: its ends turned by the declination
// rounded to hundredths, then rounded to hundredths themselves, so that
// turning back gives the numbers as they were (an end at 360 comes back as
// 0, the same direction). The whole circle 0 to 360 stays.
HorizonSetting settingInBearings(const HorizonSetting& setting, bool compassBearings,
                                 long double declination);
