#include "fieldkit/details_text.h"

#include <cmath>

#include "calc/calc_texts.h"
#include "encoding/text_builder.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/fieldkit_texts.h"
#include "fieldkit/sun_outage.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

using calc_text::CloseBracket;
using calc_text::Degrees;
using calc_text::OpenBracket;
using fieldkit_text::AxisElevationLabel;
using fieldkit_text::BelowHorizon;
using fieldkit_text::Comma;
using fieldkit_text::CompassLabel;
using fieldkit_text::DeclinationLabel;
using fieldkit_text::DeclinationOffsetLabel;
using fieldkit_text::DelayLabel;
using fieldkit_text::East;
using fieldkit_text::ElevationLabel;
using fieldkit_text::Kilometres;
using fieldkit_text::MeridianElevationLabel;
using fieldkit_text::Milliseconds;
using fieldkit_text::MotorAngleLabel;
using fieldkit_text::NearestPlaceLabel;
using fieldkit_text::NoneWord;
using fieldkit_text::NoSunAim;
using fieldkit_text::OffsetElevationLabel;
using fieldkit_text::PolarisationLabel;
using fieldkit_text::PolarMountLabel;
using fieldkit_text::RangeLabel;
using fieldkit_text::SunAimLabel;
using fieldkit_text::SunAwayFromSatellite;
using fieldkit_text::SunTowardSatellite;
using fieldkit_text::Today;
using fieldkit_text::TrueAzimuthLabel;
using fieldkit_text::West;
using fieldkit_text::WideSpace;

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
            text << NoneWord << OpenBracket << BelowHorizon << CloseBracket;
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
        text << (first ? " " : Comma) << time << " "
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
        builder << Unknown << OpenBracket << BelowHorizon << CloseBracket;
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
                                << Degrees << DeclinationOffsetLabel
                                << Number(mount.declinationOffset, 2).text << Degrees
                                << MeridianElevationLabel << Number(mount.meridianElevation, 2).text
                                << Degrees;
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
