#include "calc/trig.h"

#include <cmath>

#include "numtext/decimal_power.h"

namespace {

long double toRadians(long double x, int inDegrees) {
    if (inDegrees != 1) return x;
    return x * Pi / static_cast<long double>(DegreeFactor);
}

// FSIN, FCOS and FPTAN take arguments below 2^63 in magnitude; larger ones
// are first reduced by whole turns.
long double reduceForX87(long double x) {
    if (!(std::fabs(x) >= 0x1p63L)) return x;
    const long double turn = 2 * Pi;
    long double rest;
    asm("1:\n\t"
        "fprem1\n\t"
        "fnstsw %%ax\n\t"
        "testw $0x400, %%ax\n\t"  // C2: reduction incomplete
        "jnz 1b"
        : "=t"(rest)
        : "0"(x), "u"(turn)
        : "ax", "cc");
    return rest;
}

}  // namespace

long double trigCos(long double x, int inDegrees) {
    ExtendedPrecisionScope precision;
    long double result;
    asm("fcos" : "=t"(result) : "0"(reduceForX87(toRadians(x, inDegrees))));
    return result;
}

long double trigSin(long double x, int inDegrees) {
    ExtendedPrecisionScope precision;
    long double result;
    asm("fsin" : "=t"(result) : "0"(reduceForX87(toRadians(x, inDegrees))));
    return result;
}

long double trigTan(long double x, int inDegrees) {
    ExtendedPrecisionScope precision;
    long double one;
    long double result;
    // FPTAN leaves the tangent in st(1) and pushes 1.
    asm("fptan" : "=t"(one), "=u"(result) : "0"(reduceForX87(toRadians(x, inDegrees))));
    (void)one;
    return result;
}

long double trigAtan(long double x, int inDegrees) {
    ExtendedPrecisionScope precision;
    long double radians;
    // FPATAN: arctan(st(1) / st(0)), popping one register.
    asm("fpatan" : "=t"(radians) : "0"(1.0L), "u"(x) : "st(1)");
    if (inDegrees != 1) return radians;
    return radians / Pi * static_cast<long double>(DegreeFactor);
}
