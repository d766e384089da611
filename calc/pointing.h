#pragma once
// Pointing geometry: elevation, azimuth and polarisation of a dish aimed at
// a geostationary satellite, from a spherical Earth.

// The geometry is computed with the degree routines of trig.h; code that
// works with pointing.h has them too.
#include "calc/trig.h"
#include "data/receiving_site.h"

// Ratio of the Earth's radius to the radius of the geostationary orbit.
constexpr long double RadiusRatio = 0.151073L;
// Stands for a latitude of exactly zero, so that the azimuth and
// polarisation quotients never divide zero by zero.
constexpr long double ZeroLatitudeSubstitute = 1e-100L;

#include <cstddef>

// Each result text holds at most 49 bytes and its NUL.
constexpr std::size_t PointingTextCapacity = 50;

// The three texts one table row shows for one satellite (code page 936).
struct PointingResult {
    char azimuthText[PointingTextCapacity] = {};       // column 3: 南偏西16.79度, 正南 ...
    char elevationText[PointingTextCapacity] = {};     // column 2: 42.45
    char polarisationText[PointingTextCapacity] = {};  // column 4: -12.80, 0
};

// The numbers the three texts show, in degrees: the elevation and the
// polarisation, and the azimuth angle A (-90..90) from due south at a
// northern or equatorial site, from due north at a southern one, whose sign
// picks the quadrant word.
struct PointingAngles {
    long double elevation = 0;
    long double azimuthAngle = 0;
    long double polarisation = 0;
    bool southern = false;
};
PointingAngles computePointingAngles(long double satelliteLongitude, const ReceivingSite& site);

// The azimuth text of column 3 for the angle A of PointingAngles: the
// quadrant word its sign and the hemisphere pick, then |A| and 度
// (南偏西16.79度), or 正南 / 正北 when |A| shows as 0.
void formAzimuthText(long double azimuthAngle, bool southern, char (&text)[PointingTextCapacity]);

// Computes the pointing of the satellite at `satelliteLongitude` (degrees)
// from the site's longitude and latitude.
void computePointing(long double satelliteLongitude, const ReceivingSite& site,
                     PointingResult& result);
