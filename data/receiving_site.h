#pragma once
// The one receiving site of the program.

struct ReceivingSite {
    // The city box text at the last recalculation: at most 18 bytes of code page 936.
    char name[20] = {};
    // Degrees, east and north positive. Written by readSiteInput on every
    // notification of the coordinate boxes, valid or not.
    long double longitude = 0;
    long double latitude = 0;
    // The coordinates as the last recalculation formatted them (saved as X and Y).
    char longitudeText[20] = {};
    char latitudeText[20] = {};
};
