#pragma once
// Every place's reading in pinyin, in the gazetteer's order: toneless
// syllables of lowercase letters (ü as v) separated by single spaces, such as
// "bei jing" or "chong qing". Generated with the gazetteer's table.

#include "data/gazetteer.h"

extern const char* const PlaceReadings[GazetteerPlaceCount];
