#include "calc/details_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "calc/whole_characters.h"
#include "data/bounded_text.h"
#include "numtext/numtext.h"

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
const char Kilometres[] = "\xB9\xAB\xC0\xEF";                                    // 公里
const char Milliseconds[] = "\xBA\xC1\xC3\xEB";                                  // 毫秒
const char BelowHorizon[] = "\xCE\xC0\xD0\xC7\xD4\xDA\xB5\xD8\xC6\xBD\xCF\xDF\xD2\xD4\xCF\xC2";
// 卫星在地平线以下
const char West[] = "\xCE\xF7";          // 西
const char East[] = "\xB6\xAB";          // 东
const char Degrees[] = "\xB6\xC8";       // 度
const char OpenBracket[] = "\xA3\xA8";   // （
const char CloseBracket[] = "\xA3\xA9";  // ）
const char WideSpace[] = "\xA1\xA1";     // the ideographic space
const char Unknown[] = "-";
const char TwoBlanks[] = "  ";
const char LineBreak[] = "\r\n";

constexpr long double LargestOffset = 60;
// The program's bounded writer, appending whole characters only: after a
// text has been cut, nothing more, so no stray piece of a later part follows.
class TextBuilder {
public:
    TextBuilder(char* buffer, std::size_t capacity)
        : text_(buffer, capacity), room_(capacity - 1) {}
    TextBuilder& operator<<(const char* part) {
        if (cut_) return *this;
        const std::size_t count = wholeCharacterLength(part, room_ - text_.length());
        cut_ = part[count] != '\0';
        text_.append(part, count);
        return *this;
    }

private:
    BoundedText text_;
    std::size_t room_;
    bool cut_ = false;
};

struct Number {
    char text[NumberTextCapacity];
    Number(long double value, int decimals) { NumberToText(value, text, 0, decimals); }
};

void buildElevation(const DetailsInput& input, TextBuilder text) {
    text << ElevationLabel << input.pointing.elevationText << Degrees << LineBreak
         << OffsetElevationLabel;
    long double offset = 0;
    if (readOffsetAngle(input.offsetText, &offset)) {
        text << Number(input.numbers.elevation - offset, 2).text << Degrees;
    } else {
        text << Unknown;
    }
}

void buildDeclination(const DetailsInput& input, TextBuilder text) {
    text << DeclinationLabel;
    if (!input.numbers.declinationKnown) {
        text << Unknown;
        return;
    }
    const long double declination = input.numbers.declination;
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
    // Without the declination there is no compass bearing.
    if (!input.numbers.declinationKnown) {
        text << Unknown;
        return;
    }
    char words[NumberTextCapacity + 16];
    formBearingText(input.numbers.magneticAzimuth, input.southernSite, words, sizeof words);
    text << Number(input.numbers.magneticAzimuth, 2).text << Degrees << OpenBracket << words
         << CloseBracket;
}

void buildRange(const DetailsInput& input, TextBuilder text) {
    if (!input.numbers.visible) {
        text << BelowHorizon;
        return;
    }
    text << RangeLabel << Number(input.numbers.rangeKm, 0).text << Kilometres << WideSpace
         << DelayLabel << Number(input.numbers.delayMs, 1).text << Milliseconds;
}

}  // namespace

bool readOffsetAngle(const char* text, long double* degrees) {
    *degrees = 0;
    // TextToNumber takes an empty text, a lone sign or point as zero; an
    // angle the user gave has a digit.
    const std::size_t length = std::strlen(text);
    if (std::strpbrk(text, "0123456789") == nullptr) return false;
    // Nothing after the number either (TextToNumber stops looking after an exponent).
    if (std::strspn(text, "0123456789.+-e ") != length) return false;
    std::vector<char> copy(text, text + length + 1);  // TextToNumber removes blanks in place
    long double value = 0;
    if (TextToNumber(copy.data(), &value) != 1) return false;
    if (!(value >= 0 && value <= LargestOffset)) return false;
    *degrees = value;
    return true;
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

void formatDate(const CalendarDate& date, char (&text)[DateTextCapacity]) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year % 10000, date.month % 100,
                  date.day % 100);
}

void buildDetailsTexts(const DetailsInput& input, DetailsTexts& texts) {
    TextBuilder(texts.satellite, sizeof texts.satellite)
        << input.satelliteName << TwoBlanks << input.longitudeText << Degrees;

    char date[DateTextCapacity];
    formatDate(input.date, date);
    TextBuilder(texts.site, sizeof texts.site) << input.siteName << WideSpace << date;

    buildElevation(input, TextBuilder(texts.elevation, sizeof texts.elevation));
    TextBuilder(texts.trueAzimuth, sizeof texts.trueAzimuth)
        << TrueAzimuthLabel << input.pointing.azimuthText << OpenBracket
        << Number(input.numbers.trueAzimuth, 2).text << Degrees << CloseBracket;
    buildDeclination(input, TextBuilder(texts.declination, sizeof texts.declination));
    buildCompass(input, TextBuilder(texts.compass, sizeof texts.compass));
    TextBuilder(texts.polarisation, sizeof texts.polarisation)
        << PolarisationLabel << input.pointing.polarisationText << Degrees;
    buildRange(input, TextBuilder(texts.range, sizeof texts.range));
}
