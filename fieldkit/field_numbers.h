#pragma once
// What an installer on a roof needs beyond the table's three texts, as
// numbers: the compass bearing, the offset-dish elevation, the slant range
// and the signal's delay.

#include "calc/pointing.h"
#include "data/receiving_site.h"

// Three Earth models, each where its numbers must agree with something:
// - RadiusRatio 0.151073 (calc/pointing.h), the classic pointing table's
//   Earth-to-orbit ratio: the table's elevation, azimuth and polarisation
//   texts, which must be the ones installers know from that table.
// - A sphere of 6378.137 km and an orbit of 42164 km (here): the slant range
//   and the delay, where a few kilometres do not show in the texts.
// - The WGS-84 ellipsoid and an orbit of 42164.17 km (solar_position.h): the
//   sun outages, where the site's place on the ellipsoid and its height move
//   the separation from the sun by more than the outage rule's margins; the
//   World Magnetic Model also takes its coordinates on WGS-84.
//
// Spherical Earth and circular geostationary orbit for the range.
constexpr long double EarthRadiusKm = 6378.137L;
constexpr long double GeostationaryRadiusKm = 42164;
constexpr long double SpeedOfLightKmPerSecond = 299792.458L;

struct SatelliteFieldNumbers {
    long double elevation = 0;     // degrees; the table's text rounds it
    long double polarisation = 0;  // degrees; likewise
    // Degrees clockwise from true north, 0 <= azimuth < 360: the direction
    // of the satellite from the site, above or below the horizon. For a
    // satellite above the horizon it is the direction the table's azimuth
    // text names; beyond a quarter turn of longitude the text's angle counts
    // from the other reference (due north instead of due south, or back).
    long double azimuth = 0;
    // What a compass reads: azimuth - declination, 0 <= a < 360.
    long double magneticAzimuth = 0;
    long double rangeKm = 0;  // slant range from the site to the satellite
    long double delayMs = 0;  // one way, at the speed of light
    bool visible = false;     // above the horizon
};

// `angle` (degrees) as a bearing: brought into 0 <= a < 360, +0 for zero.
long double bearingWithinCircle(long double angle);

// The true azimuth (0 <= a < 360) of the direction the quadrant word and
// the angle A of `angles` name: the satellite's own direction while it is
// within a quarter turn of the site's longitude (as every one above the
// horizon is). SatelliteFieldNumbers::azimuth holds the direction on every side.
long double trueAzimuth(const PointingAngles& angles);

// The numbers for the satellite at `satelliteLongitude` seen from the site,
// with the magnetic declination (degrees, east positive) at the site.
SatelliteFieldNumbers computeFieldNumbers(long double satelliteLongitude, const ReceivingSite& site,
                                          long double declination);

// What an offset dish's elevation scale is set to: the elevation less the
// dish's offset angle (degrees).
inline long double offsetDishElevation(long double elevation, long double offsetAngle) {
    return elevation - offsetAngle;
}
