#include "fieldkit/details_outage.h"

#include <cmath>
#include <cstring>
#include <string>

#include "calc/calc_texts.h"
#include "encoding/text_builder.h"
#include "fieldkit/details_text.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/fieldkit_texts.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

using calc_text::CloseBracket;
using calc_text::OpenBracket;
using fieldkit_text::BadDish;
using fieldkit_text::BandC;
using fieldkit_text::BandKa;
using fieldkit_text::BandKu;
using fieldkit_text::BelowHorizon;
using fieldkit_text::DishTooSmall;
using fieldkit_text::EnDash;
using fieldkit_text::MinutesClose;
using fieldkit_text::NoneWord;
using fieldkit_text::OutageLabel;
using fieldkit_text::OutageLongest;
using fieldkit_text::OutageTo;
using fieldkit_text::SunTrackOpen;

const char Unknown[] = "-";

// The track's points are this many minutes apart: close enough for a
// dotted line across the picture.
constexpr int TrackStepMinutes = 10;

void setText(char (&text)[OutageTextCapacity], const char* part) {
    TextBuilder(text, sizeof text) << OutageLabel << part;
}

}  // namespace

const BandChoice BandChoices[BandChoiceCount] = {
    {BandWords[0].band, BandWords[0].word, BandC},
    {BandWords[1].band, BandWords[1].word, BandKu},
    {BandWords[2].band, BandWords[2].word, BandKa},
};

int bandChoiceOfWord(const char* word) {
    for (int i = 0; i < BandChoiceCount; ++i)
        if (std::strcmp(word, BandChoices[i].word) == 0) return i;
    return 1;
}

void loadBandSetting(SettingsBackend& store, BandSetting& band) {
    TextBuilder(band.text, sizeof band.text) << DefaultBandWord;
    loadBand(store, band, isBandWord);
}

bool readDishDiameter(const char* text, long double* metres) {
    return readStrictNumber(text, DishRangeMetres, metres) == NumberRefusal::None;
}

void formatOutageSeason(const SunOutageSeason& season, char (&text)[OutageTextCapacity]) {
    char first[DateTextCapacity];
    char last[DateTextCapacity];
    char longest[DateTextCapacity];
    formatDate(season.firstDay, first);
    formatDate(season.lastDay, last);
    formatDate(season.longest.date, longest);
    char start[TimeTextCapacity];
    char end[TimeTextCapacity];
    formatHourMinute(season.longest.startSecond, start);
    formatHourMinute(season.longest.endSecond, end);
    // The day of the minute shown: 23:59:40 shows as 00:00 of the next day.
    const std::string startMark = dayMark(season.longest.startSecond + 30);
    const std::string endMark = dayMark(season.longest.endSecond + 30);
    const std::string minutes = std::to_string((season.longest.durationSeconds + 30) / 60);
    TextBuilder(text, sizeof text)
        << OutageLabel << first << OutageTo << last << OutageLongest << longest << " " << start
        << startMark.c_str() << EnDash << end << endMark.c_str() << OpenBracket << minutes.c_str()
        << MinutesClose;
}

void prepareDetailsOutage(const ReceivingSite& site, long double satelliteLongitude,
                          const CalendarDate& today, const char* dishText, Band band,
                          const SkyFrame& frame, DetailsOutage& outage) {
    outage.next[0] = '\0';
    outage.later[0] = '\0';
    outage.sunTrack.clear();
    outage.sunTrackLabel.clear();
    SunOutageRequest request;
    request.satelliteLongitude = satelliteLongitude;
    request.frequencyHz = bandFrequencyHz(band);
    if (!readDishDiameter(dishText, &request.dishDiameterM)) {
        setText(outage.next, BadDish);
        return;
    }
    if (!(beamwidthDegrees(request.dishDiameterM, request.frequencyHz) <= WidestOutageBeamwidth)) {
        setText(outage.next, DishTooSmall);
        return;
    }
    const NextSunOutageSeasons seasons = nextSunOutageSeasons(site, today, request);
    if (seasons.status == SunOutageStatus::NotVisible) {
        TextBuilder(outage.next, sizeof outage.next)
            << OutageLabel << NoneWord << OpenBracket << BelowHorizon << CloseBracket;
        return;
    }
    if (seasons.status != SunOutageStatus::Predicted || seasons.seasons.empty()) {
        setText(outage.next, Unknown);
        return;
    }
    formatOutageSeason(seasons.seasons[0], outage.next);
    if (seasons.seasons.size() > 1) formatOutageSeason(seasons.seasons[1], outage.later);
    const CalendarDate& longestDay = seasons.seasons[0].longest.date;
    outage.sunTrack = sunTrackPieces(
        frame, sunTrack(site, 0, longestDay, request.zoneOffsetMinutes, TrackStepMinutes));
    if (!outage.sunTrack.empty())
        outage.sunTrackLabel = SunTrackOpen + dateText(longestDay) + CloseBracket;
}
