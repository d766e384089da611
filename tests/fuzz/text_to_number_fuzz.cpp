// TextToNumber on arbitrary bytes, and NumberToText of what it reads, which
// must read back.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "numtext/numtext.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The magnitudes whose two-decimal text reads back. Below 10^-4931 the text's
// exponent is -4932, and TextToNumber refuses a power of ten below the normal
// range, so those texts are rejected by design. From about 1.185e4932 up the
// text rounds to 1.19e4932, which is past the largest extended value and
// overflows.
constexpr long double SmallestReadBack = 1e-4931L;
constexpr long double LargestReadBack = 1.18e4932L;

bool sameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

// A finite, nonzero value that the 80-bit format defines and that is not
// subnormal: exponent field 1 to 0x7FFE and the explicit integer bit set.
// Unnormals and pseudo-denormals are not numbers to NumberToText.
bool isNormalNumber(long double value) {
    unsigned char bytes[10];
    std::memcpy(bytes, &value, sizeof bytes);
    const unsigned exponent = (bytes[8] | bytes[9] << 8) & 0x7FFF;
    return exponent != 0 && exponent != 0x7FFF && (bytes[7] & 0x80) != 0;
}

bool isSpecialText(const char* text) {
    return std::strcmp(text, "0") == 0 || std::strcmp(text, "Error") == 0 ||
           std::strcmp(text, "+\xA1\xDE") == 0 || std::strcmp(text, "-\xA1\xDE") == 0;  // +∞ -∞
}

// The number of significant digits a text shows: the digits before any 'e',
// without the leading zeros of 0.005.
int significantDigits(const char* text) {
    int digits = 0;
    bool leading = true;
    for (const char* c = text; *c != '\0' && *c != 'e'; ++c) {
        if (*c < '0' || *c > '9') continue;
        if (leading && *c == '0') continue;
        leading = false;
        ++digits;
    }
    return digits;
}

// Formats `value` as the program does and reads the text back: it must be
// accepted, and what it reads must lie within half a unit of the text's last
// digit of `value`, plus the few units in the last place that the logarithm
// and power-of-ten routines may each be off by (more for large exponents).
void checkReadsBack(long double value) {
    std::unique_ptr<char[]> text(new char[NumberTextCapacity]);
    NumberToText(value, text.get(), 0, 2);
    const std::size_t length = std::strlen(text.get());
    require(length < NumberTextCapacity, "the text fits 21 bytes");
    if (!isSpecialText(text.get())) {
        require(length > 0 && std::strspn(text.get(), "-0123456789.e") == length,
                "a number text holds only sign, digits, point and e");
    }

    const long double magnitude = std::fabs(value);
    if (!isNormalNumber(value)) {
        require(isSpecialText(text.get()),
                "zero, NaN, infinities and encodings of no number get their own texts");
        if (std::isfinite(value) && value == 0)
            require(std::strcmp(text.get(), "0") == 0, "zero of either sign is shown as 0");
        return;
    }
    if (magnitude < SmallestReadBack || magnitude > LargestReadBack) return;

    long double back = 12345;
    require(TextToNumber(text.get(), &back) == 1, "a formatted value is accepted");
    require(std::signbit(back) == std::signbit(value), "the sign reads back");
    long double halfUnit = 0.5L;
    for (int k = significantDigits(text.get()); k > 1; --k) halfUnit /= 10;
    // Half a unit of the last digit is at most halfUnit times the text's own
    // value (its first digit is at least 1); after a carry (0.095 shows as
    // 0.10) the text's value is the larger of the two.
    const long double decimalExponent = std::fabs(std::ilogb(value) * 0.30103L);
    const long double bound = halfUnit + (decimalExponent + 8) * 0x1p-58L;
    require(std::fabs(back - value) <= bound * std::fmax(magnitude, std::fabs(back)),
            "the value reads back");

    // The value read back shows as the same text, except where the notation
    // changes: 1000000000000000.00 reads back as 10^15, shown as 1.00e15, and
    // 1.00e-3 as 0.001, which may show either way.
    std::unique_ptr<char[]> again(new char[NumberTextCapacity]);
    NumberToText(back, again.get(), 0, 2);
    const long double backMagnitude = std::fabs(back);
    const bool atNotationChange = std::fabs(backMagnitude / 1e15L - 1) < 1e-15L ||
                                  std::fabs(backMagnitude / 1e-3L - 1) < 1e-15L;
    require(std::strcmp(again.get(), text.get()) == 0 || atNotationChange,
            "the value read back shows as the same text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The text ends at the first NUL, as the callers' buffers do.
    std::unique_ptr<char[]> text = exactText(reinterpret_cast<const char*>(data), size);
    const std::string before(text.get(), size + 1);
    const std::string original(text.get());
    std::string withoutBlanks;
    for (char c : original)
        if (c != ' ') withoutBlanks += c;

    long double value = 12345;
    const int result = TextToNumber(text.get(), &value);

    require(result == 0 || result == 1, "the result is 1 or 0");
    require(std::strlen(text.get()) == withoutBlanks.size() &&
                std::memcmp(text.get(), withoutBlanks.data(), withoutBlanks.size()) == 0,
            "the text keeps everything but its blanks, in order");
    // Only the bytes up to the new terminator move.
    require(
        std::memcmp(text.get() + withoutBlanks.size() + 1, before.data() + withoutBlanks.size() + 1,
                    original.size() - withoutBlanks.size()) == 0,
        "the bytes after the new terminator stay as they were");
    if (result == 0) {
        require(sameBits(value, 0.0L), "a rejected text reads as positive zero");
    } else {
        require(std::isfinite(value), "an accepted text gives a finite value");
        checkReadsBack(value);
    }

    // The first ten bytes as an 80-bit encoding of any kind: pseudo-denormals,
    // unnormals, NaNs, infinities and subnormals included.
    if (size >= 10) {
        long double raw = 0;
        std::memcpy(&raw, data, 10);
        checkReadsBack(raw);
    }
    return 0;
}
