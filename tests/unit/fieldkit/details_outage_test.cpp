#include "fieldkit/details_outage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "data/settings_store.h"
#include "encoding/text_encoding.h"
#include "tests/support/memory_settings_backend.h"

namespace {

struct StoredBand {
    std::string stored;  // bytes of the value; "absent" for none
    const char* read;
};

std::string utf8(const char* text) { return utf8FromCp936(text); }

ReceivingSite beijing() {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    return site;
}

// The picture's frame for a northern site: east on the left.
SkyFrame northernFrame() {
    SkyFrame frame;
    frame.sky = {56, 70, 976, 484};
    frame.leftAzimuth = 90;
    return frame;
}

DetailsOutage prepared(long double satelliteLongitude, const CalendarDate& today, const char* dish,
                       Band band) {
    DetailsOutage outage;
    prepareDetailsOutage(beijing(), satelliteLongitude, today, dish, band, northernFrame(), outage);
    return outage;
}

SunOutageSeason seasonOf(CalendarDate first, CalendarDate last, CalendarDate longest,
                         int startSecond, int endSecond) {
    SunOutageSeason season;
    season.firstDay = first;
    season.lastDay = last;
    season.longest.date = longest;
    season.longest.startSecond = startSecond;
    season.longest.endSecond = endSecond;
    season.longest.durationSeconds = endSecond - startSecond;
    return season;
}

int at(int hour, int minute, int second) { return hour * 3600 + minute * 60 + second; }

TEST(DetailsOutage, OneSeasonsText) {
    struct Case {
        SunOutageSeason season;
        const char* text;
    };
    const Case cases[] = {
        // Times to the nearest minute, the length in whole minutes (809 s).
        {seasonOf({2027, 3, 1}, {2027, 3, 9}, {2027, 3, 5}, at(13, 8, 33), at(13, 22, 2)),
         "日凌：2027-03-01 至 2027-03-09，最长 2027-03-05 13:09–13:22（13分钟）"},
        // 89 s is one minute, 90 s two.
        {seasonOf({2027, 9, 30}, {2027, 10, 2}, {2027, 10, 1}, at(9, 0, 0), at(9, 1, 29)),
         "日凌：2027-09-30 至 2027-10-02，最长 2027-10-01 09:00–09:01（1分钟）"},
        {seasonOf({2027, 9, 30}, {2027, 10, 2}, {2027, 10, 1}, at(9, 0, 0), at(9, 1, 30)),
         "日凌：2027-09-30 至 2027-10-02，最长 2027-10-01 09:00–09:02（2分钟）"},
        // Over midnight: the clock times, either side of it, with the day
        // of the one that is not on the longest day.
        {seasonOf({2028, 2, 28}, {2028, 3, 1}, {2028, 2, 29}, -150, 400),
         "日凌：2028-02-28 至 2028-03-01，最长 2028-02-29 23:58-1–00:07（9分钟）"},
        {seasonOf({2026, 2, 17}, {2026, 2, 25}, {2026, 2, 20}, at(23, 44, 18), at(24, 1, 36)),
         "日凌：2026-02-17 至 2026-02-25，最长 2026-02-20 23:44–00:02+1（17分钟）"},
        // The minute shown decides the day: 23:59:30 shows as 00:00 of the next.
        {seasonOf({2026, 2, 17}, {2026, 2, 25}, {2026, 2, 20}, at(23, 50, 0), at(23, 59, 30)),
         "日凌：2026-02-17 至 2026-02-25，最长 2026-02-20 23:50–00:00+1（10分钟）"},
    };
    for (const Case& c : cases) {
        char text[OutageTextCapacity];
        formatOutageSeason(c.season, text);
        EXPECT_EQ(utf8(text), c.text);
    }
}

TEST(DetailsOutage, ReadsADishFromATenthToThirtyMetres) {
    struct Case {
        const char* text;
        bool accepted;
        long double metres;
    };
    const Case cases[] = {
        {"0.6", true, 0.6L}, {"0.1", true, 0.1L},  {"30", true, 30},   {" 1.2", true, 1.2L},
        {"1.", true, 1},     {".45", true, 0.45L}, {"0.09", false, 0}, {"30.01", false, 0},
        {"", false, 0},      {".", false, 0},      {"-", false, 0},    {"-1", false, 0},
        {"abc", false, 0},   {"1m", false, 0},     {"1,2", false, 0},  {"1.2.3", false, 0},
        {"1e1", true, 10},   {"1e2", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        long double metres = -1;
        EXPECT_EQ(readDishDiameter(c.text, &metres), c.accepted);
        EXPECT_EQ(metres, c.metres);
    }
}

TEST(DetailsOutage, TheBandChoices) {
    const char* const texts[] = {"C波段 4GHz", "Ku波段 12.25GHz", "Ka波段 20.2GHz"};
    const Band bands[] = {Band::C, Band::Ku, Band::Ka};
    for (int i = 0; i < BandChoiceCount; ++i) {
        EXPECT_EQ(utf8(BandChoices[i].text), texts[i]);
        EXPECT_EQ(BandChoices[i].band, bands[i]);
        // The settings keep the same words.
        EXPECT_STREQ(BandChoices[i].word, BandWords[i].word);
        EXPECT_EQ(bandChoiceOfWord(BandWords[i].word), i);
    }
    EXPECT_STREQ(BandChoices[bandChoiceOfWord(DefaultBandWord)].word, "Ku");
    EXPECT_EQ(bandChoiceOfWord("X"), bandChoiceOfWord("Ku"));
    EXPECT_EQ(bandChoiceOfWord(""), bandChoiceOfWord("Ku"));
}

TEST(DetailsOutage, TheStoredBandIsOneOfTheWordsElseKu) {
    const StoredBand cases[] = {
        {"absent", "Ku"},
        {std::string("C", 2), "C"},
        {std::string("Ka", 3), "Ka"},
        {std::string("Ku", 3), "Ku"},
        {std::string("ka", 3), "Ku"},  // the words as written, nothing else
        {std::string("X", 2), "Ku"},
        {std::string("", 1), "Ku"},
        {std::string("Ka ", 4), "Ku"},  // longer than the field
        {std::string("Ka", 2), "Ka"},   // a value without its NUL still ends in the field
    };
    for (const StoredBand& c : cases) {
        SCOPED_TRACE(c.stored);
        MemorySettingsBackend store = storeWithText("Band", c.stored);
        BandSetting band;
        loadBandSetting(store, band);
        EXPECT_STREQ(band.text, c.read);
        EXPECT_STREQ(band.stored, c.read);
    }
}

TEST(DetailsOutage, TheNextTwoSeasonsFromToday) {
    // 亚洲3号 at 105.5 E from 北京 with 0.6 m at Ku band: the spring season of
    // 2027, then the autumn's.
    const DetailsOutage outage = prepared(105.5L, {2027, 1, 1}, "0.6", Band::Ku);
    EXPECT_EQ(utf8(outage.next),
              "日凌：2027-03-01 至 2027-03-09，最长 2027-03-05 13:09–13:22（13分钟）");
    EXPECT_EQ(utf8(outage.later).find("日凌：2027-10-05 至 2027-10-13，最长 2027-10-"), 0u);

    // Each text is the season the prediction gives, for the band's frequency.
    struct Case {
        CalendarDate today;
        const char* dish;
        Band band;
        long double frequencyHz;
    };
    const Case cases[] = {
        {{2027, 3, 10}, "0.6", Band::Ku, KuBandHz},
        {{2027, 1, 1}, "0.45", Band::C, CBandHz},
        {{2027, 1, 1}, "9", Band::Ku, KuBandHz},
        {{2027, 6, 1}, "1.2", Band::Ka, KaBandHz},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dish);
        SunOutageRequest request;
        request.satelliteLongitude = 105.5L;
        long double dish = 0;
        ASSERT_TRUE(readDishDiameter(c.dish, &dish));
        request.dishDiameterM = dish;
        request.frequencyHz = c.frequencyHz;
        const NextSunOutageSeasons seasons = nextSunOutageSeasons(beijing(), c.today, request);
        ASSERT_EQ(seasons.seasons.size(), 2u);
        char next[OutageTextCapacity];
        char later[OutageTextCapacity];
        formatOutageSeason(seasons.seasons[0], next);
        formatOutageSeason(seasons.seasons[1], later);
        const DetailsOutage shown = prepared(105.5L, c.today, c.dish, c.band);
        EXPECT_STREQ(shown.next, next);
        EXPECT_STREQ(shown.later, later);
    }
    // A wider beam, a longer outage: the texts follow the band.
    EXPECT_STRNE(prepared(105.5L, {2027, 1, 1}, "0.6", Band::C).next, outage.next);
    EXPECT_STRNE(prepared(105.5L, {2027, 1, 1}, "0.6", Band::Ka).next, outage.next);
}

TEST(DetailsOutage, TextsWithoutASeason) {
    struct Case {
        long double satelliteLongitude;
        CalendarDate today;
        const char* dish;
        Band band;
        const char* next;
    };
    const Case cases[] = {
        {-60, {2027, 1, 1}, "0.6", Band::Ku, "日凌：无（卫星在地平线以下）"},
        {105.5L, {2027, 1, 1}, "", Band::Ku, "日凌：-（天线口径应为0.1至30米）"},
        {105.5L, {2027, 1, 1}, "0.09", Band::Ku, "日凌：-（天线口径应为0.1至30米）"},
        {105.5L, {2027, 1, 1}, "abc", Band::Ku, "日凌：-（天线口径应为0.1至30米）"},
        {-60, {2027, 1, 1}, "31", Band::Ku, "日凌：-（天线口径应为0.1至30米）"},
        // 70 x 0.075 m / 0.2 m: a beam of 26 degrees, beyond the rule.
        {105.5L, {2027, 1, 1}, "0.2", Band::C, "日凌：-（天线口径对此波段过小）"},
        {105.5L, {2101, 1, 1}, "0.6", Band::Ku, "日凌：-"},
        {105.5L, {2100, 12, 1}, "0.6", Band::Ku, "日凌：-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.next);
        const DetailsOutage outage = prepared(c.satelliteLongitude, c.today, c.dish, c.band);
        EXPECT_EQ(utf8(outage.next), c.next);
        EXPECT_STREQ(outage.later, "");
        EXPECT_TRUE(outage.sunTrack.empty());
        EXPECT_EQ(outage.sunTrackLabel, "");
    }
}

TEST(DetailsOutage, TheSunsTrackOnTheLongestDay) {
    const SkyFrame frame = northernFrame();
    const DetailsOutage outage = prepared(105.5L, {2027, 1, 1}, "0.6", Band::Ku);
    // Near the equinox the sun rises about due east and sets about due
    // west: one piece across the panorama, east (left) to west.
    ASSERT_EQ(outage.sunTrack.size(), 1u);
    EXPECT_EQ(utf8(outage.sunTrackLabel.c_str()), "太阳轨迹（2027-03-05）");
    const std::vector<SkyPoint>& track = outage.sunTrack[0];
    ASSERT_GT(track.size(), 60u);  // eleven hours and more, every ten minutes
    for (std::size_t i = 1; i < track.size(); ++i) {
        EXPECT_GT(track[i].x, track[i - 1].x);
        EXPECT_LE(track[i].y, frame.sky.bottom);
        EXPECT_GE(track[i].x, frame.sky.left);
        EXPECT_LE(track[i].x, frame.sky.right);
    }
    // It passes through the satellite's place at the outage: 105.5 E stands
    // 42.45 degrees up, 196.79 degrees from north.
    const SkyPoint satellite = skyPosition(frame, 196.79, 42.45);
    // The least distance from it to the dotted line's segments: the sun's
    // centre passes 0.08 degree from the satellite, a fraction of a pixel.
    double nearest = 1e9;
    for (std::size_t i = 1; i < track.size(); ++i) {
        const SkyPoint a = track[i - 1];
        const double dx = track[i].x - a.x;
        const double dy = track[i].y - a.y;
        const double along = std::clamp(
            ((satellite.x - a.x) * dx + (satellite.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        nearest = std::min(
            nearest, std::hypot(a.x + along * dx - satellite.x, a.y + along * dy - satellite.y));
    }
    EXPECT_LT(nearest, 1.5);
}

TEST(DetailsOutage, TrackPiecesStayInsideThePanorama) {
    const SkyFrame frame = northernFrame();
    auto point = [](int minute, double azimuth) { return SunTrackPoint{minute * 60, azimuth, 20}; };
    struct Case {
        const char* what;
        std::vector<SunTrackPoint> track;
        std::vector<std::size_t> pieceSizes;
    };
    const std::vector<Case> cases = {
        {"none", {}, {}},
        {"one point", {point(600, 180)}, {1}},
        {"all inside", {point(600, 100), point(610, 150), point(620, 200)}, {3}},
        // North-east in the morning of a summer day: behind the viewer.
        {"from behind", {point(300, 60), point(310, 80), point(320, 95), point(330, 110)}, {2}},
        {"out and in again",
         {point(300, 100), point(310, 30), point(320, 120), point(330, 130)},
         {1, 2}},
        // A gap in time is a night: two pieces.
        {"a night between",
         {point(0, 170), point(10, 175), point(1000, 185), point(1010, 190)},
         {2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::vector<SkyPoint>> pieces = sunTrackPieces(frame, c.track);
        ASSERT_EQ(pieces.size(), c.pieceSizes.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].size(), c.pieceSizes[i]);
            for (const SkyPoint& p : pieces[i]) {
                EXPECT_GE(p.x, frame.sky.left);
                EXPECT_LE(p.x, frame.sky.right);
            }
        }
    }
}

}  // namespace
