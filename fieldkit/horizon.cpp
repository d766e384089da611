#include "fieldkit/horizon.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "encoding/bounded_text.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

constexpr long double FullTurn = 360;
constexpr long double Zenith = 90;
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

bool within(long double value, long double highest) { return value >= 0 && value <= highest; }

// The direction an end names: 360 is north.
long double direction(long double end) { return end == FullTurn ? 0 : end; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// ---- The profile ----

long double interpolate(const HorizonPoint& before, long double beforeAzimuth,
                        const HorizonPoint& after, long double afterAzimuth, long double azimuth) {
    const long double t = (azimuth - beforeAzimuth) / (afterAzimuth - beforeAzimuth);
    const long double elevation = before.elevation + (after.elevation - before.elevation) * t;
    // Rounding never takes the line past its ends.
    const auto range = std::minmax(before.elevation, after.elevation);
    return std::clamp(elevation, range.first, range.second);
}

// The profile's elevation at 0 <= azimuth < 360; `points` sorted by azimuth.
long double profileAt(const std::vector<HorizonPoint>& points, long double azimuth) {
    if (points.empty()) return 0;
    const auto byAzimuth = [](const HorizonPoint& a, const HorizonPoint& b) {
        return a.azimuth < b.azimuth;
    };
    const HorizonPoint probe{azimuth, 0};
    const auto first = std::lower_bound(points.begin(), points.end(), probe, byAzimuth);
    const auto next = std::upper_bound(first, points.end(), probe, byAzimuth);

    // Points standing at the azimuth itself: the highest. North also has those at 360.
    bool atAzimuth = first != next;
    long double highest = 0;
    for (auto p = first; p != next; ++p) highest = std::max(highest, p->elevation);
    if (azimuth == 0) {
        for (auto p = points.rbegin(); p != points.rend() && p->azimuth == FullTurn; ++p) {
            highest = std::max(highest, p->elevation);
            atAzimuth = true;
        }
    }
    if (atAzimuth) return highest;

    // Between two points, through north past the last or before the first.
    const bool wrapsBefore = next == points.begin();
    const bool wrapsAfter = next == points.end();
    const HorizonPoint& before = wrapsBefore ? points.back() : *(next - 1);
    const HorizonPoint& after = wrapsAfter ? points.front() : *next;
    return interpolate(before, wrapsBefore ? before.azimuth - FullTurn : before.azimuth, after,
                       wrapsAfter ? after.azimuth + FullTurn : after.azimuth, azimuth);
}

// ---- Files ----

// The numbers of one line with its comment removed: separated by blanks, a
// comma, or a comma with blanks around it. A comma with no number before or
// after it gives an empty text.
std::vector<std::string> splitNumbers(const std::string& line) {
    std::vector<std::string> fields;
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n && isBlank(line[i])) ++i;
    if (i == n) return fields;
    while (true) {
        std::size_t end = i;
        while (end < n && !isBlank(line[end]) && line[end] != ',') ++end;
        fields.push_back(line.substr(i, end - i));
        i = end;
        while (i < n && isBlank(line[i])) ++i;
        const bool comma = i < n && line[i] == ',';
        if (comma) {
            ++i;
            while (i < n && isBlank(line[i])) ++i;
        }
        if (i == n && !comma) return fields;
    }
}

// Reads one number of a line into `value`, or describes why not.
bool readField(const std::string& text, HorizonField field, long double highest, long double& value,
               HorizonFileError& error) {
    HorizonFileProblem problem = HorizonFileProblem::None;
    const NumberRefusal refusal = readStrictNumber(text, {0, highest}, &value);
    if (refusal == NumberRefusal::OutOfRange) {
        problem = HorizonFileProblem::OutOfRange;
    } else if (refusal != NumberRefusal::None) {
        problem = HorizonFileProblem::NotANumber;
    }
    if (problem == HorizonFileProblem::None) return true;
    error.problem = problem;
    error.field = field;
    error.textCut = text.size() > HorizonQuotedTextLimit;
    error.text = text.substr(0, HorizonQuotedTextLimit);
    return false;
}

