#pragma once
// The power-of-ten and logarithm routines both numeric conversions share,
// and a guard that puts the x87 unit into the state they rely on.
//
// Both routines use the x87 instructions directly (FLDL2T, F2XM1, FSCALE,
// FLDLG2, FYL2X), so Linux and Windows builds give the same bits and raise
// the same floating-point exception flags.

// 10^t, computed as 2^u with u = t * log2(10): u is split into its integer
// part i (toward zero) and the rest r, 2^r is formed as (2^r - 1) + 1 and
// scaled by 2^i exactly. Overflow and underflow of the result raise the
// usual exception flags.
long double decimalPower(long double t);

// log10(a) = log2(a) * log10(2).
long double decimalLog(long double a);

// Integer part of u, toward zero (u itself when it is not finite).
long double integerPartTowardZero(long double u);

// While alive, the x87 unit computes with a 64-bit significand, rounds to
// nearest and has every exception masked; the caller's control word is put
// back afterwards. Some Windows runtimes start with a 53-bit significand;
// where the unit is already in that state (the usual case) nothing is loaded.
class ExtendedPrecisionScope {
public:
    ExtendedPrecisionScope() {
        asm volatile("fnstcw %0" : "=m"(saved_));
        const unsigned short wanted = static_cast<unsigned short>((saved_ & ~ControlMask) | Wanted);
        if (wanted != saved_) {
            asm volatile("fldcw %0" : : "m"(wanted) : "memory");
            changed_ = true;
        }
    }
    ~ExtendedPrecisionScope() {
        if (changed_) asm volatile("fldcw %0" : : "m"(saved_) : "memory");
    }
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

    // Control word fields: exception masks (bits 0-5), precision (8-9),
    // rounding (10-11). Wanted: all masked, 64-bit significand, to nearest.
    static constexpr unsigned short ControlMask = 0x0F3F;
    static constexpr unsigned short Wanted = 0x033F;

private:
    unsigned short saved_ = 0;
    bool changed_ = false;
};
