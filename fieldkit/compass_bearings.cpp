#include "fieldkit/compass_bearings.h"

#include "fieldkit/field_numbers.h"
#include "numtext/decimal_power.h"

long double trueFromCompass(long double bearing, long double declination) {
    ExtendedPrecisionScope precision;
    return bearingWithinCircle(bearing + declination);
}

std::vector<HorizonSector> trueSectors(const HorizonSetting& setting, long double declination) {
    std::vector<HorizonSector> sectors = setting.sectors;
    if (!setting.compassBearings) return sectors;
    for (HorizonSector& sector : sectors) {
        if (sector.from == 0 && sector.to == FullTurn) continue;  // the whole circle
        sector.from = trueFromCompass(sector.from, declination);
        sector.to = trueFromCompass(sector.to, declination);
    }
    return sectors;
}
