#include "fieldkit/horizon_setting.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "encoding/bounded_text.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

void appendNumber(BoundedText& text, long double value) {
    char number[NumberTextCapacity];
    NumberToText(roundToHundredths(value), number, 0, 2);
    text.append(number);
}

// One stored sector, "FROM,TO,ELEVATION".
bool readStoredSector(const std::string& text, HorizonSector& sector) {
    long double* const numbers[] = {&sector.from, &sector.to, &sector.elevation};
    std::size_t start = 0;
    for (int k = 0; k < 3; ++k) {
        const std::size_t comma = text.find(',', start);
        const bool last = k == 2;
        if ((comma == std::string::npos) != last) return false;
        const std::size_t end = last ? text.size() : comma;
        if (!readStoredNumber(text.substr(start, end - start), NumberRange{}, *numbers[k]))
            return false;
        start = end + 1;
    }
    if (!isValidSector(sector)) return false;
    for (long double* number : numbers) *number = roundToHundredths(*number);
    return true;
}

}  // namespace

bool readStoredNumber(const std::string& text, NumberRange range, long double& value) {
    if (text.find(' ') != std::string::npos) return false;
    return readStrictNumber(text, range, &value) == NumberRefusal::None;
}

long double roundToHundredths(long double value) { return std::round(value * 100) / 100 + 0.0L; }

bool formatHorizonSetting(const HorizonSetting& setting, char (&text)[HorizonSettingCapacity]) {
    text[0] = '\0';
    if (setting.sectors.size() > HorizonSectorCapacity) return false;
    if (!std::all_of(setting.sectors.begin(), setting.sectors.end(), isValidSector)) return false;
    ExtendedPrecisionScope precision;
    // Every number within its range takes at most 6 bytes ("360.00"), so
    // the capacity holds the longest setting.
    BoundedText out(text, sizeof text);
    out.append(setting.compassBearings ? "M" : "T");
    for (const HorizonSector& sector : setting.sectors) {
        out.append(";");
        appendNumber(out, sector.from);
        out.append(",");
        appendNumber(out, sector.to);
        out.append(",");
        appendNumber(out, sector.elevation);
    }
    return true;
}

bool parseHorizonSetting(const char* text, HorizonSetting& setting) {
    const std::size_t length = strnlen(text, HorizonSettingCapacity);
    if (length == HorizonSettingCapacity) return false;
    const std::string stored(text, length);
    if (stored.empty() || (stored[0] != 'T' && stored[0] != 'M')) return false;
    ExtendedPrecisionScope precision;
    HorizonSetting read;
    read.compassBearings = stored[0] == 'M';
    std::size_t position = 1;
    while (position < length) {
        if (stored[position] != ';' || read.sectors.size() == HorizonSectorCapacity) return false;
        std::size_t end = stored.find(';', position + 1);
        if (end == std::string::npos) end = length;
        HorizonSector sector;
        if (!readStoredSector(stored.substr(position + 1, end - position - 1), sector)) {
            return false;
        }
        read.sectors.push_back(sector);
        position = end;
    }
    setting = std::move(read);
    return true;
}
