#include "fieldkit/compass_bearings.h"

#include "fieldkit/field_numbers.h"
#include "numtext/decimal_power.h"

namespace {

// An end turned by `turn` (both in hundredths), within the circle.
long double turnedEnd(long double end, long double turn) {
    const long double turned = roundToHundredths(bearingWithinCircle(end + turn));
    return turned == FullTurn ? 0 : turned;
}

}  // namespace

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

HorizonSetting settingInBearings(const HorizonSetting& setting, bool compassBearings,
                                 long double declination) {
    if (setting.compassBearings == compassBearings) return setting;
    ExtendedPrecisionScope precision;
    // A compass bearing is the true azimuth less the declination.
    const long double turn = roundToHundredths(compassBearings ? -declination : declination);
    HorizonSetting turned = setting;
    turned.compassBearings = compassBearings;
    for (HorizonSector& sector : turned.sectors) {
        if (sector.from == 0 && sector.to == FullTurn) continue;  // the whole circle
        sector.from = turnedEnd(sector.from, turn);
        sector.to = turnedEnd(sector.to, turn);
    }
    return turned;
}
