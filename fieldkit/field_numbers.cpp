#include "fieldkit/field_numbers.h"

#include <cmath>

#include "numtext/decimal_power.h"

namespace {

constexpr long double Radian = 3.14159265358979323846264338327950288L / 180;

// `angle` brought into 0 <= a < 360.
long double fullCircle(long double angle) {
    long double a = std::fmod(angle, 360.0L);
    if (a < 0) a += 360;
    // -1e-20 + 360 rounds to 360; a negative zero becomes +0.
    if (a >= 360) a -= 360;
    return a + 0.0L;
}

}  // namespace

long double trueAzimuth(const PointingAngles& angles) {
    // Northern site: A counts from due south, positive toward the east
    // (南偏东), so the bearing is 180 - A. Southern site: A counts from due
    // north, negative toward the east (北偏东), so the bearing is -A.
    return fullCircle(angles.southern ? -angles.azimuthAngle : 180 - angles.azimuthAngle);
}

SatelliteFieldNumbers computeFieldNumbers(long double satelliteLongitude, const ReceivingSite& site,
                                          long double declination) {
    ExtendedPrecisionScope precision;
    const PointingAngles angles = computePointingAngles(satelliteLongitude, site);
    SatelliteFieldNumbers numbers;
    numbers.elevation = angles.elevation;
    numbers.polarisation = angles.polarisation;
    numbers.azimuth = trueAzimuth(angles);
    numbers.magneticAzimuth = fullCircle(numbers.azimuth - declination);

    // Central angle b between the site and the sub-satellite point.
    const long double cosB =
        std::cos(site.latitude * Radian) * std::cos((satelliteLongitude - site.longitude) * Radian);
    const long double R = EarthRadiusKm;
    const long double r = GeostationaryRadiusKm;
    numbers.rangeKm = std::sqrt(R * R + r * r - 2 * R * r * cosB);
    numbers.delayMs = numbers.rangeKm / SpeedOfLightKmPerSecond * 1000;
    numbers.visible = angles.elevation > 0;
    return numbers;
}
