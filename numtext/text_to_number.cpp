#include <cfenv>
#include <cstdint>

#include "numtext/decimal_power.h"
#include "numtext/numtext.h"

namespace {

// Overflow, underflow below the normal range, and division by zero reject a text.
constexpr int RangeFlags = FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO;
// On x86 these are the x87 status word's own flag bits.
static_assert(RangeFlags == 0x1C, "the x87 status word's ZE, OE and UE bits");

// Every step of a conversion is x87 arithmetic, so the x87 unit's own flags
// are the ones to read and clear. (fetestexcept would read the SSE unit's
// flags too, and MinGW's asks the processor whether it has SSE, with cpuid,
// on every call: that cost more than the conversion itself.)
std::uint16_t x87RangeFlags() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=am"(status));
    return status & RangeFlags;
}

// Clears the range flags of both units, leaving every other flag as it was.
void clearRangeFlags() {
    // The x87 environment: control, status and tag words and the rest.
    struct {
        std::uint32_t control, status, tag, rest[4];
    } environment;
    asm volatile("fnstenv %0" : "=m"(environment));
    environment.status &= ~static_cast<std::uint32_t>(RangeFlags);
    asm volatile("fldenv %0" : : "m"(environment) : "memory");
    std::feclearexcept(RangeFlags);
}

void removeBlanks(char* text) {
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in) {
        if (*in != ' ') *out++ = *in;
    }
    *out = '\0';
}

// [sign] digits* ['.' digits*], leaving `text` at the first character that
// does not fit. Reads no digit at all as zero (a lone "-" as negative zero).
long double readDecimal(const char*& text) {
    bool negative = false;
    if (*text == '-') {
        negative = true;
        ++text;
    } else if (*text == '+') {
        ++text;
    }
    long double v = 0;
    for (; *text >= '0' && *text <= '9'; ++text) v = v * 10 + (*text - '0');
    if (*text == '.') {
        long double placeValue = 1;
        for (++text; *text >= '0' && *text <= '9'; ++text) {
            placeValue = placeValue / 10;
            v = v + (*text - '0') * placeValue;
        }
    }
    return negative ? -v : v;
}

}  // namespace

int TextToNumber(char* text, long double* value) {
    removeBlanks(text);
    ExtendedPrecisionScope precision;
    // Only what this conversion raises may decide: every step from the
    // first digit to the final product is covered by the test below.
    // Clearing costs more than the reading itself, so it is done only when
    // one of the tested flags is up; inexact and invalid are not tested.
    if (x87RangeFlags() != 0) clearRangeFlags();

    const char* rest = text;
    long double v = readDecimal(rest);
    bool accepted = true;
    if (*rest == 'e') {
        ++rest;
        const long double exponent = readDecimal(rest);
        v = v * decimalPower(exponent);
        // Characters after a complete exponent are not examined.
    } else if (*rest != '\0') {
        accepted = false;
    }

    // The value must be complete before the flags are read, so that the
    // compiler cannot sink any of its arithmetic past the test.
    asm volatile("" : "+t"(v) : : "memory");
    if (x87RangeFlags() != 0) accepted = false;

    *value = accepted ? v : 0.0L;
    return accepted ? 1 : 0;
}
