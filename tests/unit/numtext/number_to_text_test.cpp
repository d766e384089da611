#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "encoding/text_encoding.h"
#include "numtext/numtext.h"

namespace {

std::string toText(long double value, unsigned width = 0, int decimals = 2) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    NumberToText(value, buffer, width, decimals);
    EXPECT_NE(std::memchr(buffer, '\0', sizeof buffer), nullptr);
    return buffer;
}

// An 80-bit encoding assembled from its fields.
long double fromFields(unsigned signAndExponent, std::uint64_t significand) {
    unsigned char bytes[sizeof(long double)] = {};
    for (int k = 0; k < 8; ++k) bytes[k] = static_cast<unsigned char>(significand >> (8 * k));
    bytes[8] = static_cast<unsigned char>(signAndExponent);
    bytes[9] = static_cast<unsigned char>(signAndExponent >> 8);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

struct Row {
    long double value;
    unsigned width;
    int decimals;
    const char* text;
};

TEST(NumberToText, Texts) {
    // clang-format off
    const Row rows[] = {
        // Two decimals and the default width, as every caller asks.
        {116.41L, 0, 2, "116.41"}, {-116.41L, 0, 2, "-116.41"}, {39.91L, 0, 2, "39.91"},
        {57.0L, 0, 2, "57.00"}, {180, 0, 2, "180.00"}, {-0.5L, 0, 2, "-0.50"},
        {1.0L / 3, 0, 2, "0.33"}, {45.123456L, 0, 2, "45.12"}, {-3.14159L, 0, 2, "-3.14"},
        {359.999L, 0, 2, "360.00"}, {9.999L, 0, 2, "10.00"}, {0.9999L, 0, 2, "1.00"},
        {0.09999L, 0, 2, "0.10"}, {0.0123L, 0, 2, "0.01"}, {0.005L, 0, 2, "0.005"},
        {0.0012345L, 0, 2, "0.001"}, {0.0099L, 0, 2, "0.01"}, {0.0004L, 0, 2, "4.00e-4"},
        {1e-7L, 0, 2, "1.00e-7"}, {1234567.0L, 0, 2, "1234567.00"},
        {123456789012345.678L, 0, 2, "123456789012345.68"}, {1e15L, 0, 2, "1.00e15"},
        {2.5e20L, 0, 2, "2.50e20"}, {0.0052L, 0, 2, "0.005"}, {0.0096L, 0, 2, "0.01"},
        {99.996L, 0, 2, "100.00"}, {-99.996L, 0, 2, "-100.00"}, {0.00099999L, 0, 2, "1.00e-3"},
        {999999999999999.996L, 0, 2, "1000000000000000.00"},
        {-999999999999999.996L, 0, 2, "-1000000000000000.00"},
        {1e14L, 0, 2, "100000000000000.00"}, {0.1L, 0, 2, "0.10"},
        {LDBL_MIN, 0, 2, "3.36e-4932"}, {-LDBL_MAX, 0, 2, "-1.19e4932"},
        // Automatic mode.
        {45.123456L, 0, -1, "45.123456"}, {57.0L, 0, -1, "57"}, {-0.5L, 0, -1, "-0.5"},
        {1.0L / 3, 0, -1, "0.3333333333333333"}, {2.0L / 3, 0, -1, "0.6666666666666667"},
        {100.0L / 3, 0, -1, "33.33333333333333"}, {0.0012345L, 0, -1, "0.0012345"},
        {1e-7L, 0, -1, "1e-7"}, {1234567.0L, 0, -1, "1234567"},
        {1e20L / 3, 0, -1, "3.333333333333333e19"},
        // Other widths and decimals.
        {116.41L, 0, 0, "116"}, {0.5L, 0, 0, "0.5"}, {2.7e20L, 0, 0, "3e20"},
        {116.41L, 0, 4, "116.4100"},
        {1e14L, 15, 2, "1.00e14"},              // E + 1 must stay below the width
        {1234567.891L, 8, 2, "1234567.8"},      // the width cuts the digits
        {12345678.9L, 8, 2, "1.23e7"}, {12345678.9L, 3, 2, "1.23e7"},  // 3 counts as 8
        {1.0L / 3, 8, -1, "0.333333"}, {1e-7L, 8, -1, "1e-7"},
        {1.5e-4000L, 8, -1, "1e-4000"},         // no digit budget: 16, cut by the width
        {-1.5e-4000L, 8, -1, "-1e-4000"},       // the sign is not counted
        {9999999.999L, 8, -1, "10000000"},      // a carry keeps the integer part whole
        {123.0L, 0, 30, "123.000000000000000"}, // never more than 18 significant digits
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(toText(row.value, row.width, row.decimals), row.text) << row.text;
}

TEST(NumberToText, TheLongestTwoDecimalTextFillsTheCapacityExactly) {
    // A heap buffer of exactly the capacity, so that a sanitizer build sees
    // any byte written past it.
    for (long double value : {-999999999999999.996L, -LDBL_MAX, -LDBL_MIN, -0x1p-16382L}) {
        std::unique_ptr<char[]> buffer(new char[NumberTextCapacity]);
        NumberToText(value, buffer.get(), 0, 2);
        EXPECT_LT(std::strlen(buffer.get()), NumberTextCapacity) << buffer.get();
    }
    std::unique_ptr<char[]> longest(new char[NumberTextCapacity]);
    NumberToText(-999999999999999.996L, longest.get(), 0, 2);
    EXPECT_EQ(std::strlen(longest.get()), NumberTextCapacity - 1);
}

TEST(NumberToText, ZeroOfEitherSignIsAPlainZero) {
    for (int decimals : {-1, 0, 2, 5}) {
        EXPECT_EQ(toText(0.0L, 0, decimals), "0");
        EXPECT_EQ(toText(-0.0L, 0, decimals), "0");
    }
}

TEST(NumberToText, InfinitiesAndEverythingThatIsNotANumber) {
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(toText(inf), "+\xA1\xDE");
    EXPECT_EQ(toText(-inf), "-\xA1\xDE");
    EXPECT_EQ(utf8FromCp936(toText(inf)), "+∞");
    EXPECT_EQ(utf8FromCp936(toText(-inf)), "-∞");

    const std::uint64_t j = std::uint64_t{1} << 63;  // the explicit integer bit
    const long double errors[] = {
        std::numeric_limits<long double>::quiet_NaN(),
        -std::numeric_limits<long double>::quiet_NaN(),
        fromFields(0x7FFF, j | 1),  // signalling NaN
        std::numeric_limits<long double>::denorm_min(),
        fromFields(0x8000, j - 1),  // largest negative subnormal
        fromFields(0x0000, j),
        fromFields(0x0000, j | 12345),  // pseudo-denormals
        fromFields(0x3FFF, j >> 1),
        fromFields(0x4005, 0x1234),  // unnormals
        fromFields(0x7FFF, 0),
        fromFields(0xFFFF, 0),  // pseudo-infinities
        fromFields(0x7FFF, 1),  // pseudo-NaN
    };
    for (long double value : errors) {
        for (int decimals : {-1, 2}) EXPECT_EQ(toText(value, 0, decimals), "Error");
    }
    // The same fields with the integer bit set are ordinary numbers.
    EXPECT_EQ(toText(fromFields(0x3FFF, j)), "1.00");
    EXPECT_EQ(toText(fromFields(0xC000, j)), "-2.00");
}

}  // namespace
