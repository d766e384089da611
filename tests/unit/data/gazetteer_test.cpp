#include "data/gazetteer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "encoding/text_encoding.h"

namespace {

// One entry as the table stores it.
struct StoredEntry {
    std::string name;  // code page 936
    unsigned longitude;
    unsigned latitude;
};

unsigned readU16(const unsigned char* bytes) { return bytes[0] | bytes[1] << 8; }

// Reads the table by its layout alone, independently of the code under test.
std::vector<StoredEntry> readTable() {
    std::vector<StoredEntry> entries;
    std::size_t offset = 4;
    while (offset < GazetteerSize && Gazetteer[offset] != 0) {
        const std::size_t n = Gazetteer[offset];
        if (offset + n + 5 >= GazetteerSize) break;
        const unsigned char* name = Gazetteer + offset + 1;
        entries.push_back({std::string(reinterpret_cast<const char*>(name), n), readU16(name + n),
                           readU16(name + n + 2)});
        offset += n + 5;
    }
    return entries;
}

const std::vector<StoredEntry>& table() {
    static const std::vector<StoredEntry> entries = readTable();
    return entries;
}

// The text in parentheses of a place(province) name, or empty.
bool splitProvince(const std::string& name, std::string& place, std::string& province) {
    const std::size_t open = name.find('(');
    if (open == std::string::npos || name.back() != ')') return false;
    place = name.substr(0, open);
    province = name.substr(open + 1, name.size() - open - 2);
    return true;
}

// Names sort by their bytes; a place(province) name sorts as province, place.
std::string sortKey(const std::string& name) {
    std::string place, province;
    return splitProvince(name, place, province) ? province + place : name;
}

bool bytesLess(const std::string& a, const std::string& b) {
    const int order = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return order < 0 || (order == 0 && a.size() < b.size());
}

bool isChineseOnly(const std::string& cp936) {
    const std::string utf8 = utf8FromCp936(cp936);
    if (utf8.empty() || utf8.size() % 3 != 0) return false;
    for (std::size_t i = 0; i < utf8.size(); i += 3) {
        const unsigned char* c = reinterpret_cast<const unsigned char*>(utf8.data() + i);
        if ((c[0] & 0xF0) != 0xE0) return false;
        const unsigned codePoint = (c[0] & 0x0Fu) << 12 | (c[1] & 0x3Fu) << 6 | (c[2] & 0x3Fu);
        if (codePoint < 0x4E00 || codePoint > 0x9FFF) return false;
    }
    return true;
}

TEST(GazetteerTable, HasItsLayout) {
    EXPECT_EQ(sizeof Gazetteer, 21952u);
    EXPECT_EQ(Gazetteer[0] | Gazetteer[1] << 8 | Gazetteer[2] << 16 | Gazetteer[3] << 24, 100);

    std::size_t offset = 4;
    int count = 0;
    while (offset < GazetteerSize && Gazetteer[offset] != 0) {
        const std::size_t n = Gazetteer[offset];
        EXPECT_GE(n, 4u) << "entry " << count + 1;
        EXPECT_LE(n, 18u) << "entry " << count + 1;
        offset += n + 5;
        ++count;
    }
    EXPECT_EQ(count, GazetteerPlaceCount);
    // The end byte is the table's last byte.
    EXPECT_EQ(offset, GazetteerSize - 1);
    ASSERT_EQ(table().size(), 2347u);
}

TEST(GazetteerTable, HasItsNamesPerLength) {
    std::map<std::size_t, int> counts;
    for (const StoredEntry& entry : table()) ++counts[entry.name.size()];
    const std::map<std::size_t, int> expected = {{4, 2146}, {6, 91}, {8, 48}, {10, 37},
                                                 {12, 14},  {14, 9}, {16, 1}, {18, 1}};
    EXPECT_EQ(counts, expected);
}

TEST(GazetteerTable, HoldsItsTellingEntries) {
    struct Telling {
        int number;
        const char* utf8;
        std::size_t length;
        unsigned longitude;
        unsigned latitude;
    };
    // clang-format off
    const Telling cases[] = {
        {1, "阿巴嘎", 6, 11497, 4403},
        {2, "阿巴嘎旗", 8, 11497, 4403},
        {101, "北京", 4, 11646, 3992},
        {238, "达尔罕茂明安联合旗", 18, 11042, 4172},
        {438, "抚远", 4, 13415, 4833},
        {467, "甘泉", 4, 10937, 3629},
        {468, "东乡(甘肃)", 10, 10339, 3568},
        {469, "甘孜", 4, 9996, 3164},
        {629, "衡阳", 4, 11261, 2689},
        {630, "衡阳", 4, 11239, 2698},
        {880, "科尔沁右翼", 10, 12147, 4505},
        {881, "科尔沁右翼", 10, 12203, 4612},
        {886, "科尔沁左翼", 10, 12235, 4297},
        {887, "科尔沁左翼", 10, 12328, 4413},
        {1168, "漠河", 4, 12237, 5348},
        {1209, "南通", 4, 12105, 3208},
        {1210, "南通", 4, 12086, 3201},
        {1469, "上海", 4, 12148, 3122},
        {1744, "乌恰", 4, 7518, 3970},
        {1862, "新巴尔虎", 8, 11823, 4822},
        {1863, "新巴尔虎", 8, 11682, 4867},
        {2223, "攸县", 4, 11332, 2701},
        {2347, "黟县", 4, 11792, 2993},
    };
    // clang-format on
    ASSERT_EQ(table().size(), 2347u);
    for (const Telling& c : cases) {
        const StoredEntry& entry = table()[c.number - 1];
        EXPECT_EQ(entry.name, cp936FromUtf8(c.utf8)) << c.number;
        EXPECT_EQ(entry.name.size(), c.length) << c.utf8;
        EXPECT_EQ(entry.longitude, c.longitude) << c.utf8;
        EXPECT_EQ(entry.latitude, c.latitude) << c.utf8;
    }
}

TEST(GazetteerTable, TellsNamesakesApartByProvinceOnly) {
    std::set<std::string> withProvince;
    for (const StoredEntry& entry : table()) {
        std::string place, province;
        if (splitProvince(entry.name, place, province)) {
            withProvince.insert(utf8FromCp936(entry.name));
            EXPECT_TRUE(isChineseOnly(place) && isChineseOnly(province))
                << utf8FromCp936(entry.name);
        } else {
            EXPECT_TRUE(isChineseOnly(entry.name)) << utf8FromCp936(entry.name);
        }
    }
    const std::set<std::string> expected = {"东乡(甘肃)", "东乡(江西)", "洪江(广东)", "洪江(湖南)",
                                            "孟县(河南)", "孟县(山西)", "清江(江苏)", "清江(山西)"};
    EXPECT_EQ(withProvince, expected);
}

TEST(GazetteerTable, HoldsFiveNamesTwiceSideBySide) {
    std::map<std::string, std::vector<std::size_t>> positions;
    for (std::size_t i = 0; i < table().size(); ++i) positions[table()[i].name].push_back(i);
    EXPECT_EQ(positions.size(), 2342u);

    std::set<std::string> twice;
    for (const auto& [name, at] : positions) {
        ASSERT_LE(at.size(), 2u) << utf8FromCp936(name);
        if (at.size() < 2) continue;
        twice.insert(utf8FromCp936(name));
        EXPECT_EQ(at[1], at[0] + 1) << utf8FromCp936(name);
        const StoredEntry& first = table()[at[0]];
        const StoredEntry& second = table()[at[1]];
        EXPECT_FALSE(first.longitude == second.longitude && first.latitude == second.latitude)
            << utf8FromCp936(name);
    }
    const std::set<std::string> expected = {"衡阳", "科尔沁右翼", "科尔沁左翼", "南通", "新巴尔虎"};
    EXPECT_EQ(twice, expected);
}

TEST(GazetteerTable, SharesSeventyFiveCoordinatePairs) {
    std::map<std::pair<unsigned, unsigned>, int> names;
    for (const StoredEntry& entry : table()) ++names[{entry.longitude, entry.latitude}];
    std::map<int, int> groupsBySize;
    for (const auto& [point, count] : names) {
        if (count > 1) ++groupsBySize[count];
    }
    const std::map<int, int> expected = {{2, 61}, {3, 13}, {4, 1}};
    EXPECT_EQ(groupsBySize, expected);

    // 阿巴嘎 and 阿巴嘎旗 are one place.
    EXPECT_EQ((names[{11497, 4403}]), 2);
}

TEST(GazetteerTable, KeepsItsValuesInRange) {
    unsigned westmost = 65535, eastmost = 0, southmost = 65535, northmost = 0;
    for (const StoredEntry& entry : table()) {
        westmost = std::min(westmost, entry.longitude);
        eastmost = std::max(eastmost, entry.longitude);
        southmost = std::min(southmost, entry.latitude);
        northmost = std::max(northmost, entry.latitude);
    }
    EXPECT_EQ(westmost, 7518u);   // 乌恰
    EXPECT_EQ(eastmost, 13415u);  // 抚远
    EXPECT_EQ(southmost, 1749u);
    EXPECT_EQ(northmost, 5348u);  // 漠河
}

TEST(GazetteerTable, StandsInSortKeyOrder) {
    const std::vector<StoredEntry>& entries = table();
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const std::string before = sortKey(entries[i - 1].name);
        const std::string after = sortKey(entries[i].name);
        // Only the two entries of a duplicated name have equal keys.
        EXPECT_TRUE(bytesLess(before, after) || entries[i - 1].name == entries[i].name)
            << "entries " << i << " and " << i + 1 << ": " << utf8FromCp936(entries[i - 1].name)
            << ", " << utf8FromCp936(entries[i].name);
    }
    // A key that begins a longer one comes first, and the province key puts
    // 东乡(甘肃) between 甘泉 and 甘孜.
    EXPECT_EQ(entries[0].name, cp936FromUtf8("阿巴嘎"));
    EXPECT_EQ(entries[1].name, cp936FromUtf8("阿巴嘎旗"));
    EXPECT_EQ(entries[467].name, cp936FromUtf8("东乡(甘肃)"));
}

