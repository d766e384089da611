#include "numtext/decimal_power.h"

long double integerPartTowardZero(long double u) {
    // FRNDINT rounds to nearest; step back by one where that went away from zero.
    long double nearest;
    asm("frndint" : "=t"(nearest) : "0"(u));
    if (u > 0 && nearest > u) return nearest - 1;
    if (u < 0 && nearest < u) return nearest + 1;
    return nearest;
}

long double decimalPower(long double t) {
    long double log2Ten;
    asm("fldl2t" : "=t"(log2Ten));
    const long double u = t * log2Ten;
    const long double i = integerPartTowardZero(u);
    const long double r = u - i;  // exact, |r| < 1 as F2XM1 needs
    long double twoToRMinusOne;
    asm("f2xm1" : "=t"(twoToRMinusOne) : "0"(r));
    const long double twoToR = twoToRMinusOne + 1;
    long double result;
    asm("fscale" : "=t"(result) : "0"(twoToR), "u"(i));
    return result;
}

long double decimalLog(long double a) {
    long double log10Two;
    asm("fldlg2" : "=t"(log10Two));
    long double result;
    // FYL2X: st(1) * log2(st(0)), popping one register.
    asm("fyl2x" : "=t"(result) : "0"(a), "u"(log10Two) : "st(1)");
    return result;
}
