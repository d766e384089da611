#include "fieldkit/details_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "encoding/text_encoding.h"

namespace {

std::string cp936(const char* utf8) { return cp936FromUtf8(utf8); }

// 亚洲3号 at 105.5 E seen from 北京 (116.46 E, 39.92 N) with a 22.6 degree offset dish.
struct BeijingAsiaSat {
    std::string name = cp936("亚洲3号  (AsiaSat-3S)");
    std::string site = cp936("北京");
    std::string azimuth = cp936("南偏西16.79度");
    std::string offset = "22.6";
    DetailsInput input;

    BeijingAsiaSat() {
        input.satelliteName = name;
        input.longitudeText = "105.5";
        input.siteName = site;
        input.date = {2026, 12, 7};
        std::strcpy(input.pointing.elevationText, "42.45");
        std::strcpy(input.pointing.azimuthText, azimuth.c_str());
        std::strcpy(input.pointing.polarisationText, "-12.80");
        input.numbers.elevation = 42.4461L;
        input.numbers.azimuth = 196.7917L;
        input.magnetic.declination = -7.6012;
        input.numbers.magneticAzimuth = 204.3929L;
        input.magnetic.withinValidity = true;
        input.numbers.rangeKm = 37596.6L;
        input.numbers.delayMs = 125.41L;
        input.numbers.visible = true;
        input.modelName = "WMM2025";
        input.offsetText = offset;
    }

