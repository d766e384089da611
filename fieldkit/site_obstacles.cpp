#include "fieldkit/site_obstacles.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "calc/pointing.h"
#include "fieldkit/compass_bearings.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/magnetic_model.h"

namespace {

// One box's number; false for a text without a digit, one that ends in an
// exponent without digits ("1e", which TextToNumber takes as 1) or one
// TextToNumber refuses.
bool readBoxNumber(const char* text, long double low, long double high, long double& value) {
    if (std::strpbrk(text, "0123456789") == nullptr) return false;
    std::vector<char> copy(text, text + std::strlen(text) + 1);  // blanks are removed in place
    long double read = 0;
    if (TextToNumber(copy.data(), &read) != 1) return false;
    const std::size_t length = std::strlen(copy.data());
    if (length == 0 || std::strchr("0123456789.", copy[length - 1]) == nullptr) return false;
    read = std::round(read * 100) / 100;
    if (!(read >= low && read <= high)) return false;
    value = read == 0 ? 0 : read;  // no negative zero
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
    if (!readBoxNumber(from, 0, 360, read.from) || !readBoxNumber(to, 0, 360, read.to) ||
        !readBoxNumber(elevation, 0, 90, read.elevation))
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