TEST(GazetteerTable, EndsWithTheNamesOfRarerCharacters) {
    // Common characters have lead bytes 0xB0 to 0xD7, the rarer ones from 0xD8.
    const std::vector<StoredEntry>& entries = table();
    int rarer = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const unsigned char lead = static_cast<unsigned char>(entries[i].name[0]);
        EXPECT_GE(lead, 0xB0) << i + 1;
        EXPECT_LE(lead, 0xF7) << i + 1;
        if (lead >= 0xD8) {
            ++rarer;
            EXPECT_GE(i + 1, 2223u) << utf8FromCp936(entries[i].name);
        }
    }
    EXPECT_EQ(rarer, 125);
}

TEST(LookupPlace, FindsThePlacesNamed) {
    struct Case {
        const char* utf8;
        unsigned longitude;  // hundredths of a degree
        unsigned latitude;
    };
    const Case cases[] = {
        {"北京", 11646, 3992},
        {"上海", 12148, 3122},
        {"南通", 12105, 3208},  // the first of two entries
        {"衡阳", 11261, 2689},  // the first of two entries
        {"达尔罕茂明安联合旗", 11042, 4172},
        {"东乡(甘肃)", 10339, 3568},
        {"阿巴嘎", 11497, 4403},
        {"阿巴嘎旗", 11497, 4403},
        {"黟县", 11792, 2993},
    };
    for (const Case& c : cases) {
        const std::string name = cp936FromUtf8(c.utf8);
        long double longitude = -1, latitude = -1;
        ASSERT_EQ(lookupPlace(name.c_str(), &longitude, &latitude), 1) << c.utf8;
        // The extended value nearest to the decimal: exact value divided by 100.
        EXPECT_EQ(longitude, static_cast<long double>(c.longitude) / 100) << c.utf8;
        EXPECT_EQ(latitude, static_cast<long double>(c.latitude) / 100) << c.utf8;
    }
}

