#pragma once
// Satellite records and lists.
//
// A SatelliteRecord text is the longitude text, one comma and the
// description ("57.0,国际703  (InterSat-707)"). A SatelliteListText is the
// records each followed by a NUL, ended by an empty record (one more NUL).

#include <cstddef>

#include "data/satellite_table.h"

// The longest longitude text taken from a record.
constexpr std::size_t RecordLongitudeLimit = 20;
// The longest record formed from a row: a whole cell, the comma, a whole cell (255).
constexpr std::size_t MaxRecordLength = 2 * (CellTextCapacity - 1) + 1;

// The 39 built-in satellites as a SatelliteListText: 1,065 bytes, the last
// two of them NUL.
constexpr std::size_t DefaultCatalogueSize = 1065;
extern const char (&DefaultCatalogue)[DefaultCatalogueSize];

struct SatelliteRecordParts {
    char longitudeText[RecordLongitudeLimit + 1] = {};
    const char* description = nullptr;  // points into the record; not NUL-terminated
    std::size_t descriptionLength = 0;
    std::size_t recordLength = 0;  // bytes up to (not including) the record's NUL
};

// Splits the record starting at `record`, never reading past `available` bytes
// (a record without its NUL ends at `available`).
SatelliteRecordParts splitSatelliteRecord(const char* record, std::size_t available);

// Appends one row per record of `list` (at most `size` bytes are read) to the
// empty table: description in column 0, longitude text in column 1.
void fillSatelliteTable(SatelliteTable& table, const char* list, std::size_t size);

// Writes the record text of `row` (each cell read with CellTextCapacity) into
// `record` (NUL-terminated, cut to capacity - 1) and returns its length.
std::size_t formSatelliteRecord(const SatelliteTable& table, int row, char* record,
                                std::size_t capacity);