    DetailsTexts build() const {
        DetailsTexts texts;
        buildDetailsTexts(input, texts);
        return texts;
    }
};

std::string utf8(const char* text) { return utf8FromCp936(text); }

TEST(DetailsTexts, EveryTextForOneSatellite) {
    BeijingAsiaSat case_;
    DetailsTexts texts = case_.build();
    EXPECT_EQ(utf8(texts.satellite), "亚洲3号  (AsiaSat-3S)  105.5度");
    EXPECT_EQ(utf8(texts.site), "北京　2026-12-07");
    EXPECT_EQ(utf8(texts.elevation), "天线仰角：42.45度\r\n偏馈天线仰角：19.85度");
    EXPECT_EQ(utf8(texts.trueAzimuth), "真方位角：南偏西16.79度（196.79度）");
    EXPECT_EQ(utf8(texts.declination), "磁偏角：西7.60度（WMM2025）");
    EXPECT_EQ(utf8(texts.compass), "罗盘方位角：204.39度（南偏西24.39度）");
    EXPECT_EQ(utf8(texts.polarisation), "极化角：-12.80度");
    EXPECT_EQ(utf8(texts.range), "距离：37597公里　单程时延：125.4毫秒");
}

TEST(DetailsTexts, ASiteTypedAsCoordinatesNamesTheNearestPlace) {
    BeijingAsiaSat case_;
    case_.site = cp936("地名不详");
    case_.input.siteName = case_.site;
    NearestPlace nearest;
    std::strcpy(nearest.name, cp936("漠河").c_str());
    nearest.distanceKm = 11.1195L;
    case_.input.nearestPlace = nearest;
    EXPECT_EQ(utf8(case_.build().site), "地名不详　2026-12-07　最近的地名：漠河（11.1公里）");
}

TEST(DetailsTexts, WhatChangesWithTheOffsetTheModelYearsAndTheHorizon) {
    BeijingAsiaSat case_;
    case_.offset = "";
    case_.input.offsetText = case_.offset;
    case_.input.magnetic.withinValidity = false;
    case_.input.numbers.visible = false;
    DetailsTexts texts = case_.build();
    EXPECT_EQ(utf8(texts.elevation), "天线仰角：42.45度\r\n偏馈天线仰角：-");
    EXPECT_EQ(utf8(texts.declination), "磁偏角：-");
    EXPECT_EQ(utf8(texts.compass), "罗盘方位角：-");
    EXPECT_EQ(utf8(texts.range), "卫星在地平线以下");

    // East declination; an offset larger than the elevation.
    case_.input.numbers.visible = true;
    case_.input.magnetic.withinValidity = true;
    case_.input.magnetic.declination = 2.5;
    case_.input.numbers.magneticAzimuth = 194.2917L;
    case_.input.offsetText = "60";
    texts = case_.build();
    EXPECT_EQ(utf8(texts.declination), "磁偏角：东2.50度（WMM2025）");
    EXPECT_EQ(utf8(texts.compass), "罗盘方位角：194.29度（南偏西14.29度）");
    EXPECT_EQ(utf8(texts.elevation), "天线仰角：42.45度\r\n偏馈天线仰角：-17.55度");
}

// 国际703 (57 E) seen from New York, below the horizon: nothing to aim at,
// and the bearing's own words (the table's formula looks the other way).
TEST(DetailsTexts, BelowTheHorizonNothingToAimAt) {
    BeijingAsiaSat case_;
    case_.input.numbers.visible = false;
    case_.input.numbers.azimuth = 60.4512L;
    case_.input.numbers.magneticAzimuth = 73.2L;
    case_.input.magnetic.declination = -12.75;
    std::strcpy(case_.input.pointing.elevationText, "-27.13");
    DetailsTexts texts = case_.build();
    EXPECT_EQ(utf8(texts.elevation), "天线仰角：-27.13度\r\n偏馈天线仰角：-");
    EXPECT_EQ(utf8(texts.trueAzimuth), "真方位角：南偏东119.55度（60.45度）");
    EXPECT_EQ(utf8(texts.declination), "磁偏角：西12.75度（WMM2025）");
    EXPECT_EQ(utf8(texts.compass), "罗盘方位角：-");
    EXPECT_EQ(utf8(texts.range), "卫星在地平线以下");
}

TEST(DetailsTexts, SunAimLine) {
    const SunAimKind toward = SunAimKind::Toward;
    const SunAimKind away = SunAimKind::Away;
    const struct {
        SunAimStatus status;
        std::vector<std::pair<int, SunAimKind>> moments;  // second of the day, kind
        const char* text;
    } cases[] = {
        {SunAimStatus::Found,
         {{45790, toward}, {57900, away}},
         "对日寻星：今天 12:43 太阳在卫星方向（影子背向卫星），16:05 "
         "太阳在卫星反方向（影子指向卫星）"},
        // To the nearest minute.
        {SunAimStatus::Found,
         {{45810, away}},
         "对日寻星：今天 12:44 太阳在卫星反方向（影子指向卫星）"},
        {SunAimStatus::Found, {}, "对日寻星：今天无（太阳不经过此方向）"},
        {SunAimStatus::NotVisible, {}, "对日寻星：无（卫星在地平线以下）"},
        {SunAimStatus::InvalidInput, {}, "对日寻星：-"},
        // The most a day holds (a tropical sun turning back both ways) fits whole.
        {SunAimStatus::Found,
         {{25200, toward}, {27000, toward}, {61200, away}, {63000, away}},
         "对日寻星：今天 07:00 太阳在卫星方向（影子背向卫星），07:30 "
         "太阳在卫星方向（影子背向卫星），"
         "17:00 太阳在卫星反方向（影子指向卫星），17:30 太阳在卫星反方向（影子指向卫星）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BeijingAsiaSat case_;
        case_.input.sunAim.status = c.status;
        for (const auto& moment : c.moments) {
            SunAimMoment m;
            m.second = moment.first;
            m.kind = moment.second;
            case_.input.sunAim.moments.push_back(m);
        }
        EXPECT_EQ(utf8(case_.build().sunAim), c.text);
    }
}

TEST(DetailsTexts, MotorAngleEastOrWestAndThePolarMount) {
    const struct {
        std::optional<long double> angle;
        const char* text;
    } cases[] = {
        {-12.386L, "马达角度：西12.39度"},
        {9.6549L, "马达角度：东9.65度"},
        {0.0049L, "马达角度：0.00度"},  // on the meridian: no word
        {-0.0049L, "马达角度：0.00度"},
        {0.0051L, "马达角度：东0.01度"},
        {std::nullopt, "马达角度：-（卫星在地平线以下）"},
    };
    BeijingAsiaSat case_;
    // The published Beijing (39.90 N).
    case_.input.polarMount = polarMountAt(39.9L);
    for (const auto& c : cases) {
        case_.input.motorAngle = c.angle;
        DetailsTexts texts = case_.build();
        EXPECT_EQ(utf8(texts.motorAngle), c.text);
        EXPECT_EQ(utf8(texts.polarMount), "极轴座：极轴仰角39.90度，偏置角6.26度，天线仰角43.84度");
    }
    case_.input.polarMount = polarMountAt(-33.45L);
    EXPECT_EQ(utf8(case_.build().polarMount),
              "极轴座：极轴仰角33.45度，偏置角5.45度，天线仰角51.10度");
}

TEST(DetailsTexts, LongestCellsFitWhole) {
    BeijingAsiaSat case_;
    std::string name(127, 'n');
    std::string longitude(127, '1');
    case_.input.satelliteName = name;
    case_.input.longitudeText = longitude;
    DetailsTexts texts = case_.build();
    EXPECT_EQ(std::string(texts.satellite), name + "  " + longitude + cp936("度"));
}

TEST(DetailsTexts, OffsetAngles) {
    struct Case {
        const char* text;
        bool accepted;
        long double degrees;
    };
    const Case cases[] = {
        {"22.6", true, 22.6L}, {"0", true, 0},    {"60", true, 60},  {" 17 ", true, 17},
        {"60.01", false, 0},   {"-1", false, 0},  {"", false, 0},    {" ", false, 0},
        {"-", false, 0},       {".", false, 0},   {"abc", false, 0}, {"2e1", true, 20},
        {"5e0x", false, 0},    {"1e5", false, 0}, {"1,5", false, 0}, {"6e1", true, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        long double degrees = -1;
        EXPECT_EQ(readOffsetAngle(c.text, &degrees), c.accepted);
        EXPECT_EQ(degrees, c.degrees);
    }
}

TEST(DetailsTexts, BearingsInTheTablesWords) {
    struct Case {
        long double bearing;
        bool southern;
        const char* text;
    };
    const Case cases[] = {
        {204.3929L, false, "南偏西24.39度"},
        {175.0L, false, "南偏东5.00度"},
        {180.0L, false, "正南"},
        {272.5L, false, "南偏西92.50度"},
        {13.17L, true, "北偏东13.17度"},
        {298.53L, true, "北偏西61.47度"},
        {0.0L, true, "正北"},
        {180.0L, true, "北偏东180.00度"},
    };
    for (const Case& c : cases) {
        char text[40];
        formBearingText(c.bearing, c.southern, text, sizeof text);
        EXPECT_EQ(utf8(text), c.text) << static_cast<double>(c.bearing);
    }
    // A small room keeps whole characters and the NUL.
    char small[6] = "xxxxx";
    formBearingText(204.3929L, false, small, sizeof small);
    EXPECT_EQ(std::string(small), cp936("南偏"));
}

}  // namespace
