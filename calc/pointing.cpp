#include "calc/pointing.h"

#include <cmath>
#include <cstring>

#include "numtext/decimal_power.h"
#include "numtext/numtext.h"

namespace {

// Quadrant words in code page 936; the first two bytes are the character
// the due-south or due-north text takes.
const char WestOfSouth[] = "\xC4\xCF\xC6\xAB\xCE\xF7";  // 南偏西
const char EastOfSouth[] = "\xC4\xCF\xC6\xAB\xB6\xAB";  // 南偏东
const char EastOfNorth[] = "\xB1\xB1\xC6\xAB\xB6\xAB";  // 北偏东
const char WestOfNorth[] = "\xB1\xB1\xC6\xAB\xCE\xF7";  // 北偏西
const char Due[] = "\xD5\xFD";                          // 正
const char Degrees[] = "\xB6\xC8";                      // 度

// Appends `text` to the field, never past its last byte.
template <std::size_t N>
void append(char (&field)[N], const char* text) {
    std::size_t length = std::strlen(field);
    while (*text != '\0' && length + 1 < N) field[length++] = *text++;
    field[length] = '\0';
}

}  // namespace

PointingAngles computePointingAngles(long double satelliteLongitude, const ReceivingSite& site) {
    ExtendedPrecisionScope precision;
    PointingAngles angles;
    angles.southern = site.latitude < 0;
    // With a latitude of exactly zero, sin and tan of the latitude would be
    // zero and the quotients below 0/0.
    const long double phi = site.latitude == 0 ? ZeroLatitudeSubstitute : site.latitude;

    {
        const long double delta = satelliteLongitude - site.longitude;
        const long double c = trigCos(delta, 1) * trigCos(phi, 1);
        // c = +-1 divides by zero: an infinity, and an elevation of +-90.
        const long double q = (c - RadiusRatio) / std::sqrt(1 - c * c);
        angles.elevation = trigAtan(q, 1);
    }
    {
        const long double delta = satelliteLongitude - site.longitude;
        angles.azimuthAngle = trigAtan(trigTan(delta, 1) / trigSin(phi, 1), 1);
    }
    {
        const long double delta = satelliteLongitude - site.longitude;
        angles.polarisation = trigAtan(trigSin(delta, 1) / trigTan(phi, 1), 1);
    }
    return angles;
}

void computePointing(long double satelliteLongitude, const ReceivingSite& site,
                     PointingResult& result) {
    ExtendedPrecisionScope precision;
    const PointingAngles angles = computePointingAngles(satelliteLongitude, site);
    NumberToText(angles.elevation, result.elevationText, 0, 2);
    {
        const long double a = angles.azimuthAngle;
        const bool below = a < 0;  // a negative zero counts as not below
        const char* word = angles.southern ? (below ? EastOfNorth : WestOfNorth)
                                           : (below ? WestOfSouth : EastOfSouth);
        char angle[32];
        NumberToText(std::fabs(a), angle, 0, 2);
        result.azimuthText[0] = '\0';
        if (std::strcmp(angle, "0") == 0) {
            // Due south or due north: the first character of the word.
            append(result.azimuthText, Due);
            const char first[] = {word[0], word[1], '\0'};
            append(result.azimuthText, first);
        } else {
            append(result.azimuthText, word);
            append(result.azimuthText, angle);
            append(result.azimuthText, Degrees);
        }
    }
    NumberToText(angles.polarisation, result.polarisationText, 0, 2);
}
