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
        {{"--lat", "1", "--lon"}, "--lon: no value given"},
        {{"--help=yes"}, "--help takes no value"},
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

// --- Sun outages --------------------------------------------------------------

SunOutageOptions sunOutageOptionsOf(const Arguments& arguments, bool& accepted,
                                    std::string& error) {
    CliOptions options;
    SunOutageOptions sun;
    accepted = parseCliOptions(arguments, options, error) &&
               sunOutageOptionsFromOptions(options, sun, error);
    return sun;
}

TEST(SunOutageOptions, DefaultsBandsAndFrequencies) {
    struct Case {
        Arguments arguments;
        int year;
        long double dish;
        long double frequencyHz;
        bool utc;
    };
    const Case cases[] = {
        {{"--sun-outage", "2027"}, 2027, 0.6L, KuBandHz, false},
        {{"--sun-outage=2000", "--band", "c", "--dish", "0.45"}, 2000, 0.45L, CBandHz, false},
        {{"--sun-outage", "2100", "--band=ka", "--utc"}, 2100, 0.6L, KaBandHz, true},
        {{"--sun-outage", "2027", "--band", "ku", "--dish", "30"}, 2027, 30, KuBandHz, false},
        {{"--sun-outage", "2027", "--frequency", "11.7", "--dish", "0.1"},
         2027,
         0.1L,
         11.7e9L,
         false},
        {{"--sun-outage", "2027", "--frequency", "50"}, 2027, 0.6L, 50e9L, false},
        // The smallest dish the rule holds for at 4 GHz: a beam of 20 degrees.
        {{"--sun-outage", "2027", "--band", "c", "--dish", "0.2624"},
         2027,
         0.2624L,
         CBandHz,
         false},
    };
    for (const Case& c : cases) {
        bool accepted = false;
        std::string error;
        const SunOutageOptions sun = sunOutageOptionsOf(c.arguments, accepted, error);
        ASSERT_TRUE(accepted) << c.arguments[1] << ": " << error;
        EXPECT_TRUE(sun.wanted);
        EXPECT_EQ(sun.year, c.year);
        EXPECT_NEAR(static_cast<double>(sun.dishMetres), static_cast<double>(c.dish), 1e-15);
        EXPECT_NEAR(static_cast<double>(sun.frequencyHz), static_cast<double>(c.frequencyHz), 1);
        EXPECT_EQ(sun.utc, c.utc);
    }
    bool accepted = false;
    std::string error;
    EXPECT_FALSE(sunOutageOptionsOf({"--lon", "1", "--lat", "2"}, accepted, error).wanted);
    EXPECT_TRUE(accepted) << error;
}

TEST(SunOutageOptions, RefusesNamingTheOption) {
    struct Case {
        Arguments arguments;
        const char* error;
    };
    const Case cases[] = {
        {{"--sun-outage", "1999"}, "--sun-outage \"1999\": out of range (2000 to 2100)"},
        {{"--sun-outage", "2101"}, "--sun-outage \"2101\": out of range (2000 to 2100)"},
        {{"--sun-outage", "2027.5"}, "--sun-outage \"2027.5\": not a whole year"},
        {{"--sun-outage", "next"}, "--sun-outage \"next\": not a number"},
        {{"--sun-outage", ""}, "--sun-outage \"\": not a number"},
        {{"--sun-outage"}, "--sun-outage: no value given"},
        {{"--sun-outage", "2027", "--dish", "0.09"}, "--dish \"0.09\": out of range (0.1 to 30)"},
        {{"--sun-outage", "2027", "--dish", "30.01"}, "--dish \"30.01\": out of range (0.1 to 30)"},
        {{"--sun-outage", "2027", "--dish", "-"}, "--dish \"-\": not a number"},
        {{"--sun-outage", "2027", "--dish", "1e0x"}, "--dish \"1e0x\": not a number"},
        {{"--sun-outage", "2027", "--dish", "big"}, "--dish \"big\": not a number"},
        {{"--sun-outage", "2027", "--frequency", "0.99"},
         "--frequency \"0.99\": out of range (1 to 50)"},
        {{"--sun-outage", "2027", "--frequency", "50.5"},
         "--frequency \"50.5\": out of range (1 to 50)"},
        {{"--sun-outage", "2027", "--band", "x"}, "--band \"x\": use c, ku or ka"},
        {{"--sun-outage", "2027", "--band", "Ku"}, "--band \"Ku\": use c, ku or ka"},
        {{"--sun-outage", "2027", "--band", "c", "--frequency", "4"},
         "give either --band or --frequency, not both"},
        {{"--sun-outage", "2027", "--band", "c", "--dish", "0.26"},
         "--dish \"0.26\": too small for the frequency: its beam (20.2 degrees) is wider than "
         "the 20 degrees the outage rule holds for"},
        {{"--sun-outage", "2027", "--frequency", "1"},
         "--dish \"0.6\": too small for the frequency: its beam (35.0 degrees) is wider than "
         "the 20 degrees the outage rule holds for"},
        {{"--dish", "0.6"}, "--dish needs --sun-outage YEAR"},
        {{"--band", "ka"}, "--band needs --sun-outage YEAR"},
        {{"--frequency", "12"}, "--frequency needs --sun-outage YEAR"},
        {{"--utc"}, "--utc needs --sun-outage YEAR"},
        {{"--utc=1", "--sun-outage", "2027"}, "--utc takes no value"},
    };
    for (const Case& c : cases) {
        bool accepted = true;
        std::string error;
        sunOutageOptionsOf(c.arguments, accepted, error);
        EXPECT_FALSE(accepted) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

// --- Aiming by the sun ---------------------------------------------------------

TEST(SunAimOptions, DateDefaultsToTodayAndUtc) {
    const struct {
        Arguments arguments;
        bool wanted;
        CalendarDate date;
        bool utc;
    } cases[] = {
        {{"--sun-aim"}, true, {2026, 12, 8}, false},
        {{"--sun-aim", "--date", "2000-01-01", "--utc"}, true, {2000, 1, 1}, true},
        {{"--sun-aim", "--date=2100-12-31"}, true, {2100, 12, 31}, false},
        {{"--date", "2027.5"}, false, {}, false},
    };
    for (const auto& c : cases) {
        CliOptions options;
        SunAimOptions aim;
        std::string error;
        ASSERT_TRUE(parseCliOptions(c.arguments, options, error) &&
                    sunAimOptionsFromOptions(options, "2026-12-08", aim, error))
            << error;
        EXPECT_EQ(aim.wanted, c.wanted);
        EXPECT_EQ(dateText(aim.date), dateText(c.date));
        EXPECT_EQ(aim.utc, c.utc);
    }
}

}  // namespace
