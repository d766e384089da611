#include "fieldkit/details_text.h"

#include <cmath>

#include "encoding/text_builder.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/sun_outage.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

// Code page 936 texts. Each stands alone, so that no escape runs into the
// digits or letters that follow it.
const char ElevationLabel[] = "\xCC\xEC\xCF\xDF\xD1\xF6\xBD\xC7\xA3\xBA";  // 天线仰角：
const char OffsetElevationLabel[] =
    "\xC6\xAB\xC0\xA1\xCC\xEC\xCF\xDF\xD1\xF6\xBD\xC7\xA3\xBA";  // 偏馈天线仰角：
const char TrueAzimuthLabel[] = "\xD5\xE6\xB7\xBD\xCE\xBB\xBD\xC7\xA3\xBA";      // 真方位角：
const char DeclinationLabel[] = "\xB4\xC5\xC6\xAB\xBD\xC7\xA3\xBA";              // 磁偏角：
const char CompassLabel[] = "\xC2\xDE\xC5\xCC\xB7\xBD\xCE\xBB\xBD\xC7\xA3\xBA";  // 罗盘方位角：
const char PolarisationLabel[] = "\xBC\xAB\xBB\xAF\xBD\xC7\xA3\xBA";             // 极化角：
const char RangeLabel[] = "\xBE\xE0\xC0\xEB\xA3\xBA";                            // 距离：
const char DelayLabel[] = "\xB5\xA5\xB3\xCC\xCA\xB1\xD1\xD3\xA3\xBA";            // 单程时延：
const char NearestPlaceLabel[] =
    "\xD7\xEE\xBD\xFC\xB5\xC4\xB5\xD8\xC3\xFB\xA3\xBA";  // 最近的地名：
const char Kilometres[] = "\xB9\xAB\xC0\xEF";            // 公里
const char Milliseconds[] = "\xBA\xC1\xC3\xEB";          // 毫秒
const char BelowHorizon[] = "\xCE\xC0\xD0\xC7\xD4\xDA\xB5\xD8\xC6\xBD\xCF\xDF\xD2\xD4\xCF\xC2";
// 卫星在地平线以下
const char MotorAngleLabel[] = "\xC2\xED\xB4\xEF\xBD\xC7\xB6\xC8\xA3\xBA";  // 马达角度：
const char NotVisible[] =
    "\xA3\xA8\xCE\xC0\xD0\xC7\xB2\xBB\xBF\xC9\xBC\xFB\xA3\xA9";        // （卫星不可见）
const char PolarMountLabel[] = "\xBC\xAB\xD6\xE1\xD7\xF9\xA3\xBA";     // 极轴座：
const char AxisElevationLabel[] = "\xBC\xAB\xD6\xE1\xD1\xF6\xBD\xC7";  // 极轴仰角
const char OffsetLabel[] = "\xA3\xAC\xC6\xAB\xD6\xC3\xBD\xC7";         // ，偏置角
const char MeridianElevationLabel[] = "\xA3\xAC\xCC\xEC\xCF\xDF\xD1\xF6\xBD\xC7";  // ，天线仰角
const char West[] = "\xCE\xF7";                                                    // 西
const char East[] = "\xB6\xAB";                                                    // 东
const char Degrees[] = "\xB6\xC8";                                                 // 度
const char OpenBracket[] = "\xA3\xA8";                                             // （
const char CloseBracket[] = "\xA3\xA9";                                            // ）
const char WideSpace[] = "\xA1\xA1";                                    // the ideographic space
const char SunAimLabel[] = "\xB6\xD4\xC8\xD5\xD1\xB0\xD0\xC7\xA3\xBA";  // 对日寻星：
const char Today[] = "\xBD\xF1\xCC\xEC";                                // 今天
const char SunTowardSatellite[] =  // 太阳在卫星方向（影子背向卫星）
    "\xCC\xAB\xD1\xF4\xD4\xDA\xCE\xC0\xD0\xC7\xB7\xBD\xCF\xF2"
    "\xA3\xA8\xD3\xB0\xD7\xD3\xB1\xB3\xCF\xF2\xCE\xC0\xD0\xC7\xA3\xA9";
