#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "numtext/numtext.h"

namespace {

using Arguments = std::vector<std::string>;

TEST(ParseCliOptions, ReadsEveryOptionWithItsValue) {
    CliOptions options;
    std::string error;
    ASSERT_TRUE(parseCliOptions({"--lon", "-70.5", "--lat=-33.45", "--list", "sats.txt",
                                 "--encoding", "gbk", "--city", u8"上海", "--cities"},
                                options, error))
        << error;
    EXPECT_EQ(options.city, u8"上海");
    EXPECT_TRUE(options.cities);
    EXPECT_EQ(options.longitude, "-70.5");  // a value may begin with '-'
    EXPECT_EQ(options.latitude, "-33.45");
    EXPECT_EQ(options.listFile, "sats.txt");
    EXPECT_EQ(options.encoding, OutputEncoding::Gbk);
    EXPECT_FALSE(options.help);
}

TEST(ParseCliOptions, DefaultsAndRepeatedOptions) {
    CliOptions options;
    std::string error;
    ASSERT_TRUE(parseCliOptions({}, options, error));
    EXPECT_FALSE(options.longitude);
    EXPECT_FALSE(options.listFile);
    EXPECT_EQ(options.encoding, OutputEncoding::Utf8);

    ASSERT_TRUE(parseCliOptions(
        {"--lon", "1", "--lon", "2", "--encoding", "gbk", "--encoding=utf-8", "--lat=", "--help"},
        options, error));
    EXPECT_EQ(options.longitude, "2");
    EXPECT_EQ(options.latitude, "");
    EXPECT_EQ(options.encoding, OutputEncoding::Utf8);
    EXPECT_TRUE(options.help);
}

TEST(ParseCliOptions, RefusesWhatItDoesNotKnow) {
    struct Case {
        Arguments arguments;
        const char* error;
    };
    const Case cases[] = {
        {{"--longitude", "1"}, "unknown option \"--longitude\""},
        {{"--foo=bar"}, "unknown option \"--foo\""},
        {{"-h"}, "unknown option \"-h\""},
        {{"116.46"}, "unexpected argument \"116.46\""},
        {{"--lat", "1", "--lon"}, "--lon: 1 required TEXT missing"},
        {{"--help=yes"}, "help was given a disallowed flag override"},
        {{"--encoding", "utf8"}, "--encoding \"utf8\": use utf-8 or gbk"},
        {{"--encoding=GBK"}, "--encoding \"GBK\": use utf-8 or gbk"},
    };
    for (const Case& c : cases) {
        CliOptions options;
        std::string error;
        EXPECT_FALSE(parseCliOptions(c.arguments, options, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

// --- Coordinates, accepted as the coordinate boxes accept them --------------

TEST(SiteFromOptions, AcceptsWhatTheCoordinateBoxesAccept) {
    struct Case {
        const char* longitude;
        const char* latitude;
        long double expectedLongitude;
        long double expectedLatitude;
    };
    const Case cases[] = {
        {"116.5", "39.25", 116.5L, 39.25L},
        {"180.5", "90.5", 180.5L, 90.5L},  // ties to even: 180 and 90
        {"-180.5", "-90.5", -180.5L, -90.5L},
        {"0", "90.25", 0, 90.25L},  // used unchanged
        {"1 16", "1e1", 116, 10},   // blanks removed; exponent
        {"-0", "-0", -0.0L, -0.0L},
        {" ", "5", 0, 5},  // blanks only: not empty, reads as 0
    };
    for (const Case& c : cases) {
        CliOptions options;
        options.longitude = c.longitude;
        options.latitude = c.latitude;
        ReceivingSite site;
        std::string error;
        EXPECT_TRUE(siteFromOptions(options, site, error)) << error;
        EXPECT_EQ(site.longitude, c.expectedLongitude) << c.longitude;
        EXPECT_EQ(site.latitude, c.expectedLatitude) << c.latitude;
    }
}

TEST(SiteFromOptions, RefusesNamingTheOptionAndItsText) {
    struct Case {
        const char* longitude;
        const char* latitude;
        const char* error;
    };
    const Case cases[] = {
        {"", "39.92", "--lon \"\": no value given"},
        {"116.46", "", "--lat \"\": no value given"},
        {"abc", "39.92", "--lon \"abc\": not a number"},
        {"116,46", "39.92", "--lon \"116,46\": not a number"},
        {"116.46", "1E1", "--lat \"1E1\": not a number"},
        {"180.51", "0", "--lon \"180.51\": out of range (-180.5 to 180.5)"},
        {"-181", "0", "--lon \"-181\": out of range (-180.5 to 180.5)"},
        {"0", "90.51", "--lat \"90.51\": out of range (-90.5 to 90.5)"},
        {"0", "91", "--lat \"91\": out of range (-90.5 to 90.5)"},
        {"0", "1e2", "--lat \"1e2\": out of range (-90.5 to 90.5)"},
        {"1e10", "0", "--lon \"1e10\": out of range (-180.5 to 180.5)"},
        // The longitude is judged first, as the boxes do.
        {"abc", "abc", "--lon \"abc\": not a number"},
    };
    for (const Case& c : cases) {
        CliOptions options;
        options.longitude = c.longitude;
        options.latitude = c.latitude;
        ReceivingSite site;
        std::string error;
        EXPECT_FALSE(siteFromOptions(options, site, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

TEST(SiteFromOptions, ReadsAtMost254BytesLikeTheBoxes) {
    CliOptions options;
    options.longitude = std::string(253, ' ') + "5" + "0";
    options.latitude = "0";
    ReceivingSite site;
    std::string error;
    ASSERT_TRUE(siteFromOptions(options, site, error)) << error;
    EXPECT_EQ(site.longitude, 5);
}

TEST(SiteFromOptions, BothCoordinatesAreNeeded) {
    for (int given = 1; given < 3; ++given) {
        CliOptions options;
        if (given == 1) options.longitude = "116.46";
        if (given == 2) options.latitude = "39.92";
        ReceivingSite site;
        std::string error;
        EXPECT_FALSE(siteFromOptions(options, site, error));
        EXPECT_EQ(error, "give the site with --lon DEG and --lat DEG");
    }
}

// --- Places, resolved as the city box resolves them ------------------------

TEST(SiteFromOptions, APlaceGivesItsNameAndTheCoordinatesOfItsBoxTexts) {
    struct Case {
        const char* city;  // nullptr: no site option at all
        const char* name;
        const char* longitude;
        const char* latitude;
    };
    const Case cases[] = {
        {u8"上海", u8"上海", "121.48", "31.22"},
        {u8"南通", u8"南通", "121.05", "32.08"},  // the first of its two entries
        {u8"达尔罕茂明安联合旗", u8"达尔罕茂明安联合旗", "110.42", "41.72"},
        {nullptr, u8"北京", "116.46", "39.92"},
    };
    for (const Case& c : cases) {
        CliOptions options;
        if (c.city) options.city = c.city;
        ReceivingSite site;
        std::string error;
        ASSERT_TRUE(siteFromOptions(options, site, error)) << error;
        EXPECT_EQ(utf8FromCp936(site.name), c.name);
        // The coordinates are what the boxes' two-decimal texts read back as.
        std::string longitude = c.longitude;
        std::string latitude = c.latitude;
        long double expectedLongitude = 0;
        long double expectedLatitude = 0;
        ASSERT_EQ(TextToNumber(longitude.data(), &expectedLongitude), 1);
        ASSERT_EQ(TextToNumber(latitude.data(), &expectedLatitude), 1);
        EXPECT_EQ(site.longitude, expectedLongitude) << c.name;
        EXPECT_EQ(site.latitude, expectedLatitude) << c.name;
    }
}

TEST(SiteFromOptions, RefusesUnknownPlacesAndMixedSiteOptions) {
    struct Case {
        const char* city;
        const char* longitude;
        const char* error;
    };
    const Case cases[] = {
        {u8"东乡", nullptr, u8"--city \"东乡\": no such place in the gazetteer (see --cities)"},
        {u8"北京市", nullptr, u8"--city \"北京市\": no such place in the gazetteer (see --cities)"},
        {"", nullptr, "--city \"\": no such place in the gazetteer (see --cities)"},
        {u8"\U0001F600", nullptr, u8"--city \"\U0001F600\": not a name the gazetteer can hold"},
        {u8"上海", "121.48", "give the site either with --city or with --lon and --lat"},
    };
    for (const Case& c : cases) {
        CliOptions options;
        options.city = c.city;
        if (c.longitude) options.longitude = c.longitude;
        ReceivingSite site;
        std::string error;
        EXPECT_FALSE(siteFromOptions(options, site, error)) << c.city;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
