#include "data/place_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/gazetteer.h"
#include "data/place_readings.h"
#include "encoding/text_encoding.h"

namespace {

std::string cp936(const std::string& utf8) {
    std::string out;
    EXPECT_TRUE(utf8ToCp936(utf8, out)) << utf8;
    return out;
}

// The place's reading, found by its name (UTF-8).
std::string readingOf(const std::string& utf8Name) {
    const std::string name = cp936(utf8Name);
    GazetteerCursor cursor;
    char entry[PlaceNameCapacity];
    for (int index = 0; nextPlaceName(cursor, entry); ++index)
        if (name == entry) return PlaceReadings[index];
    ADD_FAILURE() << utf8Name << " is not in the gazetteer";
    return "";
}

struct MatchCase {
    const char* typed;  // UTF-8
    const char* place;  // UTF-8
    bool matches;
};

const MatchCase MatchCases[] = {
    // Initials and full pinyin, whole or begun.
    {"bj", "北京", true},
    {"b", "北京", true},
    {"beijing", "北京", true},
    {"beij", "北京", true},
    {"wlmq", "乌鲁木齐", true},
    {"wulumuqi", "乌鲁木齐", true},
    {"bjx", "北京", false},
    {"beijingg", "北京", false},
    {"bejing", "北京", false},
    // A place name's own reading of a polyphonic character.
    {"cq", "重庆", true},
    {"chongqing", "重庆", true},
    {"zhongqing", "重庆", false},
    {"changsha", "长沙", true},
    {"zhangzi", "长子", true},
    {"xiamen", "厦门", true},
    {"xm", "厦门", true},
    {"shamen", "厦门", false},
    {"luan", "六安", true},
    {"liuan", "六安", false},
    {"bengbu", "蚌埠", true},
    {"leshan", "乐山", true},
    {"yuxian", "蔚县", true},
    {"weixian", "蔚县", false},
    {"yanshan", "铅山", true},
    {"chengdu", "成都", true},
    {"kashi", "喀什", true},
    {"lvliang", "吕梁", true},
    // Any case.
    {"BJ", "北京", true},
    {"BeiJing", "北京", true},
    {"CQ", "重庆", true},
    // The name itself, and the province of a place(province) name.
    {"北", "北京", true},
    {"北京", "北京", true},
    {"京", "北京", false},
    {"dongxianggansu", "东乡(甘肃)", true},
    {"东乡(甘", "东乡(甘肃)", true},
    // Neither letters nor the name.
    {"b j", "北京", false},
    {"1", "北京", false},
};

TEST(PlaceMatchTest, FindsByNamePinyinOrInitials) {
    for (const MatchCase& c : MatchCases) {
        EXPECT_EQ(placeMatches(cp936(c.place).c_str(), readingOf(c.place).c_str(),
                               cp936(c.typed).c_str()),
                  c.matches)
            << c.typed << " / " << c.place;
    }
}

TEST(PlaceMatchTest, ListsMatchesInTheGazetteersOrder) {
    const std::vector<std::string> found = matchingPlaces("xiam");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], cp936("厦门"));

    const std::vector<std::string> cq = matchingPlaces("cq");
    ASSERT_FALSE(cq.empty());
    for (std::size_t i = 1; i < cq.size(); ++i) EXPECT_LT(cq[i - 1], cq[i]);
}

TEST(PlaceMatchTest, NothingMatchesAnUnknownText) {
    EXPECT_TRUE(matchingPlaces("qqqq").empty());
    EXPECT_TRUE(matchingPlaces(cp936("京北").c_str()).empty());
}

TEST(PlaceMatchTest, EveryPlaceHasOneSyllablePerCharacter) {
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    int index = 0;
    for (; nextPlaceName(cursor, name); ++index) {
        ASSERT_LT(index, GazetteerPlaceCount);
        std::string utf8;
        ASSERT_TRUE(cp936ToUtf8(name, utf8));
        // Every name character takes three UTF-8 bytes; parentheses one.
        std::size_t characters = 0;
        for (unsigned char c : utf8) characters += (c & 0xC0) != 0x80 && c != '(' && c != ')';
        const std::string reading = PlaceReadings[index];
        std::size_t syllables = reading.empty() ? 0 : 1;
        for (char c : reading) {
            syllables += c == ' ';
            EXPECT_TRUE(c == ' ' || (c >= 'a' && c <= 'z')) << reading;
        }
        EXPECT_EQ(syllables, characters) << utf8 << " " << reading;
    }
    EXPECT_EQ(index, GazetteerPlaceCount);
}

TEST(PlaceMatchTest, LatinLettersOnly) {
    EXPECT_TRUE(isLatinLetters("bj"));
    EXPECT_TRUE(isLatinLetters("BeiJing"));
    EXPECT_FALSE(isLatinLetters(""));
    EXPECT_FALSE(isLatinLetters("b j"));
    EXPECT_FALSE(isLatinLetters("b1"));
    EXPECT_FALSE(isLatinLetters(cp936("北").c_str()));
}

}  // namespace
