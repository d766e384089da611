#pragma once
// The results as fixed-width code page 936 text, as the copy command puts
// them on the clipboard and kestrave-cli prints them.

#include <cstddef>

#include "data/satellite_table.h"

// The copy command reads the site description and every cell with this
// capacity: 35,998 bytes and the NUL.
constexpr std::size_t ClipboardReadCapacity = 35999;

// Field widths in bytes, by column; 78 bytes per line before "\r\n".
constexpr std::size_t ResultFieldWidths[SatelliteColumnCount] = {36, 10, 10, 14, 8};

// The bytes the copy command allocates: (rows + 2) * 80 + 10 + description length + 4.
std::size_t resultTextCapacity(int rowCount, std::size_t descriptionLength);

// Writes the description, an empty line, the header, a rule of 80 '-', one
// line per row (every line ending in "\r\n") and a terminating zero into
// `buffer`, never more than `capacity` bytes. Returns the length without the
// zero. A field never ends inside a double-byte character: it is cut before
// the character and filled with blanks.
std::size_t formatResultText(const char* description, const SatelliteTable& table, char* buffer,
                             std::size_t capacity);
