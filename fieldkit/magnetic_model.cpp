#include "fieldkit/magnetic_model.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/trig.h"
#include "fieldkit/calendar_date.h"

namespace {

// WGS-84 ellipsoid and the model's reference radius.
constexpr double SemiMajorAxisKm = 6378.137;
constexpr double Flattening = 1 / 298.257223563;
constexpr double ReferenceRadiusKm = 6371.2;
// The model is evaluated in double precision, as NOAA publishes it.
constexpr double Radian = static_cast<double>(RadiansPerDegree);
// Closest approach to a pole, in degrees: 1/cos of the geocentric latitude
// stays finite there.
constexpr double PoleMargin = 1e-7;

// Schmidt semi-normalised associated Legendre functions P[n][m](cos theta)
// and their derivatives by theta, from the unnormalised recursions in
// cos theta (x) and sin theta (s); no division by s, so the poles are safe.
struct Legendre {
    explicit Legendre(int maxDegree)
        : size(maxDegree + 1), p(size * size, 0.0), dp(size * size, 0.0) {}
    double& P(int n, int m) { return p[n * size + m]; }
    double& dP(int n, int m) { return dp[n * size + m]; }

    void compute(double x, double s) {
        const int maxDegree = size - 1;
        double diagonal = 1;       // (2m-1)!! s^m
        double diagonalSlope = 0;  // its derivative by theta
        for (int m = 0; m <= maxDegree; ++m) {
            if (m > 0) {
                // P(m,m) = (2m-1) s P(m-1,m-1); d/dtheta s = x.
                diagonalSlope = (2 * m - 1) * (x * diagonal + s * diagonalSlope);
                diagonal = (2 * m - 1) * s * diagonal;
            }
            P(m, m) = diagonal;
            dP(m, m) = diagonalSlope;
            if (m + 1 <= maxDegree) {
                P(m + 1, m) = x * (2 * m + 1) * diagonal;
                dP(m + 1, m) = (2 * m + 1) * (-s * diagonal + x * diagonalSlope);
            }
            for (int n = m + 2; n <= maxDegree; ++n) {
                P(n, m) = ((2 * n - 1) * x * P(n - 1, m) - (n + m - 1) * P(n - 2, m)) / (n - m);
                dP(n, m) = ((2 * n - 1) * (-s * P(n - 1, m) + x * dP(n - 1, m)) -
                            (n + m - 1) * dP(n - 2, m)) /
                           (n - m);
            }
        }
        // Schmidt semi-normalisation: sqrt(2 (n-m)! / (n+m)!) for m > 0.
        for (int n = 1; n <= maxDegree; ++n) {
            for (int m = 1; m <= n; ++m) {
                double ratio = 2;  // 2 (n-m)! / (n+m)!
                for (int k = n - m + 1; k <= n + m; ++k) ratio /= k;
                const double factor = std::sqrt(ratio);
                P(n, m) *= factor;
                dP(n, m) *= factor;
            }
        }
    }

    int size;
    std::vector<double> p;
    std::vector<double> dp;
};

}  // namespace

MagneticField evaluateMagneticField(const MagneticModel& model, double latitude, double longitude,
                                    double heightKm, double decimalYear) {
    MagneticField field;
    field.withinValidity = decimalYear >= model.epoch && decimalYear <= model.validUntil;

    latitude = std::clamp(latitude, -90 + PoleMargin, 90 - PoleMargin);
    const double phi = latitude * Radian;
    const double lambda = longitude * Radian;

    // Geodetic to geocentric spherical coordinates.
    const double e2 = Flattening * (2 - Flattening);
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);
    const double primeVertical = SemiMajorAxisKm / std::sqrt(1 - e2 * sinPhi * sinPhi);
    const double p = (primeVertical + heightKm) * cosPhi;
    const double z = (primeVertical * (1 - e2) + heightKm) * sinPhi;
    const double r = std::sqrt(p * p + z * z);
    const double phiC = std::asin(z / r);
    const double sinPhiC = std::sin(phiC);
    const double cosPhiC = std::cos(phiC);

    // The colatitude theta = 90 - phiC: cos theta = sin phiC, sin theta = cos phiC.
    Legendre legendre(model.maxDegree);
    legendre.compute(sinPhiC, cosPhiC);

    const double dt = decimalYear - model.epoch;
    double xPrime = 0;  // north, geocentric
    double yPrime = 0;  // east
    double zPrime = 0;  // down, toward the centre
    for (std::size_t i = 0; i < model.coefficientCount; ++i) {
        const MagneticCoefficient& c = model.coefficients[i];
        const double g = c.g + dt * c.dg;
        const double h = c.h + dt * c.dh;
        const double ratio = std::pow(ReferenceRadiusKm / r, c.n + 2);
        const double cosM = std::cos(c.m * lambda);
        const double sinM = std::sin(c.m * lambda);
        const double gh = g * cosM + h * sinM;
        // d/dphiC = -d/dtheta, and X' = -sum (..) dP/dphiC.
        xPrime += ratio * gh * legendre.dP(c.n, c.m);
        yPrime += ratio * c.m * (g * sinM - h * cosM) * legendre.P(c.n, c.m);
        zPrime -= (c.n + 1) * ratio * gh * legendre.P(c.n, c.m);
    }
    yPrime /= cosPhiC;

    // Rotate from the geocentric to the geodetic frame.
    const double tilt = phiC - phi;
    field.north = xPrime * std::cos(tilt) - zPrime * std::sin(tilt);
    field.east = yPrime;
    field.down = xPrime * std::sin(tilt) + zPrime * std::cos(tilt);
    field.horizontalIntensity = std::hypot(field.north, field.east);
    field.totalIntensity = std::hypot(field.horizontalIntensity, field.down);
    field.declination = std::atan2(field.east, field.north) / Radian;
    field.inclination = std::atan2(field.down, field.horizontalIntensity) / Radian;
    return field;
}

bool decimalYearOfDate(int year, int month, int day, double& decimalYear) {
    if (day < 1 || day > daysInMonth(year, month)) return false;
    int dayOfYear = day;
    for (int earlier = 1; earlier < month; ++earlier) dayOfYear += daysInMonth(year, earlier);
    decimalYear = year + (dayOfYear - 1) / (isLeapYear(year) ? 366.0 : 365.0);
    return true;
}

double decimalYearOf(const CalendarDate& date) {
    double decimalYear = date.year;
    decimalYearOfDate(date.year, date.month, date.day, decimalYear);
    return decimalYear;
}
