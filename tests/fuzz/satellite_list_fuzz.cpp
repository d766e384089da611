// A SatelliteListText of 0 to 40,000 arbitrary bytes read into the table,
// then every row formed back into its record.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "data/satellite_catalogue.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/test_satellite_table.h"

namespace {

constexpr std::size_t LargestList = 40000;
// Cells are read back into fields of 128 bytes.
constexpr std::size_t CellLimit = CellTextCapacity - 1;

// What a row must hold after the fill, record by record, as the record rules
// fix it: the longitude text is the bytes before the first comma, at most 20
// of them; the description follows a comma that comes within the first 21
// bytes, and is empty for a comma-less record of at most 20 bytes. Elsewhere
// the description's start is open, but it is always an end part of the record.
void checkRow(const TestSatelliteTable& table, int row, const std::string& record) {
    const std::string longitude = table.cellText(row, ColumnLongitude);
    const std::string description = table.cellText(row, ColumnName);

    const std::size_t comma = record.find(',');
    const std::size_t longitudeLength =
        std::min(comma == std::string::npos ? record.size() : comma, RecordLongitudeLimit);
    require(longitude == record.substr(0, longitudeLength), "the longitude text starts the record");

    if (comma != std::string::npos && comma <= RecordLongitudeLimit) {
        require(description == record.substr(comma + 1), "the description follows the first comma");
    } else if (comma == std::string::npos && record.size() <= RecordLongitudeLimit) {
        require(description.empty(), "a short record without a comma has no description");
    } else {
        require(description.size() <= record.size() &&
                    record.compare(record.size() - description.size(), description.size(),
                                   description) == 0,
                "a description comes from the end of its record");
    }
    for (int column = ColumnElevation; column < SatelliteColumnCount; ++column)
        require(table.cellText(row, column).empty(), "the result cells stay empty");
}

// Forms the row's record and splits it again: where the row's longitude text is
// shorter than 20 bytes and has no comma, and its description is at most 127
// bytes, the split gives the same two texts back.
void checkFormedRecord(const TestSatelliteTable& table, int row) {
    const std::string longitude = table.cellText(row, ColumnLongitude);
    const std::string description = table.cellText(row, ColumnName);

    std::unique_ptr<char[]> record(new char[MaxRecordLength + 1]);
    const std::size_t length = formSatelliteRecord(table, row, record.get(), MaxRecordLength + 1);
    require(
        length <= MaxRecordLength && record[length] == '\0' && std::strlen(record.get()) == length,
        "a formed record is a text of at most 255 bytes");
    const std::string expected =
        longitude.substr(0, CellLimit) + "," + description.substr(0, CellLimit);
    require(std::string(record.get(), length) == expected,
            "a record is the longitude text, a comma and the description, each cut to 127 bytes");

    const bool splitsBack = longitude.size() < RecordLongitudeLimit &&
                            longitude.find(',') == std::string::npos &&
                            description.size() <= CellLimit;
    if (!splitsBack) return;
    // Once with its NUL, once ending at the last byte available.
    for (std::size_t available : {length + 1, length}) {
        std::unique_ptr<char[]> copy =
            exactCopy(reinterpret_cast<const std::uint8_t*>(record.get()), available);
        const SatelliteRecordParts parts = splitSatelliteRecord(copy.get(), available);
        require(parts.recordLength == length, "the split finds the record's end");
        require(longitude == parts.longitudeText, "the longitude text splits back");
        require(parts.description != nullptr &&
                    description == std::string(parts.description, parts.descriptionLength),
                "the description splits back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > LargestList) return 0;
    std::unique_ptr<char[]> list = exactCopy(data, size);

    TestSatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, list.get(), size);

    // Every record up to the empty one, or to the end of the bytes, gets its row.
    const std::string bytes(list.get(), size);
    int row = 0;
    std::size_t position = 0;
    while (position < size && bytes[position] != '\0') {
        std::size_t end = bytes.find('\0', position);
        if (end == std::string::npos) end = size;
        require(row < table.rowCount(), "every record gets a row");
        checkRow(table, row, bytes.substr(position, end - position));
        checkFormedRecord(table, row);
        position = end + 1;
        ++row;
    }
    require(row == table.rowCount(), "no row without a record");
    return 0;
}