// Reads the numbers of one line of a file whose lines have `form` numbers
// (0 until the first line fixes it).
bool readLine(const std::vector<std::string>& numbers, std::size_t& form,
              std::vector<HorizonSector>& sectors, std::vector<HorizonPoint>& points,
              HorizonFileError& error) {
    const std::size_t count = numbers.size();
    if (count != 2 && count != 3) {
        error.problem = HorizonFileProblem::WrongCount;
        error.count = count;
        return false;
    }
    if (form == 0) form = count;
    if (count != form) {
        error.problem = count == 2 ? HorizonFileProblem::PointAmongSectors
                                   : HorizonFileProblem::SectorAmongPoints;
        return false;
    }
    if (count == 3) {
        if (sectors.size() == HorizonSectorCapacity) {
            error.problem = HorizonFileProblem::TooManySectors;
            return false;
        }
        HorizonSector sector;
        if (!readField(numbers[0], HorizonField::From, FullTurn, sector.from, error) ||
            !readField(numbers[1], HorizonField::To, FullTurn, sector.to, error) ||
            !readField(numbers[2], HorizonField::Elevation, Zenith, sector.elevation, error)) {
            return false;
        }
        sectors.push_back(sector);
        return true;
    }
    if (points.size() == HorizonPointCapacity) {
        error.problem = HorizonFileProblem::TooManyPoints;
        return false;
    }
    HorizonPoint point;
    if (!readField(numbers[0], HorizonField::Azimuth, FullTurn, point.azimuth, error) ||
        !readField(numbers[1], HorizonField::Elevation, Zenith, point.elevation, error)) {
        return false;
    }
    points.push_back(point);
    return true;
}

const char* fieldName(HorizonField field) {
    switch (field) {
        case HorizonField::From:
            return "from azimuth";
        case HorizonField::To:
            return "to azimuth";
        case HorizonField::Azimuth:
            return "azimuth";
        case HorizonField::Elevation:
            return "elevation";
        case HorizonField::None:
            break;
    }
    return "number";
}

// `text` in double quotes, every byte that is not printable ASCII (and the
// quote and backslash) as \xNN.
std::string quoted(const std::string& text, bool cut) {
    static const char Hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += Hex[byte >> 4];
            out += Hex[byte & 0x0F];
        }
    }
    if (cut) out += "...";
    return out + "\"";
}

// ---- The stored setting ----

// The hundredth nearest `value`: what two decimals keep.
long double toHundredths(long double value) { return std::round(value * 100) / 100 + 0.0L; }

void appendNumber(BoundedText& text, long double value) {
    char number[NumberTextCapacity];
    NumberToText(toHundredths(value), number, 0, 2);
    text.append(number);
}

// One stored sector, "FROM,TO,ELEVATION".
bool readStoredSector(const std::string& text, HorizonSector& sector) {
    long double* const numbers[] = {&sector.from, &sector.to, &sector.elevation};
    if (text.find(' ') != std::string::npos) return false;  // stored without blanks
    std::size_t start = 0;
    for (int k = 0; k < 3; ++k) {
        const std::size_t comma = text.find(',', start);
        const bool last = k == 2;
        if ((comma == std::string::npos) != last) return false;
        const std::size_t end = last ? text.size() : comma;
        if (readStrictNumber(text.substr(start, end - start), NumberRange{}, numbers[k]) !=
            NumberRefusal::None)
            return false;
        start = end + 1;
    }
    if (!isValidSector(sector)) return false;
    for (long double* number : numbers) *number = toHundredths(*number);
    return true;
}

}  // namespace

bool isValidSector(const HorizonSector& sector) {
    return within(sector.from, FullTurn) && within(sector.to, FullTurn) &&
           within(sector.elevation, Zenith);
}

bool isValidPoint(const HorizonPoint& point) {
    return within(point.azimuth, FullTurn) && within(point.elevation, Zenith);
}

bool sectorCovers(const HorizonSector& sector, long double azimuth) {
    if (sector.from == 0 && sector.to == FullTurn) return true;
    const long double from = direction(sector.from);
    const long double to = direction(sector.to);
    // Exact comparisons: an end is covered however it was reached.
    return from <= to ? (from <= azimuth && azimuth <= to) : (azimuth >= from || azimuth <= to);
}

