#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "numtext/numtext.h"

namespace {

struct Reading {
    int result;
    long double value;
    std::string text;  // the caller's text afterwards
};

Reading read(const std::string& text) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    long double value = 12345;  // must be overwritten
    const int result = TextToNumber(buffer.data(), &value);
    return {result, value, buffer.data()};
}

bool sameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

TEST(TextToNumber, Texts) {
    struct Row {
        const char* text;
        int result;
        long double value;  // zeros are compared bit for bit, sign included
    };
    // clang-format off
    const Row rows[] = {
        {"116.41", 1, 116.41L}, {"1 16 . 4 1", 1, 116.41L}, {"-0.5", 1, -0.5L}, {"+5", 1, 5},
        {".5", 1, 0.5L}, {"5.", 1, 5}, {"-.5", 1, -0.5L}, {"", 1, 0.0L}, {"   ", 1, 0.0L},
        {"-", 1, -0.0L}, {".", 1, 0.0L}, {"+", 1, 0.0L}, {"-0", 1, -0.0L}, {"-e7", 1, -0.0L},
        {"1e3", 1, 1000}, {"1e+3", 1, 1000}, {"1e-3", 1, 0.001L}, {"1.5e-2", 1, 0.015L},
        {"1e", 1, 1}, {"1e-", 1, 1}, {"1e+", 1, 1}, {"e5", 1, 0.0L},
        {"1e0.5", 1, 3.16227766016837933199889354443271853L},
        {"1e5abc", 1, 100000},  // nothing after a complete exponent is examined
        {"1e-4931", 1, 1e-4931L}, {"4.00e-4", 1, 0.0004L},
        // Rejected texts read as positive zero.
        {"1E3", 0, 0.0L}, {"12abc", 0, 0.0L}, {"1,5", 0, 0.0L}, {"--5", 0, 0.0L},
        {"+-5", 0, 0.0L}, {"1.2.3", 0, 0.0L}, {"\t5", 0, 0.0L}, {"5\t", 0, 0.0L},
        {"-5e4933", 0, 0.0L}, {"1e4933", 0, 0.0L}, {"12e4931", 0, 0.0L}, {"1e-4932", 0, 0.0L},
        {"5e-4932", 0, 0.0L}, {"0e5000", 0, 0.0L}, {"1e99999", 0, 0.0L}, {"Error", 0, 0.0L},
        {"+\xA1\xDE", 0, 0.0L}, {"-\xA1\xDE", 0, 0.0L}, {"\xB1\xB1\xBE\xA9", 0, 0.0L},  // 北京
    };
    // clang-format on
    for (const Row& row : rows) {
        const Reading r = read(row.text);
        EXPECT_EQ(r.result, row.result) << row.text;
        if (row.value == 0) {
            EXPECT_TRUE(sameBits(r.value, row.value)) << row.text;
        } else {
            // Neither the digit-by-digit reading nor the power of ten is
            // correctly rounded: a few units in the last place.
            EXPECT_LE(std::fabs(r.value - row.value), std::fabs(row.value) * 0x1p-60L) << row.text;
        }
    }
    // With u = t * log2(10) near 16384, 2^r keeps only about 50 bits.
    const Reading big = read("1e4932");
    EXPECT_EQ(big.result, 1);
    EXPECT_LE(std::fabs(big.value - 1e4932L), 1e4932L * 0x1p-48L);
}

TEST(TextToNumber, RemovesSpacesInPlaceAndLeavesTheRestOfTheBuffer) {
    char text[] = "1 6 . 5\0XY";
    long double value = 0;
    EXPECT_EQ(TextToNumber(text, &value), 1);
    EXPECT_EQ(value, 16.5L);
    const char expected[] = {'1', '6', '.', '5', '\0', ' ', '5', '\0', 'X', 'Y', '\0'};
    EXPECT_EQ(std::memcmp(text, expected, sizeof text), 0);
    // A rejected text is modified as well; only the space is a blank.
    EXPECT_EQ(read(" 1 2a ").text, "12a");
    EXPECT_EQ(read(" \t 5").text, "\t5");
}

