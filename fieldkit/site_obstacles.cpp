#include "fieldkit/site_obstacles.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "calc/pointing.h"
#include "encoding/text_builder.h"
#include "fieldkit/compass_bearings.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/fieldkit_texts.h"
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

// A number with at most two decimals, without trailing zeros: "210", "202.5".
void shortNumber(long double value, char (&text)[NumberTextCapacity]) {
    NumberToText(roundToHundredths(value), text, 0, 2);
    if (std::strchr(text, '.') == nullptr) return;
    std::size_t length = std::strlen(text);
    while (text[length - 1] == '0') text[--length] = '\0';
    if (text[length - 1] == '.') text[length - 1] = '\0';
}

using fieldkit_text::ClockwiseTo;
using fieldkit_text::From;
using fieldkit_text::ReallyAdd;
using fieldkit_text::SiteLabel;
using fieldkit_text::WideBy;

}  // namespace

long double siteDeclination(const ReceivingSite& site, double decimalYear) {
    return evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                                 static_cast<double>(site.longitude), 0, decimalYear)
        .declination;
}

Horizon obstacleHorizon(const HorizonSetting& setting, const ReceivingSite& site,
                        double decimalYear) {
    const long double declination =
        setting.compassBearings ? siteDeclination(site, decimalYear) : 0;
    Horizon horizon;
    horizon.setSectors(trueSectors(setting, declination));
    return horizon;
}

Horizon obstaclesAtSite(const char* storedValue, const ReceivingSite& site, double decimalYear) {
    std::vector<SiteObstacles> sites;
    if (!parseObstacleSites(storedValue, sites)) return Horizon();
    for (const SiteObstacles& set : sites) {
        if (sameObstacleSite(set.site, site))
            return obstacleHorizon(set.setting, set.site, decimalYear);
    }
    return Horizon();
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
    NumberToText(sectorWidth(sector), cells.width, 0, 2);
    return cells;
}

bool isWideObstacle(const HorizonSector& sector) {
    return roundToHundredths(sectorWidth(sector)) > FullTurn / 2;
}

void buildWideObstacleQuestion(const HorizonSector& sector,
                               char (&question)[WideObstacleQuestionCapacity]) {
    char from[NumberTextCapacity];
    char to[NumberTextCapacity];
    char width[NumberTextCapacity];
    shortNumber(sector.from, from);
    shortNumber(sector.to, to);
    shortNumber(sectorWidth(sector), width);
    TextBuilder(question, sizeof question)
        << From << from << ClockwiseTo << to << WideBy << width << ReallyAdd;
}

void buildObstacleSiteLabel(const ReceivingSite& site, char (&label)[ObstacleSiteLabelCapacity]) {
    char description[SiteDescriptionCapacity];
    buildSiteDescription(site, description);
    // The description's three lines on one line.
    std::string line = description;
    for (std::size_t end; (end = line.find("\r\n")) != std::string::npos;)
        line.replace(end, 2, "  ");
    TextBuilder(label, sizeof label) << SiteLabel << line.c_str();
}
