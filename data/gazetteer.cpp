#include "data/gazetteer.h"

#include <cfloat>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64, "coordinates are 80-bit extended values");

namespace {

// Offset of the first entry, after the scale.
constexpr std::size_t FirstEntry = 4;
// An entry is its length byte, the name and two 16-bit coordinates.
constexpr std::size_t EntryOverhead = 5;

std::size_t readU16(const unsigned char* bytes) {
    return static_cast<std::size_t>(bytes[0]) | static_cast<std::size_t>(bytes[1]) << 8;
}

unsigned long readU32(const unsigned char* bytes) {
    return static_cast<unsigned long>(bytes[0]) | static_cast<unsigned long>(bytes[1]) << 8 |
           static_cast<unsigned long>(bytes[2]) << 16 | static_cast<unsigned long>(bytes[3]) << 24;
}

// The name length byte of the entry at `offset`, or 0 at the end byte (and
// wherever a whole entry would not fit before it).
std::size_t entryLength(std::size_t offset) {
    if (offset >= GazetteerSize) return 0;
    std::size_t length = Gazetteer[offset];
    if (offset + length + EntryOverhead >= GazetteerSize) return 0;
    return length;
}

// The name's length, counting no further than one byte past the longest name.
std::size_t boundedLength(const char* name) {
    std::size_t length = 0;
    while (length <= LongestPlaceName && name[length] != '\0') ++length;
    return length;
}

// The coordinates of the entry at `entry` whose name has `n` bytes, in
// degrees. Each stored value converts exactly; only the division rounds.
void readPoint(const unsigned char* entry, std::size_t n, long double* longitude,
               long double* latitude) {
    const long double scale = readU32(Gazetteer);
    *longitude = static_cast<long double>(readU16(entry + 1 + n)) / scale;
    *latitude = static_cast<long double>(readU16(entry + 3 + n)) / scale;
}

}  // namespace

int lookupPlace(const char* name, long double* longitude, long double* latitude) {
    if (name == nullptr) return 0;
    const std::size_t length = boundedLength(name);
    // No other length can match: such a name is refused before the scan.
    if (length < ShortestPlaceName || length > LongestPlaceName) return 0;

    std::size_t offset = FirstEntry;
    for (std::size_t n = entryLength(offset); n != 0; n = entryLength(offset)) {
        const unsigned char* entry = Gazetteer + offset;
        if (n == length && std::memcmp(entry + 1, name, n) == 0) {
            readPoint(entry, n, longitude, latitude);
            return 1;
        }
        offset += n + EntryOverhead;
    }
    return 0;
}

bool nextPlaceName(GazetteerCursor& cursor, char (&name)[PlaceNameCapacity]) {
    long double longitude = 0;
    long double latitude = 0;
    return nextPlace(cursor, name, &longitude, &latitude);
}

bool nextPlace(GazetteerCursor& cursor, char (&name)[PlaceNameCapacity], long double* longitude,
               long double* latitude) {
    const std::size_t n = entryLength(cursor.offset);
    if (n == 0) return false;
    const unsigned char* entry = Gazetteer + cursor.offset;
    const std::size_t copied = n < PlaceNameCapacity - 1 ? n : PlaceNameCapacity - 1;
    std::memcpy(name, entry + 1, copied);
    name[copied] = '\0';
    readPoint(entry, n, longitude, latitude);
    cursor.offset += n + EntryOverhead;
    return true;
}
