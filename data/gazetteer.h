#pragma once
// The built-in gazetteer: 2,347 Chinese places with their longitude and
// latitude in hundredths of a degree.
//
// Layout (little-endian): scale (u32, 100); the entries, each a name length
// N (u8, 4..18), N code page 936 name bytes, longitude and latitude (u16
// each, hundredths of a degree east and north); an end byte 0.

#include <cstddef>

constexpr std::size_t GazetteerSize = 21952;
constexpr int GazetteerPlaceCount = 2347;
extern const unsigned char Gazetteer[GazetteerSize];

// Finds `name` (NUL-terminated code page 936, exact bytes, 4 to 18 bytes) and
// writes its longitude and latitude in degrees; the first of two entries of
// the same name wins. Returns 1, or 0 without writing anything.
int lookupPlace(const char* name, long double* longitude, long double* latitude);

// Walks the names in table order.
struct GazetteerCursor {
    std::size_t offset = 4;
};
// Names are 4 to 18 bytes long.
constexpr std::size_t ShortestPlaceName = 4;
constexpr std::size_t LongestPlaceName = 18;
constexpr std::size_t PlaceNameCapacity = LongestPlaceName + 1;
// Copies the next name (NUL-terminated) into `name` and advances; false at the end.
bool nextPlaceName(GazetteerCursor& cursor, char (&name)[PlaceNameCapacity]);
// The same, with the place's longitude and latitude in degrees.
bool nextPlace(GazetteerCursor& cursor, char (&name)[PlaceNameCapacity], long double* longitude,
               long double* latitude);
