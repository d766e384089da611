#include "cli/satellite_list_file.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/text_encoding.h"

namespace {

using namespace std::string_literals;

std::string listOf(const std::string& fileText) {
    std::string list;
    std::string error;
    EXPECT_TRUE(satelliteListFromUtf8(fileText, list, error)) << error;
    return list;
}

std::string errorFor(const std::string& fileText) {
    std::string list;
    std::string error;
    EXPECT_FALSE(satelliteListFromUtf8(fileText, list, error));
    return error;
}

TEST(SatelliteListFromUtf8, ConvertsEachLineToARecord) {
    EXPECT_EQ(listOf(u8"105.5,亚洲3号  (AsiaSat-3S)\n-75.0,West, with comma\n"),
              cp936FromUtf8(u8"105.5,亚洲3号  (AsiaSat-3S)") + "\0"s + "-75.0,West, with comma" +
                  "\0\0"s);
}

TEST(SatelliteListFromUtf8, SkipsBlankLinesAndAcceptsCrLfBomAndNoFinalLineEnd) {
    EXPECT_EQ(listOf("\xEF\xBB\xBF"
                     "1.0,a\r\n\r\n   \n\t\n2.0,b"),
              "1.0,a\0"
              "2.0,b\0\0"s);
    EXPECT_EQ(listOf(""), "\0"s);
    EXPECT_EQ(listOf("\n\n"), "\0"s);
}

TEST(SatelliteListFromUtf8, KeepsBlanksAndRecordsWithoutComma) {
    EXPECT_EQ(listOf(" 1.0 , name \n77.0\n,nameless\n"),
              " 1.0 , name \0"
              "77.0\0"
              ",nameless\0\0"s);
}

TEST(SatelliteListFromUtf8, LimitsAreCountedInCodePage936Bytes) {
    const std::string longitude20(20, '1');
    // 63 Chinese characters and one letter: 127 bytes in code page 936, 190 in UTF-8.
    std::string description127 = "x";
    for (int i = 0; i < 63; ++i) description127 += u8"星";
    EXPECT_EQ(listOf(longitude20 + "," + description127 + "\n" + longitude20 + "\n"),
              longitude20 + "," + cp936FromUtf8(description127) + "\0"s + longitude20 + "\0\0"s);

    EXPECT_EQ(errorFor("1.0,a\n" + longitude20 + "1,b\n"),
              "line 2: longitude text longer than 20 bytes");
    EXPECT_EQ(errorFor(longitude20 + "1\n"), "line 1: longitude text longer than 20 bytes");
    EXPECT_EQ(errorFor("\n\n1.0," + description127 + u8"星\n"),
              "line 3: description longer than 127 bytes (in code page 936)");
}

TEST(SatelliteListFromUtf8, RefusesLinesThatCannotBecomeRecords) {
    EXPECT_EQ(errorFor(u8"1.0,ok\n2.0,smile 😀\n"), "line 2: cannot be written in code page 936");
    EXPECT_EQ(errorFor("1.0,\xFF\xFE broken\n"), "line 1: cannot be written in code page 936");
    EXPECT_EQ(errorFor("1.0,a\0b\n"s), "line 1: holds a NUL byte");
}

}  // namespace
