#include "fieldkit/field_numbers.h"

#include <cmath>

#include "calc/trig.h"
#include "numtext/decimal_power.h"

namespace {

// The bearing of the angle A counted from due north (fromNorth) or due south.
long double bearingOf(long double azimuthAngle, bool fromNorth) {
    return bearingWithinCircle(fromNorth ? -azimuthAngle : 180 - azimuthAngle);
}

}  // namespace

long double bearingWithinCircle(long double angle) {
    long double a = std::fmod(angle, 360.0L);
    if (a < 0) a += 360;
    // -1e-20 + 360 rounds to 360; a negative zero becomes +0.
    if (a >= 360) a -= 360;
    return a + 0.0L;
}

long double trueAzimuth(const PointingAngles& angles) {
    // Northern site: A counts from due south, positive toward the east
    // (南偏东), so the bearing is 180 - A. Southern site: A counts from due
    // north, negative toward the east (北偏东), so the bearing is -A.
    return bearingOf(angles.azimuthAngle, angles.southern);
}

SatelliteFieldNumbers computeFieldNumbers(long double satelliteLongitude, const ReceivingSite& site,
                                          long double declination) {
    ExtendedPrecisionScope precision;
    const PointingAngles angles = computePointingAngles(satelliteLongitude, site);
    SatelliteFieldNumbers numbers;
    numbers.elevation = angles.elevation;
    numbers.polarisation = angles.polarisation;
    // A is the arc tangent of tan(delta) / sin(latitude), which names the
    // direction only while cos(delta) > 0. Beyond a quarter turn of
    // longitude the satellite is on the far side of the Earth and the same
    // angle counts from the other reference: due north at a northern site,
    // due south at a southern one. A satellite above the horizon has
    // cos(delta) cos(latitude) > RadiusRatio, so it keeps the table's direction.
    const bool farSide = trigCos(satelliteLongitude - site.longitude, 1) < 0;
    numbers.azimuth =
        farSide ? bearingOf(angles.azimuthAngle, !angles.southern) : trueAzimuth(angles);
    numbers.magneticAzimuth = bearingWithinCircle(numbers.azimuth - declination);

    // Central angle b between the site and the sub-satellite point.
    const long double cosB = std::cos(site.latitude * RadiansPerDegree) *
                             std::cos((satelliteLongitude - site.longitude) * RadiansPerDegree);
    const long double R = EarthRadiusKm;
    const long double r = GeostationaryRadiusKm;
    numbers.rangeKm = std::sqrt(R * R + r * r - 2 * R * r * cosB);
    numbers.delayMs = numbers.rangeKm / SpeedOfLightKmPerSecond * 1000;
    numbers.visible = angles.elevation > 0;
    return numbers;
}
