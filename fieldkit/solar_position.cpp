#include "fieldkit/solar_position.h"

#include <cmath>
#include <cstddef>

#include "calc/trig.h"
#include "fieldkit/field_numbers.h"
#include "numtext/decimal_power.h"

namespace {

constexpr long double ArcSecond = 1 / 3600.0L;
constexpr long double DaysPerJulianYear = 365.25L;

// One term A cos(B + C tau) of a VSOP87 series: A in 1e-8 radian (L, B)
// or 1e-8 AU (R), B in radians, C in radians per Julian millennium.
struct SeriesTerm {
    long double amplitude;
    long double phase;
    long double frequency;
};

// The Earth's heliocentric longitude L, latitude B and distance R, VSOP87D
// on the mean ecliptic and equinox of date, as abridged in Meeus's
// appendix III: each variable is the sum of its series times tau^k for
// k = 0, 1, ...
// clang-format off
constexpr SeriesTerm EarthL0[] = {
    {175347046, 0, 0}, {3341656, 4.6692568L, 6283.07585L},
    {34894, 4.6261L, 12566.1517L}, {3497, 2.7441L, 5753.3849L},
    {3418, 2.8289L, 3.5231L}, {3136, 3.6277L, 77713.7715L},
    {2676, 4.4181L, 7860.4194L}, {2343, 6.1352L, 3930.2097L},
    {1324, 0.7425L, 11506.7698L}, {1273, 2.0371L, 529.691L},
    {1199, 1.1096L, 1577.3435L}, {990, 5.233L, 5884.927L},
    {902, 2.045L, 26.298L}, {857, 3.508L, 398.149L},
    {780, 1.179L, 5223.694L}, {753, 2.533L, 5507.553L},
    {505, 4.583L, 18849.228L}, {492, 4.205L, 775.523L},
    {357, 2.92L, 0.067L}, {317, 5.849L, 11790.629L},
    {284, 1.899L, 796.298L}, {271, 0.315L, 10977.079L},
    {243, 0.345L, 5486.778L}, {206, 4.806L, 2544.314L},
    {205, 1.869L, 5573.143L}, {202, 2.458L, 6069.777L},
    {156, 0.833L, 213.299L}, {132, 3.411L, 2942.463L},
    {126, 1.083L, 20.775L}, {115, 0.645L, 0.98L},
    {103, 0.636L, 4694.003L}, {102, 0.976L, 15720.839L},
    {102, 4.267L, 7.114L}, {99, 6.21L, 2146.17L},
    {98, 0.68L, 155.42L}, {86, 5.98L, 161000.69L},
    {85, 1.3L, 6275.96L}, {85, 3.67L, 71430.7L},
    {80, 1.81L, 17260.15L}, {79, 3.04L, 12036.46L},
    {75, 1.76L, 5088.63L}, {74, 3.5L, 3154.69L},
    {74, 4.68L, 801.82L}, {70, 0.83L, 9437.76L},
    {62, 3.98L, 8827.39L}, {61, 1.82L, 7084.9L},
    {57, 2.78L, 6286.6L}, {56, 4.39L, 14143.5L},
    {56, 3.47L, 6279.55L}, {52, 0.19L, 12139.55L},
    {52, 1.33L, 1748.02L}, {51, 0.28L, 5856.48L},
    {49, 0.49L, 1194.45L}, {41, 5.37L, 8429.24L},
    {41, 2.4L, 19651.05L}, {39, 6.17L, 10447.39L},
    {37, 6.04L, 10213.29L}, {37, 2.57L, 1059.38L},
    {36, 1.71L, 2352.87L}, {36, 1.78L, 6812.77L},
    {33, 0.59L, 17789.85L}, {30, 0.44L, 83996.85L},
    {30, 2.74L, 1349.87L}, {25, 3.16L, 4690.48L},
};
constexpr SeriesTerm EarthL1[] = {
    {628331966747, 0, 0}, {206059, 2.678235L, 6283.07585L},
    {4303, 2.6351L, 12566.1517L}, {425, 1.59L, 3.523L},
    {119, 5.796L, 26.298L}, {109, 2.966L, 1577.344L},
    {93, 2.59L, 18849.23L}, {72, 1.14L, 529.69L},
    {68, 1.87L, 398.15L}, {67, 4.41L, 5507.55L},
    {59, 2.89L, 5223.69L}, {56, 2.17L, 155.42L},
    {45, 0.4L, 796.3L}, {36, 0.47L, 775.52L},
    {29, 2.65L, 7.11L}, {21, 5.34L, 0.98L},
    {19, 1.85L, 5486.78L}, {19, 4.97L, 213.3L},
    {17, 2.99L, 6275.96L}, {16, 0.03L, 2544.31L},
    {16, 1.43L, 2146.17L}, {15, 1.21L, 10977.08L},
    {12, 2.83L, 1748.02L}, {12, 3.26L, 5088.63L},
    {12, 5.27L, 1194.45L}, {12, 2.08L, 4694},
    {11, 0.77L, 553.57L}, {10, 1.3L, 6286.6L},
    {10, 4.24L, 1349.87L}, {9, 2.7L, 242.73L},
    {9, 5.64L, 951.72L}, {8, 5.3L, 2352.87L},
    {6, 2.65L, 9437.76L}, {6, 4.67L, 4690.48L},
};
constexpr SeriesTerm EarthL2[] = {
    {52919, 0, 0}, {8720, 1.0721L, 6283.0758L},
    {309, 0.867L, 12566.152L}, {27, 0.05L, 3.52L},
    {16, 5.19L, 26.3L}, {16, 3.68L, 155.42L},
    {10, 0.76L, 18849.23L}, {9, 2.06L, 77713.77L},
    {7, 0.83L, 775.52L}, {5, 4.66L, 1577.34L},
    {4, 1.03L, 7.11L}, {4, 3.44L, 5573.14L},
    {3, 5.14L, 796.3L}, {3, 6.05L, 5507.55L},
    {3, 1.19L, 242.73L}, {3, 6.12L, 529.69L},
    {3, 0.31L, 398.15L}, {3, 2.28L, 553.57L},
    {2, 4.38L, 5223.69L}, {2, 3.75L, 0.98L},
};
constexpr SeriesTerm EarthL3[] = {
    {289, 5.844L, 6283.076L}, {35, 0, 0},
    {17, 5.49L, 12566.15L}, {3, 5.2L, 155.42L},
    {1, 4.72L, 3.52L}, {1, 5.3L, 18849.23L},
    {1, 5.97L, 242.73L},
};
constexpr SeriesTerm EarthL4[] = {
    {114, 3.142L, 0}, {8, 4.13L, 6283.08L},
    {1, 3.84L, 12566.15L},
};
constexpr SeriesTerm EarthL5[] = {
    {1, 3.14L, 0},
};
constexpr SeriesTerm EarthB0[] = {
    {280, 3.199L, 84334.662L}, {102, 5.422L, 5507.553L},
    {80, 3.88L, 5223.69L}, {44, 3.7L, 2352.87L},
    {32, 4, 1577.34L},
};
constexpr SeriesTerm EarthB1[] = {
    {9, 3.9L, 5507.55L}, {6, 1.73L, 5223.69L},
};
constexpr SeriesTerm EarthR0[] = {
    {100013989, 0, 0}, {1670700, 3.0984635L, 6283.07585L},
    {13956, 3.05525L, 12566.1517L}, {3084, 5.1985L, 77713.7715L},
    {1628, 1.1739L, 5753.3849L}, {1576, 2.8469L, 7860.4194L},
    {925, 5.453L, 11506.77L}, {542, 4.564L, 3930.21L},
    {472, 3.661L, 5884.927L}, {346, 0.964L, 5507.553L},
    {329, 5.9L, 5223.694L}, {307, 0.299L, 5573.143L},
    {243, 4.273L, 11790.629L}, {212, 5.847L, 1577.344L},
    {186, 5.022L, 10977.079L}, {175, 3.012L, 18849.228L},
    {110, 5.055L, 5486.778L}, {98, 0.89L, 6069.78L},
    {86, 5.69L, 15720.84L}, {86, 1.27L, 161000.69L},
    {65, 0.27L, 17260.15L}, {63, 0.92L, 529.69L},
    {57, 2.01L, 83996.85L}, {56, 5.24L, 71430.7L},
    {49, 3.25L, 2544.31L}, {47, 2.58L, 775.52L},
    {45, 5.54L, 9437.76L}, {43, 6.01L, 6275.96L},
    {39, 5.36L, 4694}, {38, 2.39L, 8827.39L},
    {37, 0.83L, 19651.05L}, {37, 4.9L, 12139.55L},
    {36, 1.67L, 12036.46L}, {35, 1.84L, 2942.46L},
    {33, 0.24L, 7084.9L}, {32, 0.18L, 5088.63L},
    {32, 1.78L, 398.15L}, {28, 1.21L, 6286.6L},
    {28, 1.9L, 6279.55L}, {26, 4.59L, 10447.39L},
};
constexpr SeriesTerm EarthR1[] = {
    {103019, 1.10749L, 6283.07585L}, {1721, 1.0644L, 12566.1517L},
    {702, 3.142L, 0}, {32, 1.02L, 18849.23L},
    {31, 2.84L, 5507.55L}, {25, 1.32L, 5223.69L},
    {18, 1.42L, 1577.34L}, {10, 5.91L, 10977.08L},
    {9, 1.42L, 6275.96L}, {9, 0.27L, 5486.78L},
};
constexpr SeriesTerm EarthR2[] = {
    {4359, 5.7846L, 6283.0758L}, {124, 5.579L, 12566.152L},
    {12, 3.14L, 0}, {9, 3.63L, 77713.77L},
    {6, 1.87L, 5573.14L}, {3, 5.47L, 18849.23L},
};
constexpr SeriesTerm EarthR3[] = {
    {145, 4.273L, 6283.076L}, {7, 3.92L, 12566.15L},
};
constexpr SeriesTerm EarthR4[] = {
    {4, 2.56L, 6283.08L},
};
// clang-format on

struct Series {
    const SeriesTerm* terms;
    std::size_t count;
};

template <std::size_t N>
constexpr Series series(const SeriesTerm (&terms)[N]) {
    return {terms, N};
}

constexpr Series EarthLongitude[] = {series(EarthL0), series(EarthL1), series(EarthL2),
                                     series(EarthL3), series(EarthL4), series(EarthL5)};
constexpr Series EarthLatitude[] = {series(EarthB0), series(EarthB1)};
constexpr Series EarthDistance[] = {series(EarthR0), series(EarthR1), series(EarthR2),
                                    series(EarthR3), series(EarthR4)};

// sum over k of series k at tau, times tau^k, in the series' own units.
template <std::size_t N>
long double vsopVariable(const Series (&variable)[N], long double tau) {
    long double value = 0;
    for (std::size_t k = N; k-- > 0;) {
        long double sum = 0;
        for (std::size_t i = 0; i < variable[k].count; ++i) {
            const SeriesTerm& term = variable[k].terms[i];
            sum += term.amplitude * trigCos(term.phase + term.frequency * tau, 0);
        }
        value = value * tau + sum;
    }
    return value * 1e-8L;
}

long double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

// Fliegel and Van Flandern's integer formulae; every quotient is of
// non-negative numbers from year 1 on, so truncation is floor.
long julianDayNumber(const CalendarDate& date) {
    const long y = date.year;
    const long m = date.month;
    const long d = date.day;
    const long a = (m - 14) / 12;  // -1 in January and February, else 0
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

CalendarDate dateOfJulianDayNumber(long dayNumber) {
    long l = dayNumber + 68569;
    const long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long i = 4000 * (l + 1) / 1461001;
    l += 31 - 1461 * i / 4;
    const long j = 80 * l / 2447;
    CalendarDate date;
    date.day = static_cast<int>(l - 2447 * j / 80);
    l = j / 11;
    date.month = static_cast<int>(j + 2 - 12 * l);
    date.year = static_cast<int>(100 * (n - 49) + i + l);
    return date;
}

long double julianDay(const CalendarDate& date, long double secondsOfDay) {
    return julianDayNumber(date) - 0.5L + secondsOfDay / SecondsPerDay;
}

long double midnightFromJ2000(const CalendarDate& date, int zoneOffsetMinutes) {
    return julianDay(date, 0) - J2000JulianDay - zoneOffsetMinutes / 1440.0L;
}

long double deltaTSeconds(long double decimalYear) {
    const long double y = decimalYear;
    const long double u = (y - 1820) / 100;
    if (y < 1986 || y >= 2150) return -20 + 32 * u * u;
    if (y >= 2050) return -20 + 32 * u * u - 0.5628L * (2150 - y);
    const long double t = y - 2000;
    if (y >= 2005) return 62.92L + t * (0.32217L + t * 0.005589L);
    return 63.86L +
           t * (0.3345L +
                t * (-0.060374L + t * (0.0017275L + t * (0.000651814L + t * 0.00002373599L))));
}

long double terrestrialTime(long double julianDayUt) {
    const long double year = 2000 + (julianDayUt - J2000JulianDay) / DaysPerJulianYear;
    return julianDayUt + deltaTSeconds(year) / SecondsPerDay;
}

ApparentSun apparentSun(long double julianDayTt) {
    ExtendedPrecisionScope precision;
    const long double tau = (julianDayTt - J2000JulianDay) / (1000 * DaysPerJulianYear);
    const long double T = 10 * tau;  // Julian centuries

    // Geocentric: the Earth's place turned half a circle.
    const long double L = vsopVariable(EarthLongitude, tau) / RadiansPerDegree;
    const long double B = vsopVariable(EarthLatitude, tau) / RadiansPerDegree;
    const long double R = vsopVariable(EarthDistance, tau);
    long double theta = L + 180;
    long double beta = -B;

    // From the dynamical frame of VSOP87 to FK5 (Meeus 32.3).
    const long double lambdaPrime = (theta - 1.397L * T - 0.00031L * T * T) * RadiansPerDegree;
    theta -= 0.09033L * ArcSecond;
    beta += 0.03916L * ArcSecond * (std::cos(lambdaPrime) - std::sin(lambdaPrime));

    // Nutation: the four largest terms (Meeus ch. 22), good to 0.5".
    const long double node = (125.04452L - 1934.136261L * T) * RadiansPerDegree;
    const long double sunMean = (280.4665L + 36000.7698L * T) * RadiansPerDegree;
    const long double moonMean = (218.3165L + 481267.8813L * T) * RadiansPerDegree;
    const long double nutationLongitude =
        (-17.20L * std::sin(node) - 1.32L * std::sin(2 * sunMean) - 0.23L * std::sin(2 * moonMean) +
         0.21L * std::sin(2 * node)) *
        ArcSecond;
    const long double nutationObliquity =
        (9.20L * std::cos(node) + 0.57L * std::cos(2 * sunMean) + 0.10L * std::cos(2 * moonMean) -
         0.09L * std::cos(2 * node)) *
        ArcSecond;
    const long double meanObliquity =
        23 + 26.0L / 60 + (21.448L - T * (46.8150L + T * (0.00059L - T * 0.001813L))) * ArcSecond;
    const long double epsilon = (meanObliquity + nutationObliquity) * RadiansPerDegree;

    // Aberration (Meeus 25.10).
    const long double lambda =
        (theta + nutationLongitude - 20.4898L * ArcSecond / R) * RadiansPerDegree;
    const long double b = beta * RadiansPerDegree;

    ApparentSun sun;
    sun.longitude = bearingWithinCircle(lambda / RadiansPerDegree);
    sun.rightAscension = bearingWithinCircle(
        std::atan2(std::sin(lambda) * std::cos(epsilon) - std::tan(b) * std::sin(epsilon),
                   std::cos(lambda)) /
        RadiansPerDegree);
    sun.declination = std::asin(std::sin(b) * std::cos(epsilon) +
                                std::cos(b) * std::sin(epsilon) * std::sin(lambda)) /
                      RadiansPerDegree;
    sun.distanceAu = R;
    sun.equationOfEquinoxes = nutationLongitude * std::cos(epsilon);
    return sun;
}

long double meanSiderealTime(long double julianDayUt) {
    ExtendedPrecisionScope precision;
    const long double days = julianDayUt - J2000JulianDay;
    const long double T = days / (100 * DaysPerJulianYear);
    return bearingWithinCircle(280.46061837L + 360.98564736629L * days +
                               T * T * (0.000387933L - T / 38710000));
}

Vector3 difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 siteEarthFixed(const GeodeticSite& site) {
    ExtendedPrecisionScope precision;
    const long double f = WgsFlattening;
    const long double e2 = f * (2 - f);
    const long double phi = site.latitude * RadiansPerDegree;
    const long double lambda = site.longitude * RadiansPerDegree;
    const long double sinPhi = std::sin(phi);
    const long double n = WgsEquatorialRadiusKm / std::sqrt(1 - e2 * sinPhi * sinPhi);
    const long double h = site.heightM / 1000;
    return {(n + h) * std::cos(phi) * std::cos(lambda), (n + h) * std::cos(phi) * std::sin(lambda),
            (n * (1 - e2) + h) * sinPhi};
}

Vector3 geostationaryEarthFixed(long double longitude) {
    ExtendedPrecisionScope precision;
    const long double lambda = longitude * RadiansPerDegree;
    return {GeostationaryOrbitRadiusKm * std::cos(lambda),
            GeostationaryOrbitRadiusKm * std::sin(lambda), 0};
}

Vector3 sunEquatorial(const ApparentSun& sun) {
    ExtendedPrecisionScope precision;
    const long double r = sun.distanceAu * AstronomicalUnitKm;
    const long double alpha = sun.rightAscension * RadiansPerDegree;
    const long double delta = sun.declination * RadiansPerDegree;
    return {r * std::cos(delta) * std::cos(alpha), r * std::cos(delta) * std::sin(alpha),
            r * std::sin(delta)};
}

Vector3 earthFixedFromEquatorial(const Vector3& v, long double siderealTime) {
    ExtendedPrecisionScope precision;
    const long double c = std::cos(siderealTime * RadiansPerDegree);
    const long double s = std::sin(siderealTime * RadiansPerDegree);
    return {c * v.x + s * v.y, c * v.y - s * v.x, v.z};
}

Vector3 sunEarthFixed(long double julianDayUt) {
    const ApparentSun sun = apparentSun(terrestrialTime(julianDayUt));
    return earthFixedFromEquatorial(sunEquatorial(sun),
                                    meanSiderealTime(julianDayUt) + sun.equationOfEquinoxes);
}

HorizontalDirection horizontalDirection(const GeodeticSite& site, const Vector3& siteToTarget) {
    ExtendedPrecisionScope precision;
    const long double sinPhi = std::sin(site.latitude * RadiansPerDegree);
    const long double cosPhi = std::cos(site.latitude * RadiansPerDegree);
    const long double sinLambda = std::sin(site.longitude * RadiansPerDegree);
    const long double cosLambda = std::cos(site.longitude * RadiansPerDegree);
    const Vector3 east{-sinLambda, cosLambda, 0};
    const Vector3 north{-sinPhi * cosLambda, -sinPhi * sinLambda, cosPhi};
    const Vector3 up{cosPhi * cosLambda, cosPhi * sinLambda, sinPhi};
    const long double e = dot(east, siteToTarget);
    const long double n = dot(north, siteToTarget);
    HorizontalDirection direction;
    direction.azimuth = bearingWithinCircle(std::atan2(e, n) / RadiansPerDegree);
    direction.elevation = std::atan2(dot(up, siteToTarget), std::hypot(e, n)) / RadiansPerDegree;
    return direction;
}

long double separationDegrees(const Vector3& a, const Vector3& b) {
    ExtendedPrecisionScope precision;
    const Vector3 cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(std::sqrt(dot(cross, cross)), dot(a, b)) / RadiansPerDegree;
}
