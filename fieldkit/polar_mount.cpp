#include "fieldkit/polar_mount.h"

#include <cmath>

#include "calc/trig.h"
#include "fieldkit/field_numbers.h"
#include "numtext/decimal_power.h"

namespace {

constexpr long double K = PolarMountRadiusRatio;

long double radians(long double degrees) { return degrees * RadiansPerDegree; }
long double degrees(long double radians) { return radians / RadiansPerDegree; }

// -180 <= l < 180.
long double longitudeWithinCircle(long double longitude) {
    return bearingWithinCircle(longitude + 180) - 180;
}

}  // namespace

PolarMount polarMountAt(long double latitude) {
    ExtendedPrecisionScope precision;
    const long double phi = radians(latitude);
    PolarMount mount;
    mount.axisElevation = std::fabs(latitude);
    mount.declinationOffset =
        degrees(std::atan(K * std::fabs(std::sin(phi)) / (1 - K * std::cos(phi))));
    mount.meridianElevation = 90 - mount.axisElevation - mount.declinationOffset;
    return mount;
}

std::optional<VisibleArc> visibleArcOf(const ReceivingSite& site) {
    ExtendedPrecisionScope precision;
    const long double cosPhi = std::cos(radians(site.latitude));
    if (cosPhi < K) return std::nullopt;
    const long double halfArc = degrees(std::acos(K / cosPhi));
    return VisibleArc{longitudeWithinCircle(site.longitude - halfArc),
                      longitudeWithinCircle(site.longitude + halfArc)};
}

std::optional<long double> motorAngle(long double satelliteLongitude, const ReceivingSite& site) {
    ExtendedPrecisionScope precision;
    const long double cosPhi = std::cos(radians(site.latitude));
    const long double deltaLambda = radians(satelliteLongitude - site.longitude);
    if (cosPhi * std::cos(deltaLambda) < K) return std::nullopt;
    return degrees(std::atan2(std::sin(deltaLambda), std::cos(deltaLambda) - K * cosPhi));
}
