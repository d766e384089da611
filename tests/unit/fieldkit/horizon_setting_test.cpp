#include "fieldkit/horizon_setting.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/repeated_text.h"

namespace {

TEST(HorizonSetting, WritesAndReadsBack) {
    struct Case {
        HorizonSetting setting;
        const char* text;
    };
    const Case cases[] = {
        {{false, {}}, "T"},
        {{true, {{120, 150, 12.5L}, {350, 10, 0}}}, "M;120.00,150.00,12.50;350.00,10.00,0"},
        // Two decimals: the nearest hundredth.
        {{false, {{0.004L, 359.996L, 45.125L}}}, "T;0,360.00,45.13"},
        {{false, {{0, 360, 90}, {0.01L, 0.05L, 0.09L}}}, "T;0,360.00,90.00;0.01,0.05,0.09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char text[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(c.setting, text));
        EXPECT_STREQ(text, c.text);
        HorizonSetting read;
        ASSERT_TRUE(parseHorizonSetting(text, read));
        EXPECT_EQ(read.compassBearings, c.setting.compassBearings);
        ASSERT_EQ(read.sectors.size(), c.setting.sectors.size());
        for (std::size_t k = 0; k < read.sectors.size(); ++k) {
            const HorizonSector& a = read.sectors[k];
            const HorizonSector& b = c.setting.sectors[k];
            EXPECT_NEAR(static_cast<double>(a.from), static_cast<double>(b.from), 0.00501);
            EXPECT_NEAR(static_cast<double>(a.to), static_cast<double>(b.to), 0.00501);
            EXPECT_NEAR(static_cast<double>(a.elevation), static_cast<double>(b.elevation),
                        0.00501);
        }
        char again[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(read, again));
        EXPECT_STREQ(again, text);
    }
}

// Every hundredth from 0 to 360 takes at most six bytes and reads back to
// itself, so the capacity below holds the longest setting.
TEST(HorizonSetting, EveryHundredthReadsBack) {
    HorizonSetting setting;
    for (int k = 0; k <= 36000; ++k) {
        setting.sectors = {{k / 100.0L, 0, 0}};
        char text[HorizonSettingCapacity];
        ASSERT_TRUE(formatHorizonSetting(setting, text));
        ASSERT_LE(std::strlen(text), std::strlen("T;360.00,0,0")) << text;
        HorizonSetting read;
        ASSERT_TRUE(parseHorizonSetting(text, read)) << text;
        ASSERT_EQ(read.sectors[0].from, k / 100.0L) << text;
    }
}

TEST(HorizonSetting, Capacity) {
    HorizonSetting setting{true, std::vector<HorizonSector>(64, {360, 360, 90})};
    char text[HorizonSettingCapacity];
    ASSERT_TRUE(formatHorizonSetting(setting, text));
    EXPECT_EQ(std::strlen(text), HorizonSettingCapacity - 1);
    HorizonSetting read;
    EXPECT_TRUE(parseHorizonSetting(text, read));
    EXPECT_EQ(read.sectors.size(), 64u);

    setting.sectors.push_back({1, 2, 3});
    EXPECT_FALSE(formatHorizonSetting(setting, text));
    EXPECT_STREQ(text, "");
    setting.sectors = {{1, 2, 91}};
    EXPECT_FALSE(formatHorizonSetting(setting, text));
    // 65 short sectors fit in the bytes but not in the count.
    EXPECT_FALSE(parseHorizonSetting(("T" + repeated(";1,2,3", 65)).c_str(), read));
    EXPECT_TRUE(parseHorizonSetting(("T" + repeated(";1,2,3", 64)).c_str(), read));
    // A text of capacity bytes without its NUL within them.
    const std::string full(HorizonSettingCapacity, 'T');
    EXPECT_FALSE(parseHorizonSetting(full.c_str(), read));
}

TEST(HorizonSetting, RefusesWhatItCannotRead) {
    const char* refused[] = {
        "",         "X",        "t",       "TM",       "T;",          "T;1,2",    "T;1,2,3,4",
        "T;1,2,3;", "T;;1,2,3", "T 1,2,3", "T;1, 2,3", "T;361,2,3",   "T;1,2,91", "T;a,2,3",
        "T;1,2,3x", "T;1,2,-1", "T;1,,3",  " T",       "M;1e1-3,2,3", "T;1,2,3 ",
    };
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        HorizonSetting setting{true, {{7, 8, 9}}};
        EXPECT_FALSE(parseHorizonSetting(text, setting));
        EXPECT_TRUE(setting.compassBearings);  // left as it was
        EXPECT_EQ(setting.sectors.size(), 1u);
    }
    HorizonSetting setting;
    ASSERT_TRUE(parseHorizonSetting("T;1.5,2e1,0.004", setting));
    EXPECT_EQ(setting.sectors[0].to, 20);
    EXPECT_EQ(setting.sectors[0].elevation, 0);
}

}  // namespace
