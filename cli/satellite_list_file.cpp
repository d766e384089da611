#include "cli/satellite_list_file.h"

#include "data/satellite_catalogue.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"

namespace {

// The longest description a row keeps whole when it is saved again.
constexpr std::size_t DescriptionLimit = CellTextCapacity - 1;

bool isBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

// Checks one converted record; returns false with the reason.
bool checkRecord(const std::string& record, std::string& reason) {
    if (record.find('\0') != std::string::npos) {
        reason = "holds a NUL byte";
        return false;
    }
    std::size_t comma = record.find(',');
    std::size_t longitudeLength = comma == std::string::npos ? record.size() : comma;
    if (longitudeLength > RecordLongitudeLimit) {
        reason = "longitude text longer than 20 bytes";
        return false;
    }
    if (comma != std::string::npos && record.size() - comma - 1 > DescriptionLimit) {
        reason = "description longer than 127 bytes (in code page 936)";
        return false;
    }
    return true;
}

}  // namespace

bool satelliteListFromUtf8(const std::string& fileText, std::string& list, std::string& error) {
    list.clear();
    std::size_t start = fileText.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (std::size_t number = 1; start < fileText.size(); ++number) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string::npos) end = fileText.size();
        std::string line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (isBlank(line)) continue;

        std::string record;
        std::string reason;
        if (!utf8ToCp936(line, record)) {
            error = "line " + std::to_string(number) + ": cannot be written in code page 936";
            return false;
        }
        if (!checkRecord(record, reason)) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
        list += record;
        list.push_back('\0');
    }
    list.push_back('\0');
    return true;
}
