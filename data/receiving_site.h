#pragma once
// The one receiving site of the program.

#include <cstddef>

// Capacity of the name and coordinate texts (kept as City, X and Y).
constexpr std::size_t SiteTextCapacity = 20;
// The most bytes of the city box's text that become the site's name.
constexpr std::size_t SiteNameLimit = 18;
static_assert(SiteNameLimit < SiteTextCapacity, "the name and its NUL fit the field");

struct ReceivingSite {
    // The city box text at the last recalculation: at most 18 bytes of code page 936.
    char name[SiteTextCapacity] = {};
    // Degrees, east and north positive. Written by readSiteInput on every
    // notification of the coordinate boxes, valid or not.
    long double longitude = 0;
    long double latitude = 0;
    // The coordinates as the last recalculation formatted them (saved as X and Y).
    char longitudeText[SiteTextCapacity] = {};
    char latitudeText[SiteTextCapacity] = {};
};
