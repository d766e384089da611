#include "fieldkit/obstacle_sites.h"

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "encoding/whole_characters.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"

namespace {

constexpr char SetMark = 'S';

constexpr NumberRange Longitudes{-180, 180};
constexpr NumberRange Latitudes{-90, 90};

bool validCoordinates(long double longitude, long double latitude) {
    return Longitudes.contains(longitude) && Latitudes.contains(latitude);
}

// The site's name as kept: its whole characters within SiteNameLimit bytes.
std::string keptName(const ReceivingSite& site) {
    char name[sizeof site.name];
    std::memcpy(name, site.name, sizeof name);
    name[sizeof name - 1] = '\0';
    return std::string(name, wholeCharacterLength(name, SiteNameLimit));
}

void appendNumber(std::string& out, long double value) {
    char number[NumberTextCapacity];
    NumberToText(roundToHundredths(value), number, 0, 2);
    out += number;
}

// One set as stored; false when it is not valid.
bool appendSet(std::string& out, const SiteObstacles& set) {
    if (!validCoordinates(set.site.longitude, set.site.latitude)) return false;
    char setting[HorizonSettingCapacity];
    if (!formatHorizonSetting(set.setting, setting)) return false;
    const std::string name = keptName(set.site);
    out += SetMark;
    appendNumber(out, set.site.longitude);
    out += ',';
    appendNumber(out, set.site.latitude);
    out += ',' + std::to_string(name.size()) + ':' + name + setting;
    return true;
}

// The name's length: one or two digits, at most SiteNameLimit.
bool readNameLength(const std::string& digits, std::size_t& length) {
    if (digits.empty() || digits.size() > 2) return false;
    length = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    return length <= SiteNameLimit;
}

// Reads the set that starts at `at` and moves `at` past it.
bool readSet(const std::string& stored, std::size_t& at, SiteObstacles& set) {
    if (stored[at] != SetMark) return false;
    const std::size_t longitudeEnd = stored.find(',', at + 1);
    if (longitudeEnd == std::string::npos) return false;
    const std::size_t latitudeEnd = stored.find(',', longitudeEnd + 1);
    if (latitudeEnd == std::string::npos) return false;
    const std::size_t lengthEnd = stored.find(':', latitudeEnd + 1);
    if (lengthEnd == std::string::npos) return false;
    long double longitude = 0;
    long double latitude = 0;
    std::size_t nameLength = 0;
    if (!readStoredNumber(stored.substr(at + 1, longitudeEnd - at - 1), Longitudes, longitude) ||
        !readStoredNumber(stored.substr(longitudeEnd + 1, latitudeEnd - longitudeEnd - 1),
                          Latitudes, latitude) ||
        !readNameLength(stored.substr(latitudeEnd + 1, lengthEnd - latitudeEnd - 1), nameLength) ||
        lengthEnd + 1 + nameLength > stored.size()) {
        return false;
    }
    const std::size_t settingStart = lengthEnd + 1 + nameLength;
    std::size_t settingEnd = stored.find(SetMark, settingStart);
    if (settingEnd == std::string::npos) settingEnd = stored.size();
    SiteObstacles read;
    if (!parseHorizonSetting(stored.substr(settingStart, settingEnd - settingStart).c_str(),
                             read.setting)) {
        return false;
    }
    std::memcpy(read.site.name, stored.data() + lengthEnd + 1, nameLength);
    read.site.longitude = roundToHundredths(longitude);
    read.site.latitude = roundToHundredths(latitude);
    set = std::move(read);
    at = settingEnd;
    return true;
}

// Whether the set holds nothing the first start would not give.
bool isFirstStartSet(const HorizonSetting& setting) {
    return setting.compassBearings && setting.sectors.empty();
}

// The bytes of every set but those at `site`'s coordinates.
std::size_t otherSetsSize(const std::vector<SiteObstacles>& sites, const ReceivingSite& site) {
    std::string others;
    for (const SiteObstacles& set : sites) {
        if (!sameObstacleSite(set.site, site)) appendSet(others, set);
    }
    return others.size();
}

}  // namespace

bool sameObstacleSite(const ReceivingSite& a, const ReceivingSite& b) {
    ExtendedPrecisionScope precision;
    return std::round(a.longitude * 100) == std::round(b.longitude * 100) &&
           std::round(a.latitude * 100) == std::round(b.latitude * 100);
}

bool formatObstacleSites(const std::vector<SiteObstacles>& sites,
                         char (&text)[ObstacleSitesCapacity]) {
    text[0] = '\0';
    ExtendedPrecisionScope precision;
    std::string out;
    for (const SiteObstacles& set : sites) {
        if (!appendSet(out, set)) return false;
    }
    if (out.size() >= sizeof text) return false;
    std::memcpy(text, out.c_str(), out.size() + 1);
    return true;
}

bool parseObstacleSites(const char* text, std::vector<SiteObstacles>& sites) {
    const std::size_t length = strnlen(text, ObstacleSitesCapacity);
    if (length == ObstacleSitesCapacity) return false;
    ExtendedPrecisionScope precision;
    const std::string stored(text, length);
    std::vector<SiteObstacles> read;
    for (std::size_t at = 0; at < length;) {
        SiteObstacles set;
        if (!readSet(stored, at, set)) return false;
        for (const SiteObstacles& earlier : read) {
            if (sameObstacleSite(earlier.site, set.site)) return false;
        }
        read.push_back(std::move(set));
    }
    sites = std::move(read);
    return true;
}

bool upgradeObstacleValue(char (&text)[ObstacleSitesCapacity], const ReceivingSite& savedSite) {
    SiteObstacles set;
    if (!parseHorizonSetting(text, set.setting)) return false;
    set.site = savedSite;
    char upgraded[ObstacleSitesCapacity];
    if (!formatObstacleSites({set}, upgraded)) return false;
    std::memcpy(text, upgraded, sizeof text);
    return true;
}

SiteObstacles obstaclesForSite(const std::vector<SiteObstacles>& sites, const ReceivingSite& site) {
    for (const SiteObstacles& set : sites) {
        if (sameObstacleSite(set.site, site)) return set;
    }
    SiteObstacles fresh;
    fresh.site = site;
    fresh.setting.compassBearings = true;
    return fresh;
}

void keepSiteObstacles(std::vector<SiteObstacles>& sites, const SiteObstacles& edited) {
    std::vector<SiteObstacles> kept;
    bool placed = false;
    for (const SiteObstacles& set : sites) {
        if (!sameObstacleSite(set.site, edited.site)) {
            kept.push_back(set);
            continue;
        }
        if (!placed && !isFirstStartSet(edited.setting)) kept.push_back(edited);
        placed = true;
    }
    if (!placed && !isFirstStartSet(edited.setting)) kept.push_back(edited);
    sites = std::move(kept);
}

std::size_t obstacleRoomFor(const std::vector<SiteObstacles>& sites, const SiteObstacles& edited) {
    ExtendedPrecisionScope precision;
    SiteObstacles empty = edited;
    empty.setting.sectors.clear();
    std::string own;
    if (!appendSet(own, empty)) return 0;
    // Every obstacle takes at most ";360.00,360.00,90.00"; the NUL ends the value.
    constexpr std::size_t LongestSector = 20;
    const std::size_t used = otherSetsSize(sites, edited.site) + own.size() + 1;
    if (used >= ObstacleSitesCapacity) return 0;
    const std::size_t room = (ObstacleSitesCapacity - used) / LongestSector;
    return room < HorizonSectorCapacity ? room : HorizonSectorCapacity;
}