TEST(LookupPlace, GivesTheNearestExtendedValues) {
    const std::string beijing = cp936FromUtf8("北京");
    long double longitude = 0, latitude = 0;
    ASSERT_EQ(lookupPlace(beijing.c_str(), &longitude, &latitude), 1);
    EXPECT_EQ(longitude, 11646.0L / 100);
    EXPECT_EQ(latitude, 3992.0L / 100);
    EXPECT_EQ(longitude, 116.46L);
    EXPECT_EQ(latitude, 39.92L);
}

TEST(LookupPlace, FindsEveryNameAtItsFirstEntry) {
    std::map<std::string, const StoredEntry*> first;
    for (const StoredEntry& entry : table()) first.emplace(entry.name, &entry);
    ASSERT_EQ(first.size(), 2342u);
    for (const auto& [name, entry] : first) {
        long double longitude = 0, latitude = 0;
        ASSERT_EQ(lookupPlace(name.c_str(), &longitude, &latitude), 1) << utf8FromCp936(name);
        EXPECT_EQ(longitude, static_cast<long double>(entry->longitude) / 100)
            << utf8FromCp936(name);
        EXPECT_EQ(latitude, static_cast<long double>(entry->latitude) / 100) << utf8FromCp936(name);
    }
}

TEST(LookupPlace, RefusesAnyOtherForm) {
    const std::string refused[] = {
        cp936FromUtf8("东乡"),          // stands only with a province
        cp936FromUtf8("东乡（甘肃）"),  // full-width parentheses
        cp936FromUtf8("京"),            // 2 bytes
        cp936FromUtf8("北京市"),        // no such entry
        "",
        cp936FromUtf8("阿巴"),                      // the beginning of a name
        cp936FromUtf8("北京") + " ",                // trailing blank
        " " + cp936FromUtf8("北京"),                // leading blank
        cp936FromUtf8("达尔罕茂明安联合旗") + "x",  // 19 bytes
        cp936FromUtf8("达尔罕茂明安联合旗达尔罕茂明安联合旗"),
        "Beijing",
        "\xB1\xB1",  // half of 北京
    };
    for (const std::string& name : refused) {
        long double longitude = 7, latitude = 8;
        EXPECT_EQ(lookupPlace(name.c_str(), &longitude, &latitude), 0) << utf8FromCp936(name);
        // Nothing is written when the name is not found.
        EXPECT_EQ(longitude, 7);
        EXPECT_EQ(latitude, 8);
    }
    long double longitude = 7, latitude = 8;
    EXPECT_EQ(lookupPlace(nullptr, &longitude, &latitude), 0);
    EXPECT_EQ(longitude, 7);
}

