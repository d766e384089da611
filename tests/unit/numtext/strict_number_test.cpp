#include "numtext/strict_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numtext/numtext.h"

namespace {

// What TextToNumber itself gives for an accepted text.
long double byTextToNumber(std::string text) {
    long double value = 0;
    TextToNumber(text.data(), &value);
    return value;
}

struct Row {
    std::string text;
    NumberRefusal refusal;
    long double value;
};

void expectRows(const Row* rows, std::size_t count, NumberRange range) {
    for (std::size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE("\"" + row.text + "\"");
        long double value = 12345;  // must be overwritten
        EXPECT_EQ(readStrictNumber(row.text, range, &value), row.refusal);
        EXPECT_EQ(value, row.value);
        EXPECT_FALSE(std::signbit(value));
    }
}

TEST(StrictNumber, TheWholeTextIsOneNumber) {
    using R = NumberRefusal;
    const Row rows[] = {
        {"12", R::None, 12},
        {" 12.5 ", R::None, 12.5L},
        {".5", R::None, 0.5L},
        {"5.", R::None, 5},
        {"+7", R::None, 7},
        {"1.2e1", R::None, 12},
        {"1e+2", R::None, byTextToNumber("1e+2")},
        {"1e-2", R::None, byTextToNumber("1e-2")},
        {"-0", R::None, 0},
        {"-.0", R::None, 0},
        {"", R::Blank, 0},
        {"   ", R::Blank, 0},
        {".", R::NotANumber, 0},
        {"-", R::NotANumber, 0},
        {"+", R::NotANumber, 0},
        {"e5", R::NotANumber, 0},
        {"1e", R::NotANumber, 0},
        {"1e-", R::NotANumber, 0},
        {"1e0x", R::NotANumber, 0},
        {"1e1-3", R::NotANumber, 0},
        {"1e0.5", R::NotANumber, 0},
        {"1E1", R::NotANumber, 0},
        {"1 2", R::NotANumber, 0},
        {"1,5", R::NotANumber, 0},
        {"12abc", R::NotANumber, 0},
        {"\t5", R::NotANumber, 0},
        {"5\t", R::NotANumber, 0},
        {"1.2.3", R::NotANumber, 0},
        {"--5", R::NotANumber, 0},
        {"1e5000", R::NotANumber, 0},
        {"1e-5000", R::NotANumber, 0},
        {std::string("1\0", 2), R::NotANumber, 0},
    };
    expectRows(rows, std::size(rows), NumberRange{});
}

TEST(StrictNumber, TheRangeIncludesBothEnds) {
    using R = NumberRefusal;
    const Row rows[] = {
        {"0.1", R::None, 0.1L},       {"30", R::None, 30},           {"3e1", R::None, 30},
        {"0.0999", R::OutOfRange, 0}, {"30.0001", R::OutOfRange, 0}, {"-1", R::OutOfRange, 0},
        {"1e4000", R::OutOfRange, 0}, {"x", R::NotANumber, 0},
    };
    expectRows(rows, std::size(rows), NumberRange{0.1L, 30});
}

}  // namespace
