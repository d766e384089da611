#include "data/satellite_catalogue.h"

#include <cstring>
#include <string>

#include "data/data_texts.h"
#include "encoding/bounded_text.h"

// The 39 built-in satellites, written in the data subsystem's table of texts.
// A list of another size does not compile.
const char (&DefaultCatalogue)[DefaultCatalogueSize] = data_text::BuiltInSatellites;

SatelliteRecordParts splitSatelliteRecord(const char* record, std::size_t available) {
    SatelliteRecordParts parts;
    const void* end = std::memchr(record, '\0', available);
    parts.recordLength =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - record) : available;

    // The longitude text: the bytes before the first comma, at most 20 of them
    // (counted in bytes, even when the 20th begins a double-byte character).
    std::size_t scanned = 0;
    while (scanned < parts.recordLength && scanned < RecordLongitudeLimit && record[scanned] != ',')
        ++scanned;
    std::memcpy(parts.longitudeText, record, scanned);
    parts.longitudeText[scanned] = '\0';

    // The description follows the record's first comma, wherever that lies:
    // a record with 20 or more bytes before it still shows its description,
    // and a record without a comma has none. No trail byte of code page 936
    // is 0x2C, so the first comma byte is a real comma.
    const void* comma = std::memchr(record, ',', parts.recordLength);
    if (comma) {
        parts.description = static_cast<const char*>(comma) + 1;
        parts.descriptionLength = parts.recordLength - (parts.description - record);
    } else {
        parts.description = record + parts.recordLength;
    }
    return parts;
}

void fillSatelliteTable(SatelliteTable& table, const char* list, std::size_t size) {
    int row = table.rowCount();
    std::size_t position = 0;
    while (position < size && list[position] != '\0') {
        SatelliteRecordParts parts = splitSatelliteRecord(list + position, size - position);
        std::string description(parts.description, parts.descriptionLength);
        table.insertRow(row, description.c_str());
        table.setCell(row, ColumnLongitude, parts.longitudeText);
        // Past the whole record and its NUL, wherever the split stopped.
        position += parts.recordLength + 1;
        ++row;
    }
}

std::size_t formSatelliteRecord(const SatelliteTable& table, int row, char* record,
                                std::size_t capacity) {
    if (record == nullptr || capacity == 0) return 0;
    char longitude[CellTextCapacity];
    char description[CellTextCapacity];
    table.getCell(row, ColumnLongitude, longitude, sizeof longitude);
    table.getCell(row, ColumnName, description, sizeof description);

    BoundedText text(record, capacity);
    text.append(longitude);
    text.append(",");
    text.append(description);
    return text.length();
}