TEST(NextPlaceName, WalksTheNamesInTableOrder) {
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    std::vector<std::string> names;
    while (nextPlaceName(cursor, name)) names.push_back(name);

    ASSERT_EQ(names.size(), 2347u);
    EXPECT_EQ(names.front(), cp936FromUtf8("阿巴嘎"));
    EXPECT_EQ(names[100], cp936FromUtf8("北京"));
    EXPECT_EQ(names.back(), cp936FromUtf8("黟县"));
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], table()[i].name) << i + 1;

    // The end stays the end, and leaves the buffer alone.
    std::strcpy(name, "unchanged");
    EXPECT_FALSE(nextPlaceName(cursor, name));
    EXPECT_FALSE(nextPlaceName(cursor, name));
    EXPECT_STREQ(name, "unchanged");
}

TEST(NextPlaceName, FillsTheBufferWithTheLongestName) {
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    std::memset(name, '#', sizeof name);
    for (int i = 0; i < 238; ++i) ASSERT_TRUE(nextPlaceName(cursor, name));
    // 18 bytes and the NUL fill all 19 bytes.
    EXPECT_EQ(std::string(name), cp936FromUtf8("达尔罕茂明安联合旗"));
    EXPECT_EQ(name[PlaceNameCapacity - 1], '\0');
}

}  // namespace
