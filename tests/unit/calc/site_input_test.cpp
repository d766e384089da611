#include "calc/site_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "tests/support/recording_site_controls.h"

namespace {

TEST(RoundsWithin, RoundsHalvesToEvenBeforeTheRangeTest) {
    struct Case {
        long double value;
        int limit;
        bool within;
    };
    // clang-format off
    const Case cases[] = {
        {90.5L, 90, true},
        {-90.5L, 90, true},
        {90.4L, 90, true},
        {90.51L, 90, false},
        {-90.51L, 90, false},
        {91, 90, false},
        {180.5L, 180, true},
        {-180.5L, 180, true},
        {180.51L, 180, false},
        {181.5L, 180, false},
        {0, 0, true},
        {0.5L, 0, true},
        {1.5L, 1, false},
        {-0.0L, 90, true},
        // Beyond 32 bits nothing is in range, even where the value wraps to a small integer.
        {4294967296.0L + 90, 90, false},
        {2147483647.5L, std::numeric_limits<int>::max(), false},
        {2147483647.4L, std::numeric_limits<int>::max(), true},
        {std::numeric_limits<long double>::infinity(), 90, false},
        {-std::numeric_limits<long double>::infinity(), 90, false},
        {std::numeric_limits<long double>::quiet_NaN(), 90, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(roundsWithin(c.value, c.limit), c.within)
            << static_cast<double>(c.value) << " within " << c.limit;
    }
}

TEST(ReadSiteInput, AcceptsNumbersInRangeAndGreysEverythingElse) {
    struct Case {
        const char* longitude;
        const char* latitude;
        bool valid;
        long double expectedLongitude;
        long double expectedLatitude;
    };
    const Case cases[] = {
        {"116.46", "39.92", true, 116.46L, 39.92L},
        {"180.5", "90.5", true, 180.5L, 90.5L},
        {"-180.5", "-90.5", true, -180.5L, -90.5L},
        {"0", "90.4", true, 0, 90.4L},
        {"0", "1e1", true, 0, 10},
        {"1 1 6", "- 3 3.45", true, 116, -33.45L},
        {"180.51", "0", false, 180.51L, 0},
        {"0", "90.51", false, 0, 90.51L},
        {"0", "91", false, 0, 91},
        {"0", "1e2", false, 0, 100},
        {"-70.5", "1E1", false, -70.5L, 0},  // rejected latitude text reads as 0
    };
    for (const Case& c : cases) {
        ReceivingSite site;
        site.latitude = 7;
        RecordingSiteControls controls(site);
        controls.longitudeText = c.longitude;
        controls.latitudeText = c.latitude;
        readSiteInput(controls, site);
        EXPECT_EQ(controls.recalculateEnabled, c.valid) << c.longitude << " " << c.latitude;
        // Digit-by-digit reading may differ from the literal in the last bits.
        EXPECT_NEAR(static_cast<double>(site.longitude), static_cast<double>(c.expectedLongitude),
                    1e-12)
            << c.longitude;
        EXPECT_NEAR(static_cast<double>(site.latitude), static_cast<double>(c.expectedLatitude),
                    1e-12)
            << c.latitude;
    }
}

TEST(ReadSiteInput, StopsAtTheFirstEmptyOrRejectedText) {
    ReceivingSite site;
    site.longitude = 5;
    site.latitude = 7;
    RecordingSiteControls controls(site);

    controls.longitudeText = "";
    controls.latitudeText = "39.92";
    readSiteInput(controls, site);
    EXPECT_FALSE(controls.recalculateEnabled);
    EXPECT_EQ(site.longitude, 5);  // an empty box is not converted
    EXPECT_EQ(site.latitude, 7);

    controls.longitudeText = "abc";
    controls.events.clear();
    readSiteInput(controls, site);
    EXPECT_EQ(site.longitude, 0);  // a rejected text still writes its zero
    EXPECT_EQ(site.latitude, 7);
    EXPECT_EQ(controls.events, std::vector<std::string>{"read longitude"});

    controls.longitudeText = "116";
    controls.latitudeText = "";
    readSiteInput(controls, site);
    EXPECT_FALSE(controls.recalculateEnabled);
    EXPECT_EQ(site.longitude, 116);
    EXPECT_EQ(site.latitude, 7);
}

TEST(ReadSiteInput, NegativeZeroLatitudeIsAccepted) {
    ReceivingSite site;
    RecordingSiteControls controls(site);
    controls.longitudeText = "116.46";
    controls.latitudeText = "-0";
    readSiteInput(controls, site);
    EXPECT_TRUE(controls.recalculateEnabled);
    EXPECT_EQ(site.latitude, 0);
    EXPECT_TRUE(std::signbit(site.latitude));
}

TEST(ReadSiteInput, ReadsAtMostTheBoxCapacity) {
    ReceivingSite site;
    RecordingSiteControls controls(site);
    // The read keeps 254 bytes: the zeros, not the 5 after them.
    controls.longitudeText = std::string(254, '0') + "5";
    controls.latitudeText = "0";
    readSiteInput(controls, site);
    EXPECT_TRUE(controls.recalculateEnabled);
    EXPECT_EQ(site.longitude, 0);
}

TEST(ApplyPlaceName, AKnownPlaceLocksTheBoxesAndFillsThemFromTheGazetteer) {
    struct Case {
        const char* placeUtf8;
        const char* longitude;
        const char* latitude;
    };
    const Case cases[] = {
        {"北京", "116.46", "39.92"},
        {"上海", "121.48", "31.22"},
        {"南通", "121.05", "32.08"},
    };
    for (const Case& c : cases) {
        ReceivingSite site;
        RecordingSiteControls controls(site);
        applyPlaceName(cp936FromUtf8(c.placeUtf8).c_str(), controls, site);
        EXPECT_FALSE(controls.coordinateBoxesEnabled) << c.placeUtf8;
        EXPECT_EQ(controls.longitudeText, c.longitude) << c.placeUtf8;
        EXPECT_EQ(controls.latitudeText, c.latitude) << c.placeUtf8;
        EXPECT_TRUE(controls.recalculateEnabled) << c.placeUtf8;
        // The boxes are locked before the first text is shown.
        ASSERT_FALSE(controls.events.empty());
        EXPECT_EQ(controls.events.front(), "boxes disabled");
    }
}

TEST(ApplyPlaceName, AnUnknownPlaceShowsQuestionMarksAndGreysRecalculate) {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    RecordingSiteControls controls(site);
    controls.recalculateEnabled = true;
    applyPlaceName(cp936FromUtf8("北").c_str(), controls, site);
    EXPECT_FALSE(controls.coordinateBoxesEnabled);
    EXPECT_EQ(controls.longitudeText, "?");
    EXPECT_EQ(controls.latitudeText, "?");
    EXPECT_FALSE(controls.recalculateEnabled);
    EXPECT_EQ(site.longitude, 0);      // "?" is rejected and reads as 0
    EXPECT_EQ(site.latitude, 39.92L);  // the latitude box is never reached
}

TEST(ApplyPlaceName, AnEmptyNameUnlocksTheBoxesWithTheLastRecalculatedTexts) {
    ReceivingSite site;
    std::strcpy(site.longitudeText, "-70.50");
    std::strcpy(site.latitudeText, "-33.45");
    RecordingSiteControls controls(site);
    controls.coordinateBoxesEnabled = false;
    applyPlaceName("", controls, site);
    EXPECT_TRUE(controls.coordinateBoxesEnabled);
    EXPECT_EQ(controls.longitudeText, "-70.50");
    EXPECT_EQ(controls.latitudeText, "-33.45");
    EXPECT_TRUE(controls.recalculateEnabled);
    EXPECT_EQ(site.longitude, -70.5L);
    EXPECT_NEAR(static_cast<double>(site.latitude), -33.45, 1e-12);
    const std::vector<std::string> expected = {
        "boxes enabled",       "set longitude -70.50", "read longitude", "read latitude",
        "set latitude -33.45", "read longitude",       "read latitude"};
    EXPECT_EQ(controls.events, expected);
}

}  // namespace
