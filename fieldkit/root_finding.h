#pragma once
// Two solvers for a function of one variable, used by the sun's searches
// (the outages, aiming by the sun). Both are templates over any callable
// taking and returning long double, so the searches pay no indirection.

#include <cmath>

// A root of f between a and b where f(a) and f(b) differ in sign, by the
// Illinois variant of the false position, to within `tolerance`.
template <class F>
long double findRoot(F f, long double a, long double fa, long double b, long double fb,
                     long double tolerance) {
    for (int i = 0; i < 100 && std::fabs(b - a) > tolerance; ++i) {
        const long double c = b - fb * (b - a) / (fb - fa);
        const long double fc = f(c);
        if (fc == 0) return c;
        if ((fc < 0) != (fb < 0)) {
            a = b;
            fa = fb;
        } else {
            fa /= 2;
        }
        b = c;
        fb = fc;
    }
    return b;
}

// The least value of f on [a, b] by Brent's method (golden section with
// parabolic steps), to within `tolerance`; its place goes to `at`.
template <class F>
long double findMinimum(F f, long double a, long double b, long double tolerance, long double& at) {
    const long double golden = 0.38196601125010515180L;  // (3 - sqrt 5) / 2
    long double x = a + golden * (b - a);
    long double w = x;
    long double v = x;
    long double fx = f(x);
    long double fw = fx;
    long double fv = fx;
    long double d = 0;
    long double e = 0;
    for (int i = 0; i < 200; ++i) {
        const long double middle = (a + b) / 2;
        if (std::fabs(x - middle) <= 2 * tolerance - (b - a) / 2) break;
        bool parabolic = false;
        if (std::fabs(e) > tolerance) {
            const long double r = (x - w) * (fx - fv);
            long double q = (x - v) * (fx - fw);
            long double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            else
                q = -q;
            const long double previous = e;
            e = d;
            if (std::fabs(p) < std::fabs(q * previous / 2) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const long double u = x + d;
                if (u - a < 2 * tolerance || b - u < 2 * tolerance)
                    d = x < middle ? tolerance : -tolerance;
                parabolic = true;
            }
        }
        if (!parabolic) {
            e = (x < middle ? b : a) - x;
            d = golden * e;
        }
        const long double u =
            x + (std::fabs(d) >= tolerance ? d : (d > 0 ? tolerance : -tolerance));
        const long double fu = f(u);
        if (fu <= fx) {
            if (u < x)
                b = x;
            else
                a = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            if (u < x)
                a = u;
            else
                b = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    at = x;
    return fx;
}
