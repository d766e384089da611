#pragma once
// The ranges and words of the field kit's inputs, once for the details
// window and kestrave-cli.

#include <cstring>

#include "fieldkit/sun_outage.h"
#include "numtext/strict_number.h"

// The offset angle of an offset dish, degrees.
constexpr NumberRange OffsetRangeDegrees{0, 60};
// The dish's diameter for the sun outages, metres.
constexpr NumberRange DishRangeMetres{0.1L, 30};
// The site's height above the WGS-84 ellipsoid, metres: from a shore below
// the ellipsoid to the edge of the atmosphere.
constexpr NumberRange SiteHeightRangeMetres{-1000, 100000};
// A received frequency given instead of a band, gigahertz.
constexpr NumberRange FrequencyRangeGHz{1, 50};

// The bands by their words: the settings keep these, the details window
// lists them in this order, kestrave-cli takes them in lower case.
struct BandWord {
    Band band;
    const char* word;
};
constexpr int BandCount = 3;
constexpr BandWord BandWords[BandCount] = {{Band::C, "C"}, {Band::Ku, "Ku"}, {Band::Ka, "Ka"}};
// The band before one was chosen.
constexpr char DefaultBandWord[] = "Ku";

// Whether `text` is one of BandWords' words, exactly as written.
inline bool isBandWord(const char* text) {
    for (const BandWord& band : BandWords)
        if (std::strcmp(text, band.word) == 0) return true;
    return false;
}
