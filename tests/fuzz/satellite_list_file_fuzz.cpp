// Any bytes as a satellite list file. An accepted list fits the stored
// list's bytes, each of its records passes the satellite dialog's rule and
// splits back into its texts, and the list written out as a file reads back
// as the same list. A refusal names a line of the file that holds a record.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "calc/satellite_entry.h"
#include "calc/satellite_list_file.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// Each record of the list: the dialog's rule holds, and the split the table
// fill makes gives the two texts back.
int checkRecords(const std::string& list) {
    int records = 0;
    std::size_t position = 0;
    while (list[position] != '\0') {
        const std::size_t end = list.find('\0', position);
        const std::string record = list.substr(position, end - position);
        const std::size_t comma = record.find(',');
        require(comma != std::string::npos, "every record has its comma");
        const std::string longitude = record.substr(0, comma);
        const std::string description = record.substr(comma + 1);
        require(satelliteTextsAcceptable(longitude.c_str(), description.c_str()),
                "every record passes the dialog's rule");
        require(description.find('\n') == std::string::npos, "no record holds a line feed");

        const SatelliteRecordParts parts = splitSatelliteRecord(record.c_str(), record.size() + 1);
        require(parts.recordLength == record.size() && longitude == parts.longitudeText &&
                    description == std::string(parts.description, parts.descriptionLength),
                "every record splits back into its texts");
        position = end + 1;
        ++records;
    }
    require(position + 1 == list.size(), "the list ends at its empty record");
    return records;
}

void checkAccepted(const SatelliteListFileResult& result) {
    require(!result.list.empty() && result.list.back() == '\0', "a list ends with its NUL");
    require(result.list.size() + 1 <= StoredListCapacity, "an accepted list fits the stored list");
    require(checkRecords(result.list) == result.rowCount, "one row per record");
    require(satelliteListFileMessage(result).empty(), "no message for an accepted file");

    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, result.list.data(), result.list.size());
    require(table.rowCount() == result.rowCount, "the table gets every row");
    std::string written;
    require(writeSatelliteListFile(table, written), "an accepted list can be written");
    const SatelliteListFileResult again = parseSatelliteListFile(written);
    require(again.fault == SatelliteListFault::None && again.list == result.list &&
                again.rowCount == result.rowCount,
            "the written file reads back as the same list");
}

void checkRefused(const std::string& file, const SatelliteListFileResult& result) {
    require(result.list.empty() && result.rowCount == 0, "a refusal gives no list");
    std::string utf8;
    const std::string message = satelliteListFileMessage(result);
    require(!message.empty() && cp936ToUtf8(message, utf8), "a refusal has a message in GBK");
    if (result.fault == SatelliteListFault::FileTooLarge) {
        require(result.line == 0 && file.size() > SatelliteListFileLimit,
                "only a file over the limit is too large");
        return;
    }
    require(result.line >= 1, "a refusal names a line");
    // The lines of a UTF-16 file are not the bytes' lines.
    if (file.compare(0, 2, "\xFF\xFE") == 0 || file.compare(0, 2, "\xFE\xFF") == 0) return;
    // The named line, counted from 1 (a byte order mark is part of line 1).
    std::size_t start = 0;
    for (std::size_t line = 1; line < result.line; ++line) {
        start = file.find('\n', start);
        require(start != std::string::npos, "a refusal names a line within the file");
        ++start;
    }
    require(result.line >= 1, "a refusal names a line");
    std::size_t end = file.find('\n', start);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(start, end - start);
    if (result.line == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t");
    require(first != std::string::npos && line[first] != '#',
            "a refused line is neither blank nor a comment");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const SatelliteListFileResult result = parseSatelliteListFile(file);
    if (result.fault == SatelliteListFault::None) {
        checkAccepted(result);
    } else {
        checkRefused(file, result);
    }
    return 0;
}
