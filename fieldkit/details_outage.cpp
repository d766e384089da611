#include "fieldkit/details_outage.h"

#include <cmath>
#include <cstring>
#include <string>

#include "encoding/text_builder.h"
#include "fieldkit/details_text.h"
#include "fieldkit/field_limits.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

namespace {

// Code page 936 texts. Each stands alone, so that no escape runs into the
// digits or letters that follow it.
const char OutageLabel[] = "\xC8\xD5\xC1\xE8\xA3\xBA";   // 日凌：
const char To[] = " \xD6\xC1 ";                          // " 至 "
const char Longest[] = "\xA3\xAC\xD7\xEE\xB3\xA4 ";      // "，最长 "
const char EnDash[] = "\xA8\x43";                        // –
const char OpenBracket[] = "\xA3\xA8";                   // （
const char CloseBracket[] = "\xA3\xA9";                  // ）
const char MinutesClose[] = "\xB7\xD6\xD6\xD3\xA3\xA9";  // 分钟）
const char BelowHorizon[] =                              // 无（卫星在地平线下）
    "\xCE\xDE\xA3\xA8\xCE\xC0\xD0\xC7\xD4\xDA\xB5\xD8\xC6\xBD\xCF\xDF\xCF\xC2\xA3\xA9";
const char BadDish[] =  // -（天线口径应为0.1至30米）
    "-\xA3\xA8\xCC\xEC\xCF\xDF\xBF\xDA\xBE\xB6\xD3\xA6\xCE\xAA"
    "0.1\xD6\xC1"
    "30\xC3\xD7\xA3\xA9";
const char DishTooSmall[] =  // -（天线口径对此波段过小）
    "-\xA3\xA8\xCC\xEC\xCF\xDF\xBF\xDA\xBE\xB6\xB6\xD4\xB4\xCB\xB2\xA8\xB6\xCE\xB9\xFD\xD0\xA1"
    "\xA3\xA9";
const char Unknown[] = "-";
const char SunTrackWord[] = "\xCC\xAB\xD1\xF4\xB9\xEC\xBC\xA3\xA3\xA8";  // 太阳轨迹（

// The track's points are this many minutes apart: close enough for a
// dotted line across the picture.
constexpr int TrackStepMinutes = 10;

void setText(char (&text)[OutageTextCapacity], const char* part) {
    TextBuilder(text, sizeof text) << OutageLabel << part;
}

}  // namespace

const BandChoice BandChoices[BandChoiceCount] = {
    {BandWords[0].band, BandWords[0].word, "C\xB2\xA8\xB6\xCE 4GHz"},       // C波段 4GHz
    {BandWords[1].band, BandWords[1].word, "Ku\xB2\xA8\xB6\xCE 12.25GHz"},  // Ku波段 12.25GHz
    {BandWords[2].band, BandWords[2].word, "Ka\xB2\xA8\xB6\xCE 20.2GHz"},   // Ka波段 20.2GHz
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
        << OutageLabel << first << To << last << Longest << longest << " " << start
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
        setText(outage.next, BelowHorizon);
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
        outage.sunTrackLabel = SunTrackWord + dateText(longestDay) + CloseBracket;
}
