#pragma once
// Finding places by what a user types: the beginning of a name, of its full
// pinyin without tones or separators, or of its initials, in any case.
//   "bj", "BeiJ", "beijing", "北" all find 北京; "cq" and "chongqing" find
//   重庆 (a place name's own reading, not the character's usual one).

#include <string>
#include <vector>

// Whether `typed` (code page 936) begins `name`, the run of `reading`'s
// syllables (see place_readings.h) or their first letters; letters compare in
// any case. The empty text begins every name.
bool placeMatches(const char* name, const char* reading, const char* typed);

// Whether `typed` is a non-empty run of ASCII letters: the text the city box
// looks up by pinyin.
bool isLatinLetters(const char* typed);

// The names of the places `typed` finds, in the gazetteer's order.
std::vector<std::string> matchingPlaces(const char* typed);
