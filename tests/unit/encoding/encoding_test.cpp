#include <gtest/gtest.h>

#include <cstring>

#include "encoding/text_encoding.h"

namespace {

TEST(TextEncoding, ConvertsBothWays) {
    struct Case {
        const char* utf8;
        const char* cp936;
    };
    const Case cases[] = {
        {"", ""},
        {"57.0", "57.0"},
        {"北京", "\xB1\xB1\xBE\xA9"},
        {"+∞", "+\xA1\xDE"},
        {"南偏西16.79度",
         "\xC4\xCF\xC6\xAB\xCE\xF7"
         "16.79\xB6\xC8"},
        {"东乡(甘肃)", "\xB6\xAB\xCF\xE7(\xB8\xCA\xCB\xE0)"},
    };
    for (const Case& c : cases) {
        std::string out;
        ASSERT_TRUE(utf8ToCp936(c.utf8, out)) << c.utf8;
        EXPECT_EQ(out, c.cp936) << c.utf8;
        ASSERT_TRUE(cp936ToUtf8(c.cp936, out)) << c.utf8;
        EXPECT_EQ(out, c.utf8);
    }
}

TEST(TextEncoding, RefusesWhatCannotBeConverted) {
    std::string out;
    EXPECT_FALSE(utf8ToCp936("\xF0\x9F\x98\x80", out));  // an emoji has no code page 936 form
    EXPECT_FALSE(utf8ToCp936("\xE5\x8C", out));          // cut UTF-8 sequence
    EXPECT_FALSE(cp936ToUtf8("\xB1", out));              // lead byte without its trail byte
    EXPECT_EQ(cp936FromUtf8("\xF0\x9F\x98\x80"), "");
}

}  // namespace

namespace {

std::u16string utf16(const std::string& utf8) {
    std::u16string out;
    EXPECT_TRUE(utf8ToUtf16(utf8, out)) << utf8;
    return out;
}

TEST(TextEncoding, EveryDoubleByteCharacterSurvivesTheRoundTrip) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
            std::u16string decoded;
            if (!cp936ToUtf16(bytes, decoded)) continue;  // no character there
            ++characters;
            ASSERT_EQ(decoded.size(), 1u) << lead << ' ' << trail;
            std::string encoded;
            ASSERT_TRUE(utf16ToCp936(decoded, encoded)) << lead << ' ' << trail;
            EXPECT_EQ(encoded, bytes);
            EXPECT_EQ(cp936Size(decoded[0]), 2u);
            // The boundary's own conversions agree with the strict ones.
            EXPECT_EQ(utf16FromCp936(bytes.c_str()), decoded);
            EXPECT_EQ(cp936FromUtf16(decoded), bytes);
        }
    }
    // GBK's 21,886 characters, less the few one platform leaves out.
    EXPECT_GT(characters, 21000);
}

TEST(TextEncoding, TextsWithoutACodePage936FormAreRefused) {
    const char* const refused[] = {"한", "ő", "😀", "北京한"};
    for (const char* text : refused) {
        std::u16string units = utf16(text);
        std::string out;
        EXPECT_FALSE(utf16ToCp936(units, out)) << text;
        EXPECT_EQ(unitsFittingCp936(units.data(), units.size(), 100),
                  std::string(text).rfind("北京", 0) == 0 ? 2u : 0u)
            << text;
    }
    EXPECT_EQ(cp936Size(utf16("한")[0]), 0u);
    EXPECT_EQ(cp936Size(utf16("😀")[0]), 0u);  // half of a surrogate pair
    EXPECT_EQ(cp936Size(u'A'), 1u);
    EXPECT_EQ(cp936Size(utf16("∞")[0]), 2u);
    // What the boundary makes of them, as Windows does.
    EXPECT_EQ(cp936FromUtf16(utf16("a한b")), "a?b");
}

TEST(TextEncoding, KeepsTheWholeCharactersThatFit) {
    struct Case {
        const char* utf8;
        std::size_t byteRoom;
        std::size_t units;
    };
    const Case cases[] = {
        {"", 6, 0},     {"123456", 6, 6}, {"1234567", 6, 6}, {"北京", 4, 2},  {"北京", 3, 1},
        {"北京", 1, 0}, {"a北", 2, 1},    {"a北", 3, 2},     {"北ő京", 6, 1}, {"12北", 0, 0},
    };
    for (const Case& c : cases) {
        std::u16string units = utf16(c.utf8);
        EXPECT_EQ(unitsFittingCp936(units.data(), units.size(), c.byteRoom), c.units)
            << c.utf8 << " in " << c.byteRoom;
    }
}

TEST(TextEncoding, CopiesCutAtTheCapacityBetweenCharacters) {
    struct Case {
        const char* utf8;
        std::size_t capacity;
        const char* copied;
    };
    const Case cases[] = {
        {"北京", 5, "北京"}, {"北京", 4, "北"},   {"北京", 3, "北"}, {"北京", 2, ""},
        {"a北京", 4, "a北"}, {"a北京", 5, "a北"}, {"57.0", 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        copyWholeCharacters(cp936FromUtf8(c.utf8), buffer, c.capacity);
        EXPECT_EQ(utf8FromCp936(buffer), c.copied) << c.utf8 << " in " << c.capacity;
        // The whole capacity is zero-filled, the rest untouched.
        for (std::size_t i = std::strlen(buffer); i < c.capacity; ++i) EXPECT_EQ(buffer[i], '\0');
        EXPECT_EQ(buffer[c.capacity], 'x');
    }
    char untouched = 'x';
    copyWholeCharacters("57.0", &untouched, 0);
    EXPECT_EQ(untouched, 'x');
}

TEST(TextEncoding, ConvertsUtf16BothWays) {
    std::u16string units;
    ASSERT_TRUE(
        cp936ToUtf16("\xB1\xB1\xBE\xA9"
                     "57",
                     units));
    EXPECT_EQ(units, u"\u5317\u4EAC57");
    std::string utf8;
    ASSERT_TRUE(utf16ToUtf8(u"\u5317\u4EAC\U0001F600", utf8));
    EXPECT_EQ(utf8, "北京😀");
    EXPECT_FALSE(utf16ToUtf8(std::u16string(1, u'\xD800'), utf8));  // a lone half of a pair
    EXPECT_EQ(utf16FromCp936(""), u"");
}

}  // namespace
