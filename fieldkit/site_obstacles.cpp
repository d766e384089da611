#include "fieldkit/site_obstacles.h"

#include <cmath>

#include "calc/pointing.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/magnetic_model.h"
#include "numtext/strict_number.h"

namespace {

// One box's number, kept to hundredths as it is stored; the range holds
// for the number kept.
bool readBoxNumber(const char* text, long double high, long double& value) {
    long double read = 0;
    if (readStrictNumber(text, NumberRange{}, &read) != NumberRefusal::None) return false;
    read = std::round(read * 100) / 100 + 0.0L;  // no negative zero
    if (!(read >= 0 && read <= high)) return false;
    value = read;
    return true;
}

}  // namespace

HorizonSetting storedHorizonSetting(const char* text) {
    HorizonSetting setting;
    setting.compassBearings = true;
    parseHorizonSetting(text, setting);
    return setting;
}

Horizon obstacleHorizon(const HorizonSetting& setting, const ReceivingSite& site,
                        double decimalYear) {
    double declination = 0;
    if (setting.compassBearings) {
        declination = evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                                            static_cast<double>(site.longitude), 0, decimalYear)
                          .declination;
    }
    Horizon horizon;
    horizon.setSectors(trueSectors(setting, declination));
    return horizon;
}

bool hiddenByObstacles(const Horizon& horizon, long double satelliteLongitude,
                       const ReceivingSite& site) {
    if (horizon.empty()) return false;
    const SatelliteFieldNumbers numbers = computeFieldNumbers(satelliteLongitude, site, 0);
    return numbers.visible && !satelliteClearance(horizon, numbers).clear;
}

bool readObstacleEntry(const char* from, const char* to, const char* elevation,
                       HorizonSector& sector) {
    HorizonSector read;
    if (!readBoxNumber(from, 360, read.from) || !readBoxNumber(to, 360, read.to) ||
        !readBoxNumber(elevation, 90, read.elevation))
        return false;
    sector = read;
    return true;
}

ObstacleCells obstacleCells(const HorizonSector& sector) {
    ObstacleCells cells;
    NumberToText(sector.from, cells.from, 0, 2);
    NumberToText(sector.to, cells.to, 0, 2);
    NumberToText(sector.elevation, cells.elevation, 0, 2);
    return cells;
}
