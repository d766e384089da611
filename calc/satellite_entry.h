#pragma once
// The satellite dialog's decision whether its two texts may be written into
// the table: a usable longitude and description, and a stored list that the
// next start can still read back.

#include <cstddef>

#include "data/satellite_table.h"

// The dialog's typing limits, in code page 936 bytes: "-180.5" fills the
// longitude box.
constexpr std::size_t SatelliteLongitudeLimit = 6;
constexpr std::size_t SatelliteDescriptionLimit = 100;

// True when the description is not empty and the longitude text is not
// empty, is accepted by TextToNumber and rounds (halves to even) into
// -180..180, so that -180.5 and 180.5 pass and 180.6 does not. The texts
// themselves are left as they are.
bool satelliteTextsValid(const char* longitudeText, const char* description);

// Why a longitude and description typed into the dialog, or read from a list
// file, are refused: the first fault, the longitude's before the description's.
enum class SatelliteTextsFault {
    None,
    LongitudeTooLong,    // over SatelliteLongitudeLimit bytes
    LongitudeInvalid,    // empty, not a number, or outside -180..180 (satelliteTextsValid)
    DescriptionEmpty,    // no description (satelliteTextsValid)
    DescriptionTooLong,  // over SatelliteDescriptionLimit bytes
};

// The dialog's whole rule for its two texts (code page 936): each within its
// box's limit, and satelliteTextsValid. Nothing is trimmed: " 57.0" is
// accepted as typed.
SatelliteTextsFault satelliteTextsFault(const char* longitudeText, const char* description);
inline bool satelliteTextsAcceptable(const char* longitudeText, const char* description) {
    return satelliteTextsFault(longitudeText, description) == SatelliteTextsFault::None;
}

// The size Data would take after the texts are written into `targetRow`:
// an existing row is replaced, rowCount() appends a new row, and -1 (no row
// to write) leaves the list as it is. Each text counts with at most the 127
// bytes that a cell read gives back.
std::size_t storedListSizeAfterEntry(const SatelliteTable& table, int targetRow,
                                     const char* longitudeText, const char* description);

// Both of the above: valid texts, and a stored list within StoredListCapacity.
bool satelliteEntryAcceptable(const SatelliteTable& table, int targetRow, const char* longitudeText,
                              const char* description);
