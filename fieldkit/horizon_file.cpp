#include "fieldkit/horizon_file.h"

#include <utility>
#include <vector>

#include "encoding/text_encoding.h"
#include "numtext/decimal_power.h"
#include "numtext/strict_number.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

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

}  // namespace

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
    std::size_t start = fileText.compare(0, 3, Utf8ByteOrderMark) == 0 ? 3 : 0;
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
