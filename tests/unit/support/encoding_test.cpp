#include <gtest/gtest.h>

#include "cli/text_encoding.h"

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
        {"南偏西16.79度", "\xC4\xCF\xC6\xAB\xCE\xF7" "16.79\xB6\xC8"},
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
    EXPECT_FALSE(utf8ToCp936("\xE5\x8C", out));           // cut UTF-8 sequence
    EXPECT_FALSE(cp936ToUtf8("\xB1", out));               // lead byte without its trail byte
    EXPECT_EQ(cp936FromUtf8("\xF0\x9F\x98\x80"), "");
}

}  // namespace
