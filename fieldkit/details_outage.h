#pragma once
// The details window's sun outages (日凌): the next two seasons from today
// for one satellite, for the dish and band chosen there, as two code page
// 936 texts, and the sun's track on the longest day of the next season for
// the sky picture. Beijing time.

#include <cstddef>
#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "data/settings_store.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/sky_layout.h"
#include "fieldkit/sun_outage_search.h"

// The dish box's text: a diameter from 0.1 to 30 metres, as the offset box
// reads its angle (a digit, nothing but the number). Anything else gives false.
bool readDishDiameter(const char* text, long double* metres);

// The band choice's entries in the order of BandWords (fieldkit/field_limits.h),
// each with the word the settings keep and the text the list shows.
struct BandChoice {
    Band band;
    const char* word;
    const char* text;  // code page 936: C波段 4GHz, Ku波段 12.25GHz, Ka波段 20.2GHz
};
constexpr int BandChoiceCount = BandCount;
extern const BandChoice BandChoices[BandChoiceCount];
// The entry of a stored word; Ku's for any other text.
int bandChoiceOfWord(const char* word);
// Reads the band the settings keep: one of BandWords, DefaultBandWord
// before one was kept or for any other text.
void loadBandSetting(SettingsBackend& store, BandSetting& band);

constexpr std::size_t OutageTextCapacity = 100;

struct DetailsOutage {
    char next[OutageTextCapacity] = {};   // the next season
    char later[OutageTextCapacity] = {};  // the one after it
    // The sun's track on the longest day of the next season, as pieces of
    // the picture's panorama; none without a season.
    std::vector<std::vector<SkyPoint>> sunTrack;
    std::string sunTrackLabel;  // 太阳轨迹（2027-03-05）, with the track
};

// One season: 日凌：2027-03-01 至 2027-03-09，最长 2027-03-05 13:09–13:22（13分钟）
// (its first and last day, the longest day's start and end to the minute
// and its length in whole minutes).
void formatOutageSeason(const SunOutageSeason& season, char (&text)[OutageTextCapacity]);

// The texts and the track for the satellite at `satelliteLongitude` seen
// from `site` (longitude and latitude, at the ellipsoid's surface), from
// `today`, for the dish box's text and the band, laid into `frame`.
// - below the horizon: 日凌：无（卫星在地平线以下）, the second text empty;
// - a dish text readDishDiameter refuses: 日凌：-（天线口径应为0.1至30米）;
// - a dish too small for the band's rule (a beam over 20 degrees):
//   日凌：-（天线口径对此波段过小）;
// - no season to show (a date outside 2000 to 2100): 日凌：-.
void prepareDetailsOutage(const ReceivingSite& site, long double satelliteLongitude,
                          const CalendarDate& today, const char* dishText, Band band,
                          const SkyFrame& frame, DetailsOutage& outage);
