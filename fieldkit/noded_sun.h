#pragma once
// The sun of the searches (the outages, aiming by the sun): its place from
// the series, summed at a few nodes and interpolated in between.

#include <cmath>
#include <cstddef>
#include <vector>

#include "calc/trig.h"
#include "fieldkit/solar_position.h"

// The sun's apparent place for the search, summed from the series at 12:00
// TT of every other day and interpolated between the four nearest nodes
// (Lagrange): within 0.01", while the series is summed a few times a season
// instead of at every step of the search. Days count from J2000JulianDay;
// the nodes asked for are kept, those outside the range are summed anew.
class NodedSun {
public:
    NodedSun(long double firstDay, long double lastDay)
        : firstNode_(static_cast<long>(std::floor(firstDay / NodeSpacingDays)) - 1),
          nodes_(static_cast<std::size_t>(std::floor(lastDay / NodeSpacingDays) -
                                          std::floor(firstDay / NodeSpacingDays) + 4)) {}

    // The sun's geocentric Earth-fixed position `t` days (UT) from J2000.
    Vector3 earthFixed(long double t) {
        long double equationOfEquinoxes = 0;
        const Vector3 v = equatorial(t, equationOfEquinoxes);
        const long double siderealTime = meanSiderealTime(J2000JulianDay + t) + equationOfEquinoxes;
        return earthFixedFromEquatorial(v, siderealTime);
    }

    // Degrees.
    long double declination(long double t) {
        long double unused = 0;
        const Vector3 v = equatorial(t, unused);
        return std::atan2(v.z, std::hypot(v.x, v.y)) / RadiansPerDegree;
    }

private:
    static constexpr long double NodeSpacingDays = 2;

    struct Node {
        Vector3 position;
        long double equationOfEquinoxes = 0;
        bool ready = false;
    };

    Vector3 equatorial(long double t, long double& equationOfEquinoxes) {
        const long double u =
            (terrestrialTime(J2000JulianDay + t) - J2000JulianDay) / NodeSpacingDays;
        const long double k = std::floor(u);
        const long double s = u - k;
        const long double weights[4] = {
            -s * (s - 1) * (s - 2) / 6,
            (s + 1) * (s - 1) * (s - 2) / 2,
            -(s + 1) * s * (s - 2) / 2,
            (s + 1) * s * (s - 1) / 6,
        };
        Vector3 v;
        equationOfEquinoxes = 0;
        for (int i = 0; i < 4; ++i) {
            const Node& n = node(static_cast<long>(k) - 1 + i);
            v.x += weights[i] * n.position.x;
            v.y += weights[i] * n.position.y;
            v.z += weights[i] * n.position.z;
            equationOfEquinoxes += weights[i] * n.equationOfEquinoxes;
        }
        return v;
    }

    const Node& node(long k) {
        const long index = k - firstNode_;
        Node* n = &spare_;
        if (index >= 0 && index < static_cast<long>(nodes_.size()))
            n = &nodes_[static_cast<std::size_t>(index)];
        else
            spare_.ready = false;
        if (!n->ready) {
            const ApparentSun sun = apparentSun(J2000JulianDay + k * NodeSpacingDays);
            n->position = sunEquatorial(sun);
            n->equationOfEquinoxes = sun.equationOfEquinoxes;
            n->ready = true;
        }
        return *n;
    }

    long firstNode_;
    std::vector<Node> nodes_;
    Node spare_;
};
