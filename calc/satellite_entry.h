#pragma once
// The satellite dialog's decision whether its two texts may be written into
// the table: a usable longitude and description, and a stored list that the
// next start can still read back.

#include <cstddef>

#include "data/satellite_table.h"

// True when the description is not empty and the longitude text is not
// empty, is accepted by TextToNumber and rounds (halves to even) into
// -180..180, so that -180.5 and 180.5 pass and 180.6 does not. The texts
// themselves are left as they are.
bool satelliteTextsValid(const char* longitudeText, const char* description);

// The size Data would take after the texts are written into `targetRow`:
// an existing row is replaced, rowCount() appends a new row, and -1 (no row
// to write) leaves the list as it is. Each text counts with at most the 127
// bytes that a cell read gives back.
std::size_t storedListSizeAfterEntry(const SatelliteTable& table, int targetRow,
                                     const char* longitudeText, const char* description);

// Both of the above: valid texts, and a stored list within StoredListCapacity.
bool satelliteEntryAcceptable(const SatelliteTable& table, int targetRow, const char* longitudeText,
                              const char* description);