const char SunAwayFromSatellite[] =  // 太阳在卫星反方向（影子指向卫星）
    "\xCC\xAB\xD1\xF4\xD4\xDA\xCE\xC0\xD0\xC7\xB7\xB4\xB7\xBD\xCF\xF2"
    "\xA3\xA8\xD3\xB0\xD7\xD3\xD6\xB8\xCF\xF2\xCE\xC0\xD0\xC7\xA3\xA9";
const char NoSunAim[] =  // 无（太阳不经过此方向）
    "\xCE\xDE\xA3\xA8\xCC\xAB\xD1\xF4\xB2\xBB\xBE\xAD\xB9\xFD\xB4\xCB\xB7\xBD\xCF\xF2"
    "\xA3\xA9";
const char NoSunAimBelowHorizon[] =  // 无（卫星在地平线下）
    "\xCE\xDE\xA3\xA8\xCE\xC0\xD0\xC7\xD4\xDA\xB5\xD8\xC6\xBD\xCF\xDF\xCF\xC2\xA3\xA9";
const char WideComma[] = "\xA3\xAC";  // ，
const char Unknown[] = "-";
const char TwoBlanks[] = "  ";
const char LineBreak[] = "\r\n";

struct Number {
    char text[NumberTextCapacity];
    Number(long double value, int decimals) { NumberToText(value, text, 0, decimals); }
};

void buildElevation(const DetailsInput& input, TextBuilder text) {
    text << ElevationLabel << input.pointing.elevationText << Degrees << LineBreak
         << OffsetElevationLabel;
    // Below the horizon there is nothing to aim at.
    long double offset = 0;
    if (input.numbers.visible && readOffsetAngle(input.offsetText.c_str(), &offset)) {
        text << Number(offsetDishElevation(input.numbers.elevation, offset), 2).text << Degrees;
    } else {
        text << Unknown;
    }
}

void buildDeclination(const DetailsInput& input, TextBuilder text) {
    text << DeclinationLabel;
    if (!input.magnetic.withinValidity) {
        text << Unknown;
        return;
    }
    const long double declination = input.magnetic.declination;
    // As the site description: no word for exactly zero.
    if (declination < 0) {
        text << West;
    } else if (declination > 0) {
        text << East;
    }
    text << Number(std::fabs(declination), 2).text << Degrees << OpenBracket << input.modelName
         << CloseBracket;
}

void buildCompass(const DetailsInput& input, TextBuilder text) {
    text << CompassLabel;
    // Without the declination, or below the horizon, there is no compass bearing.
    if (!input.magnetic.withinValidity || !input.numbers.visible) {
        text << Unknown;
        return;
    }
    char words[NumberTextCapacity + 16];
    formBearingText(input.numbers.magneticAzimuth, input.southernSite, words, sizeof words);
    text << Number(input.numbers.magneticAzimuth, 2).text << Degrees << OpenBracket << words
         << CloseBracket;
}

// The table's words beside the bearing; below the horizon, where the
// table's formula looks the wrong way, the words of the bearing itself.
void buildTrueAzimuth(const DetailsInput& input, TextBuilder text) {
    char words[NumberTextCapacity + 16];
    formBearingText(input.numbers.azimuth, input.southernSite, words, sizeof words);
    text << TrueAzimuthLabel << (input.numbers.visible ? input.pointing.azimuthText : words)
         << OpenBracket << Number(input.numbers.azimuth, 2).text << Degrees << CloseBracket;
}

void buildRange(const DetailsInput& input, TextBuilder text) {
    if (!input.numbers.visible) {
        text << BelowHorizon;
        return;
    }
    text << RangeLabel << Number(input.numbers.rangeKm, 0).text << Kilometres << WideSpace
         << DelayLabel << Number(input.numbers.delayMs, 1).text << Milliseconds;
}

// Today's moments at the minute, each with where the sun stands and where
// the shadows point.
void buildSunAim(const DetailsInput& input, TextBuilder text) {
    text << SunAimLabel;
    switch (input.sunAim.status) {
        case SunAimStatus::InvalidInput:
            text << Unknown;
            return;
        case SunAimStatus::NotVisible:
            text << NoSunAimBelowHorizon;
            return;
        case SunAimStatus::Found:
            break;
    }
    text << Today;
    if (input.sunAim.moments.empty()) {
        text << NoSunAim;
        return;
    }
    bool first = true;
    for (const SunAimMoment& moment : input.sunAim.moments) {
        char time[TimeTextCapacity];
        formatHourMinute(moment.second, time);
        text << (first ? " " : WideComma) << time << " "
             << (moment.kind == SunAimKind::Toward ? SunTowardSatellite : SunAwayFromSatellite);
        first = false;
    }
}

