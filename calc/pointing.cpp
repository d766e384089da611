#include "calc/pointing.h"

#include <cmath>
#include <cstring>

#include "calc/calc_texts.h"
#include "calc/trig.h"
#include "encoding/bounded_text.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"

// The quadrant words' first two bytes are the character the due-south or
// due-north text takes.
using calc_text::Degrees;
using calc_text::Due;
using calc_text::EastOfNorth;
using calc_text::EastOfSouth;
using calc_text::WestOfNorth;
using calc_text::WestOfSouth;

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

void formAzimuthText(long double azimuthAngle, bool southern, char (&text)[PointingTextCapacity]) {
    const bool below = azimuthAngle < 0;  // a negative zero counts as not below
    const char* word =
        southern ? (below ? EastOfNorth : WestOfNorth) : (below ? WestOfSouth : EastOfSouth);
    char angle[NumberTextCapacity];
    NumberToText(std::fabs(azimuthAngle), angle, 0, 2);
    BoundedText azimuth(text, sizeof text);
    if (std::strcmp(angle, "0") == 0) {
        // Due south or due north: the first character of the word.
        azimuth.append(Due);
        azimuth.append(word, 2);
    } else {
        azimuth.append(word);
        azimuth.append(angle);
        azimuth.append(Degrees);
    }
}

void computePointing(long double satelliteLongitude, const ReceivingSite& site,
                     PointingResult& result) {
    ExtendedPrecisionScope precision;
    const PointingAngles angles = computePointingAngles(satelliteLongitude, site);
    NumberToText(angles.elevation, result.elevationText, 0, 2);
    formAzimuthText(angles.azimuthAngle, angles.southern, result.azimuthText);
    NumberToText(angles.polarisation, result.polarisationText, 0, 2);
}