bool Horizon::setSectors(std::vector<HorizonSector> sectors) {
    if (sectors.size() > HorizonSectorCapacity) return false;
    if (!std::all_of(sectors.begin(), sectors.end(), isValidSector)) return false;
    sectors_ = std::move(sectors);
    return true;
}

bool Horizon::setProfile(std::vector<HorizonPoint> points) {
    if (points.size() > HorizonPointCapacity) return false;
    if (!std::all_of(points.begin(), points.end(), isValidPoint)) return false;
    std::stable_sort(
        points.begin(), points.end(),
        [](const HorizonPoint& a, const HorizonPoint& b) { return a.azimuth < b.azimuth; });
    profile_ = std::move(points);
    return true;
}

long double Horizon::elevationAt(long double azimuth) const {
    ExtendedPrecisionScope precision;
    if (!std::isfinite(azimuth)) return Zenith;
    const long double bearing = bearingWithinCircle(azimuth);
    long double highest = profileAt(profile_, bearing);
    for (const HorizonSector& sector : sectors_) {
        if (sectorCovers(sector, bearing)) highest = std::max(highest, sector.elevation);
    }
    return highest;
}

HorizonClearance clearanceAt(const Horizon& horizon, long double trueAzimuth,
                             long double elevation) {
    ExtendedPrecisionScope precision;
    HorizonClearance result;
    result.horizonElevation = horizon.elevationAt(trueAzimuth);
    result.clearance = elevation - result.horizonElevation;
    result.clear = elevation > result.horizonElevation;
    return result;
}

HorizonClearance satelliteClearance(const Horizon& horizon, const SatelliteFieldNumbers& numbers) {
    return clearanceAt(horizon, numbers.azimuth, numbers.elevation);
}

bool readHorizonFile(const std::string& fileText, Horizon& horizon, HorizonFileError& error) {
    error = HorizonFileError();
    if (fileText.size() > HorizonFileLimit) {
        error.problem = HorizonFileProblem::TooLarge;
        return false;
    }
    ExtendedPrecisionScope precision;
    std::vector<HorizonSector> sectors;
    std::vector<HorizonPoint> points;
    std::size_t form = 0;
    std::size_t start = fileText.compare(0, 3, ByteOrderMark) == 0 ? 3 : 0;
    for (std::size_t number = 1; start < fileText.size(); ++number) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string::npos) end = fileText.size();
        std::string line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t comment = line.find('#');
        if (comment != std::string::npos) line.erase(comment);

        const std::vector<std::string> numbers = splitNumbers(line);
        if (numbers.empty()) continue;
        if (!readLine(numbers, form, sectors, points, error)) {
            error.line = number;
            return false;
        }
    }
    Horizon read;
    read.setSectors(std::move(sectors));
    read.setProfile(std::move(points));
    horizon = std::move(read);
    return true;
}

std::string horizonFileMessage(const HorizonFileError& error) {
    const std::string line = "line " + std::to_string(error.line) + ": ";
    switch (error.problem) {
        case HorizonFileProblem::None:
            return "";
        case HorizonFileProblem::TooLarge:
            return "the file is larger than " + std::to_string(HorizonFileLimit) + " bytes";
        case HorizonFileProblem::WrongCount:
            return line + std::to_string(error.count) +
                   (error.count == 1 ? " number" : " numbers") +
                   ", where an obstacle has 3 and a profile point 2";
        case HorizonFileProblem::PointAmongSectors:
            return line + "a profile point (2 numbers) in a file of obstacles (3 numbers each)";
        case HorizonFileProblem::SectorAmongPoints:
            return line + "an obstacle (3 numbers) in a file of profile points (2 numbers each)";
        case HorizonFileProblem::NotANumber:
            return line + fieldName(error.field) + " " + quoted(error.text, error.textCut) +
                   " is not a number";
        case HorizonFileProblem::OutOfRange:
            return line + fieldName(error.field) + " " + quoted(error.text, error.textCut) +
                   (error.field == HorizonField::Elevation ? " is not within 0 to 90"
                                                           : " is not within 0 to 360");
        case HorizonFileProblem::TooManySectors:
            return line + "more than " + std::to_string(HorizonSectorCapacity) + " obstacles";
        case HorizonFileProblem::TooManyPoints:
            return line + "more than " + std::to_string(HorizonPointCapacity) + " profile points";
    }
    return "";
}

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
