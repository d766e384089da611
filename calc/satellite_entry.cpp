#include "calc/satellite_entry.h"

#include <algorithm>
#include <cstring>

#include "calc/site_input.h"
#include "data/satellite_catalogue.h"
#include "data/settings_store.h"
#include "encoding/bounded_text.h"
#include "numtext/numtext.h"

namespace {

constexpr int LongitudeLimit = 180;

// The bytes a text keeps once it has been through a cell (read with CellTextCapacity).
std::size_t cellLength(const char* text) {
    return std::min(std::strlen(text), CellTextCapacity - 1);
}

// satelliteTextsValid's rule, saying which text it refuses.
SatelliteTextsFault validityFault(const char* longitudeText, const char* description) {
    if (longitudeText[0] == '\0') return SatelliteTextsFault::LongitudeInvalid;
    // TextToNumber removes blanks in place; the caller's text stays as typed.
    char number[CellReadCapacity];
    BoundedText(number, sizeof number).append(longitudeText);
    long double longitude = 0;
    if (TextToNumber(number, &longitude) != 1 || !roundsWithin(longitude, LongitudeLimit)) {
        return SatelliteTextsFault::LongitudeInvalid;
    }
    if (description[0] == '\0') return SatelliteTextsFault::DescriptionEmpty;
    return SatelliteTextsFault::None;
}

}  // namespace

bool satelliteTextsValid(const char* longitudeText, const char* description) {
    return validityFault(longitudeText, description) == SatelliteTextsFault::None;
}

SatelliteTextsFault satelliteTextsFault(const char* longitudeText, const char* description) {
    if (std::strlen(longitudeText) > SatelliteLongitudeLimit) {
        return SatelliteTextsFault::LongitudeTooLong;
    }
    const SatelliteTextsFault fault = validityFault(longitudeText, description);
    if (fault != SatelliteTextsFault::None) return fault;
    if (std::strlen(description) > SatelliteDescriptionLimit) {
        return SatelliteTextsFault::DescriptionTooLong;
    }
    return SatelliteTextsFault::None;
}

std::size_t storedListSizeAfterEntry(const SatelliteTable& table, int targetRow,
                                     const char* longitudeText, const char* description) {
    std::size_t size = storedListSize(table);
    if (targetRow < 0 || targetRow > table.rowCount()) return size;
    if (targetRow < table.rowCount()) {
        char record[MaxRecordLength + 1];
        size -= formSatelliteRecord(table, targetRow, record, sizeof record) + 1;
    }
    // The new record, its comma and its NUL.
    return size + cellLength(longitudeText) + 1 + cellLength(description) + 1;
}

bool satelliteEntryAcceptable(const SatelliteTable& table, int targetRow, const char* longitudeText,
                              const char* description) {
    return satelliteTextsValid(longitudeText, description) &&
           storedListSizeAfterEntry(table, targetRow, longitudeText, description) <=
               StoredListCapacity;
}
