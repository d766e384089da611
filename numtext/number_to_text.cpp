#include <cstdint>
#include <cstring>

#include "numtext/decimal_power.h"
#include "numtext/numtext.h"
#include "numtext/numtext_texts.h"

namespace {

enum class ValueKind { Zero, Finite, PlusInfinity, MinusInfinity, NotANumber };

// Sorts the 80-bit encoding by its bytes: anything the format does not
// define as a number (pseudo-denormal, unnormal, pseudo-infinity,
// pseudo-NaN) and the subnormals count as not a number here.
ValueKind classify(long double value, bool& negative) {
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    std::uint64_t significand = 0;
    for (int k = 7; k >= 0; --k) significand = significand << 8 | bytes[k];
    const unsigned signAndExponent = bytes[8] | bytes[9] << 8;
    const unsigned exponent = signAndExponent & 0x7FFF;
    const bool integerBit = (significand >> 63) != 0;
    const std::uint64_t fraction = significand & ~(std::uint64_t{1} << 63);
    negative = (signAndExponent & 0x8000) != 0;

    if (exponent == 0) return significand == 0 ? ValueKind::Zero : ValueKind::NotANumber;
    if (!integerBit) return ValueKind::NotANumber;
    if (exponent == 0x7FFF) {
        if (fraction != 0) return ValueKind::NotANumber;
        return negative ? ValueKind::MinusInfinity : ValueKind::PlusInfinity;
    }
    return ValueKind::Finite;
}

// "%d" without the C runtime; returns the end of the text written.
char* writeInteger(int n, char* out) {
    char digits[12];
    int count = 0;
    unsigned magnitude = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) *out++ = '-';
    while (count > 0) *out++ = digits[--count];
    return out;
}

int integerTextLength(int n) {
    char scratch[12];
    return static_cast<int>(writeInteger(n, scratch) - scratch);
}

// The value rounded to the nearest integer, ties to even (FISTP under the
// rounding the conversion runs with).
std::int64_t roundToInteger(long double x) {
    std::int64_t n;
    asm("fistpll %0" : "=m"(n) : "t"(x) : "st");
    return n;
}

int digitCount(std::int64_t n) {
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

// The largest number of significant digits: N must fit in 63 bits.
constexpr int MaxDigits = 18;

int significantDigits(int decimals, int integerDigits) {
    const long long wanted = static_cast<long long>(decimals) + integerDigits;
    if (wanted < 1) return 1;
    return wanted > MaxDigits ? MaxDigits : static_cast<int>(wanted);
}

}  // namespace

void NumberToText(long double value, char* buffer, unsigned width, int decimals) {
    bool negative = false;
    switch (classify(value, negative)) {
        case ValueKind::Zero:
            std::strcpy(buffer, "0");
            return;
        case ValueKind::NotANumber:
            std::strcpy(buffer, "Error");
            return;
        case ValueKind::PlusInfinity:
            std::strcpy(buffer, numtext_text::PlusInfinity);
            return;
        case ValueKind::MinusInfinity:
            std::strcpy(buffer, numtext_text::MinusInfinity);
            return;
        case ValueKind::Finite:
            break;
    }

    ExtendedPrecisionScope precision;
    const int w = width == 0           ? 24
                  : width < 8          ? 8
                  : width > 0x7FFFFFFF ? 0x7FFFFFFF
                                       : static_cast<int>(width);
    const bool automatic = decimals < 0;
    char* out = buffer;
    if (negative) *out++ = '-';
    const long double magnitude = negative ? -value : value;

    // Decimal exponent E and mantissa m = 10^(L - E), never a division by a power of ten.
    const long double logarithm = decimalLog(magnitude);
    int exponent = static_cast<int>(logarithm);  // toward zero
    if (logarithm - exponent < 0) --exponent;
    const long double mantissa = decimalPower(logarithm - exponent);

    const bool fixed = exponent == 0 || (exponent >= 1 && exponent <= 14 && exponent + 1 < w) ||
                       (exponent >= -3 && exponent <= -1);
    const int exponentRoom = fixed ? 0 : integerTextLength(exponent) + 1 + (exponent < 0 ? 1 : 0);
    int integerDigits = fixed ? exponent + 1 : 1;

    int digits;
    if (automatic) {
        const int budget = w - 1 - exponentRoom;
        digits = budget < 1 || budget > 16 ? 16 : budget;
    } else {
        digits = significantDigits(decimals, integerDigits);
    }

    const std::int64_t scaled = roundToInteger(mantissa * decimalPower(digits - 1));
    const int scaledDigits = digitCount(scaled);
    if (scaledDigits > digits) {
        // Rounded up to the next power of ten (9.999 -> 10.00).
        ++exponent;
        if (fixed) {
            ++integerDigits;
            if (!automatic) digits = significantDigits(decimals, integerDigits);
        }
    }
    // A carry in automatic mode keeps K, which at a narrow width can leave
    // fewer digits than the integer part has (9999999.999 at width 8): the
    // integer part is always written whole, never cut to a tenth of the value.
    if (fixed && integerDigits > digits) digits = integerDigits;

    char digitText[20];
    {
        std::int64_t n = scaled;
        for (int k = scaledDigits - 1; k >= 0; --k) {
            digitText[k] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
    }

    const int limit = w - exponentRoom;
    int used = 0;
    char* const start = out;
    if (integerDigits <= 0) {
        *out++ = '0';
        *out++ = '.';
        for (int k = 0; k < -integerDigits; ++k) *out++ = '0';
        used = 2 - integerDigits;
    }
    for (int k = 0; k < digits; ++k) {
        if (integerDigits >= 1 && k == integerDigits) {
            *out++ = '.';
            ++used;
        }
        *out++ = k < scaledDigits ? digitText[k] : '0';
        ++used;
        if (used >= limit) break;
    }

    if (automatic && std::memchr(start, '.', static_cast<std::size_t>(out - start)) != nullptr) {
        while (out[-1] == '0') --out;
        if (out[-1] == '.') --out;
    }
    if (!fixed) {
        *out++ = 'e';
        out = writeInteger(exponent, out);
    }
    *out = '\0';
}