void buildMotorAngle(const DetailsInput& input, TextBuilder text) {
    char angle[DetailsTextCapacity];
    formMotorAngleText(input.motorAngle, angle, sizeof angle);
    text << MotorAngleLabel << angle;
}

void buildPolarMount(const PolarMount& mount, TextBuilder text) {
    char numbers[DetailsTextCapacity];
    formPolarMountText(mount, numbers, sizeof numbers);
    text << PolarMountLabel << numbers;
}

}  // namespace

bool readOffsetAngle(const char* text, long double* degrees) {
    return readStrictNumber(text, OffsetRangeDegrees, degrees) == NumberRefusal::None;
}

void formBearingText(long double bearing, bool southernSite, char* text, std::size_t capacity) {
    // The signed angle from the reference direction, positive toward the
    // side the table calls 偏西 (south) or 偏东 (north) of it: the table's
    // angle A with the other sign.
    const long double fromReference =
        southernSite ? (bearing > 180 ? bearing - 360 : bearing) : bearing - 180;
    char words[PointingTextCapacity];
    formAzimuthText(-fromReference, southernSite, words);
    TextBuilder(text, capacity) << words;
}

// East or west of the meridian by the motor's angle in hundredths of a
// degree (NumberToText keeps the digits of an angle under 0.01 and shows
// zero as "0"); 0.00 without a word on the meridian.
void formMotorAngleText(std::optional<long double> angle, char* text, std::size_t capacity) {
    TextBuilder builder(text, capacity);
    if (!angle) {
        builder << Unknown << NotVisible;
        return;
    }
    const long double hundredths = std::round(std::fabs(*angle) * 100);
    if (hundredths == 0) {
        builder << "0.00" << Degrees;
        return;
    }
    builder << (*angle > 0 ? East : West) << Number(hundredths / 100, 2).text << Degrees;
}

void formPolarMountText(const PolarMount& mount, char* text, std::size_t capacity) {
    TextBuilder(text, capacity) << AxisElevationLabel << Number(mount.axisElevation, 2).text
                                << Degrees << OffsetLabel << Number(mount.declinationOffset, 2).text
                                << Degrees << MeridianElevationLabel
                                << Number(mount.meridianElevation, 2).text << Degrees;
}

void buildDetailsTexts(const DetailsInput& input, DetailsTexts& texts) {
    TextBuilder(texts.satellite, sizeof texts.satellite)
        << input.satelliteName.c_str() << TwoBlanks << input.longitudeText.c_str() << Degrees;

    char date[DateTextCapacity];
    formatDate(input.date, date);
    TextBuilder site(texts.site, sizeof texts.site);
    site << input.siteName.c_str() << WideSpace << date;
    if (input.nearestPlace)
        site << WideSpace << NearestPlaceLabel << input.nearestPlace->name << OpenBracket
             << Number(input.nearestPlace->distanceKm, 1).text << Kilometres << CloseBracket;

    buildElevation(input, TextBuilder(texts.elevation, sizeof texts.elevation));
    buildTrueAzimuth(input, TextBuilder(texts.trueAzimuth, sizeof texts.trueAzimuth));
    buildDeclination(input, TextBuilder(texts.declination, sizeof texts.declination));
    buildCompass(input, TextBuilder(texts.compass, sizeof texts.compass));
    TextBuilder(texts.polarisation, sizeof texts.polarisation)
        << PolarisationLabel << input.pointing.polarisationText << Degrees;
    buildRange(input, TextBuilder(texts.range, sizeof texts.range));
    buildSunAim(input, TextBuilder(texts.sunAim, sizeof texts.sunAim));
    buildMotorAngle(input, TextBuilder(texts.motorAngle, sizeof texts.motorAngle));
    buildPolarMount(input.polarMount, TextBuilder(texts.polarMount, sizeof texts.polarMount));
}
