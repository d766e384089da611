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
