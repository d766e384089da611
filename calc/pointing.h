#pragma once
// Pointing geometry: elevation, azimuth and polarisation of a dish aimed at
// a geostationary satellite, from a spherical Earth.

#include "data/receiving_site.h"

// Ratio of the Earth's radius to the radius of the geostationary orbit.
constexpr long double RadiusRatio = 0.151073L;
// Stands for a latitude of exactly zero, so that the azimuth and
// polarisation quotients never divide zero by zero.
constexpr long double ZeroLatitudeSubstitute = 1e-100L;
// Degrees per half turn; a 16-bit integer converted when used.
constexpr short DegreeFactor = 180;

// With inDegrees == 1, x is in degrees: converted as x * pi, then / 180.
long double trigCos(long double x, int inDegrees);
long double trigSin(long double x, int inDegrees);
long double trigTan(long double x, int inDegrees);
// Arc tangent in (-90, 90); with inDegrees == 1 the radians a become a / pi * 180.
long double trigAtan(long double x, int inDegrees);

// The three texts one table row shows for one satellite (code page 936).
struct PointingResult {
    char azimuthText[50] = {};       // column 3: 南偏西16.79度, 正南 ...
    char elevationText[50] = {};     // column 2: 42.45
    char polarisationText[50] = {};  // column 4: -12.80, 0
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

// Computes the pointing of the satellite at `satelliteLongitude` (degrees)
// from the site's longitude and latitude.
void computePointing(long double satelliteLongitude, const ReceivingSite& site,
                     PointingResult& result);