TEST(TextToNumber, FractionDigitsEndAtTheNormalRange) {
    // The 4,932nd place value lies below 2^-16382, whatever the digits.
    const std::string longest = "0." + std::string(4930, '0') + "7";
    EXPECT_EQ(read(longest).result, 1);
    EXPECT_EQ(read(longest + "0").result, 0);
    EXPECT_EQ(read("1." + std::string(4932, '0')).result, 0);
    // Integer digits leave the range only past 1.19e4932.
    EXPECT_EQ(read("1" + std::string(4932, '0')).result, 1);
    EXPECT_EQ(read("2" + std::string(4932, '0')).result, 0);
}

TEST(TextToNumber, OnlyThisConversionsExceptionsCount) {
    std::feraiseexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_DIVBYZERO);
    EXPECT_EQ(read("116.41").result, 1);
    std::feraiseexcept(FE_INEXACT | FE_INVALID);  // never tested
    EXPECT_EQ(read("0.1").result, 1);
}

unsigned short controlWord() {
    unsigned short word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void loadControlWord(unsigned short word) { asm volatile("fldcw %0" : : "m"(word)); }

TEST(X87Precision, StartsWithA64BitSignificand) { EXPECT_EQ(controlWord() & 0x0300, 0x0300); }

TEST(X87Precision, ConversionsDoNotDependOnTheCallersPrecision) {
    const unsigned short saved = controlWord();
    for (const char* text : {"116.41", "0.1", "1e-7", "3.3333333333333333333", "1e0.5"}) {
        const Reading full = read(text);
        char written[32];
        NumberToText(full.value, written, 0, -1);

        loadControlWord(static_cast<unsigned short>((saved & ~0x0300) | 0x0200));  // 53 bits
        const Reading reduced = read(text);
        char writtenReduced[32];
        NumberToText(full.value, writtenReduced, 0, -1);
        const unsigned short after = controlWord();
        loadControlWord(saved);

        EXPECT_TRUE(sameBits(reduced.value, full.value)) << text;
        EXPECT_STREQ(writtenReduced, written) << text;
        EXPECT_EQ(after & 0x0300, 0x0200) << "the caller's control word is put back";
    }
}

// The value of one unit in the last digit a text shows.
long double lastPlace(const std::string& text) {
    const std::size_t e = text.find('e');
    const std::size_t point = text.substr(0, e).find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(std::min(e, text.size()) - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    return std::pow(10.0L, static_cast<long double>(exponent - decimals));
}

TEST(RoundTrip, EveryWrittenTextReadsBack) {
    const long double mantissas[] = {1,        1.5L,   20.0L / 3, 3.14159265358979L,
                                     4.99999L, 5.005L, 9.9999L,   9.999999999L};
    const int formats[][2] = {{0, 2}, {0, -1}, {0, 0}, {0, 5}, {8, 2}, {8, -1}, {12, 3}, {0, 40}};
    int checked = 0;
    // Below 1e-4931 the text's power of ten would leave the normal range.
    for (int exponent = -4931; exponent <= 4931; ++exponent) {
        if (std::abs(exponent) > 40 && std::abs(exponent) < 4920 && exponent % 97 != 0) continue;
        for (long double mantissa : mantissas) {
            const long double value =
                mantissa * std::pow(10.0L, static_cast<long double>(exponent));
            for (const auto& format : formats) {
                for (long double signedValue : {value, -value}) {
                    char text[40];
                    NumberToText(signedValue, text, static_cast<unsigned>(format[0]), format[1]);
                    ASSERT_LE(std::strlen(text), 26u) << text;
                    const Reading r = read(text);
                    ASSERT_EQ(r.result, 1) << text;
                    // One unit of the last place (the width limit cuts rather
                    // than rounds), plus what the reading loses.
                    const long double allowed = lastPlace(text) + std::fabs(signedValue) * 0x1p-48L;
                    ASSERT_LE(std::fabs(r.value - signedValue), allowed) << text;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 20000);
}

}  // namespace
