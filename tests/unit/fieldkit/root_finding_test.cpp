#include "fieldkit/root_finding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using Function = std::function<long double(long double)>;

TEST(RootFinding, FindsTheRootBetweenSignsWithinTheTolerance) {
    const struct {
        const char* name;
        Function f;
        long double a, b, root;
    } cases[] = {
        {"line", [](long double x) { return 2 * x - 3; }, 0, 10, 1.5L},
        {"cubic", [](long double x) { return x * x * x - 2; }, 0, 2, std::cbrt(2.0L)},
        {"cosine", [](long double x) { return std::cos(x); }, 1, 2, std::acos(0.0L)},
        // Flat on one side: the plain false position would creep from there.
        {"steep exponential", [](long double x) { return std::exp(10 * x) - 2; }, -1, 1,
         std::log(2.0L) / 10},
        {"falling", [](long double x) { return 5 - x; }, 10, 0, 5},
        {"root at an end", [](long double x) { return x - 4; }, 4, 8, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const long double tolerance : {1e-3L, 1e-9L}) {
            const long double x = findRoot(c.f, c.a, c.f(c.a), c.b, c.f(c.b), tolerance);
            EXPECT_NEAR(static_cast<double>(x), static_cast<double>(c.root),
                        static_cast<double>(tolerance));
        }
    }
}

TEST(RootFinding, FindsTheLeastValueAndItsPlace) {
    const struct {
        const char* name;
        Function f;
        long double a, b, at, least;
        double valueTolerance;  // a slope at the least value makes it a place's error
    } cases[] = {
        {"parabola", [](long double x) { return (x - 2) * (x - 2) + 1; }, -5, 5, 2, 1, 1e-9},
        {"quartic, flat at the bottom",
         [](long double x) { return (x + 1) * (x + 1) * (x + 1) * (x + 1); }, -3, 4, -1, 0, 1e-9},
        {"cosine", [](long double x) { return std::cos(x); }, 2, 5, 3.14159265358979323846L, -1,
         1e-9},
        // Not smooth: the golden steps carry it where parabolas cannot.
        {"vee", [](long double x) { return std::fabs(x - 0.3L); }, -1, 1, 0.3L, 0, 1e-5},
        // Least at an end of the interval.
        {"rising", [](long double x) { return x; }, 1, 3, 1, 1, 1e-5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        long double at = 0;
        const long double least = findMinimum(c.f, c.a, c.b, 1e-6L, at);
        // A quartic's bottom is flat: its place is known only to the root
        // of the tolerance's precision in value.
        EXPECT_NEAR(static_cast<double>(at), static_cast<double>(c.at), 2e-3);
        EXPECT_NEAR(static_cast<double>(least), static_cast<double>(c.least), c.valueTolerance);
        EXPECT_EQ(least, c.f(at));
    }
}

}  // namespace
