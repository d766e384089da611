#include "data/place_match.h"

#include <cstring>

#include "data/gazetteer.h"
#include "data/place_readings.h"

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool beginsName(const char* name, const char* typed) {
    return std::strncmp(name, typed, std::strlen(typed)) == 0;
}

// `typed` against the letters of `reading`, spaces skipped.
bool beginsPinyin(const char* reading, const char* typed) {
    for (; *typed != '\0'; ++typed, ++reading) {
        if (*reading == ' ') ++reading;
        if (*reading == '\0' || lower(*typed) != *reading) return false;
    }
    return true;
}

// `typed` against the first letter of each syllable.
bool beginsInitials(const char* reading, const char* typed) {
    const char* syllable = reading;
    for (; *typed != '\0'; ++typed) {
        if (*syllable == '\0' || lower(*typed) != *syllable) return false;
        const char* space = std::strchr(syllable, ' ');
        syllable = space ? space + 1 : syllable + std::strlen(syllable);
    }
    return true;
}

}  // namespace

bool placeMatches(const char* name, const char* reading, const char* typed) {
    return beginsName(name, typed) || beginsPinyin(reading, typed) ||
           beginsInitials(reading, typed);
}

bool isLatinLetters(const char* typed) {
    if (*typed == '\0') return false;
    for (; *typed != '\0'; ++typed)
        if (lower(*typed) < 'a' || lower(*typed) > 'z') return false;
    return true;
}

std::vector<std::string> matchingPlaces(const char* typed) {
    std::vector<std::string> names;
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    for (int index = 0; index < GazetteerPlaceCount && nextPlaceName(cursor, name); ++index)
        if (placeMatches(name, PlaceReadings[index], typed)) names.push_back(name);
    return names;
}
