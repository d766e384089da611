#include "fieldkit/install_sheet.h"

#include <cmath>

#include "calc/current_satellite_list.h"
#include "encoding/text_encoding.h"
#include "fieldkit/details_outage.h"
#include "fieldkit/details_text.h"
#include "fieldkit/fieldkit_texts.h"
#include "fieldkit/horizon.h"
#include "fieldkit/results_export.h"
#include "fieldkit/sky_svg.h"
#include "fieldkit/sun_aim.h"
#include "fieldkit/sun_outage_search.h"
#include "numtext/numtext.h"

namespace {

std::string twoDecimals(long double value) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, 2);
    return text;
}

// 东经116.41度 / 西经…, 北纬39.91度 / 南纬…
std::string coordinatesText(long double longitude, long double latitude) {
    return std::string(longitude < 0 ? u8"西经" : u8"东经") + twoDecimals(std::fabs(longitude)) +
           u8"度，" + (latitude < 0 ? u8"南纬" : u8"北纬") + twoDecimals(std::fabs(latitude)) +
           u8"度";
}

std::string declinationText(const FieldReportSite& site) {
    const std::string side = site.declination < 0 ? u8"西" : u8"东";
    return side + twoDecimals(std::fabs(site.declination)) + u8"度（" + site.magneticModel +
           u8"，" + site.date + (site.modelValid ? "" : u8"，超出模型有效期") + u8"）";
}

// The next season from the sheet's day: its first and last day and its
// longest day's length in whole minutes.
std::string outageSeasonText(SunOutageSearch& search, const ReceivingSite& site,
                             long double heightMetres, long double satelliteLongitude,
                             const InstallSheetRequest& request) {
    SunOutageRequest outage;
    outage.satelliteLongitude = satelliteLongitude;
    outage.siteHeightM = heightMetres;
    outage.dishDiameterM = request.dishMetres;
    outage.frequencyHz = request.frequencyHz;
    const NextSunOutageSeasons seasons = search.nextSeasons(site, request.date, outage, 1);
    if (seasons.status == SunOutageStatus::NotVisible) return u8"无";
    if (seasons.status != SunOutageStatus::Predicted || seasons.seasons.empty()) return "-";
    const SunOutageSeason& next = seasons.seasons[0];
    const int minutes = (next.longest.durationSeconds + 30) / 60;
    // The last day without its year when the season stays within one year.
    std::string last = dateText(next.lastDay);
    if (next.lastDay.year == next.firstDay.year) last = last.substr(5);
    return dateText(next.firstDay) + u8" 至 " + last + u8"，最长" + std::to_string(minutes) +
           u8"分钟";
}

// A details window's text, in UTF-8.
std::string motorAngleText(const std::optional<long double>& angle) {
    if (!angle) return "-";
    char text[DetailsTextCapacity];
    formMotorAngleText(angle, text, sizeof text);
    return utf8FromCp936(text);
}

std::string polarMountText(const PolarMount& mount) {
    char text[DetailsTextCapacity];
    formPolarMountText(mount, text, sizeof text);
    return utf8FromCp936(text);
}

// The day's moments of aiming by the sun, to the minute: 背向 when the
// shadows point away from the satellite, 指向 when they point at it.
std::string sunAimText(const SunAimResult& result) {
    if (result.status != SunAimStatus::Found) return "-";
    if (result.moments.empty()) return u8"无";
    std::string text;
    for (const SunAimMoment& moment : result.moments) {
        char time[TimeTextCapacity];
        formatHourMinute(moment.second, time);
        if (!text.empty()) text += u8"；";
        text += time + std::string(moment.kind == SunAimKind::Toward ? u8" 背向" : u8" 指向");
    }
    return text;
}

std::string lineOfSightText(const FieldReportRow& row, bool& hidden) {
    hidden = true;
    if (!row.numbers.visible) return u8"卫星在地平线以下";
    if (row.clearance && !row.clearance->clear) return u8"被遮挡";
    hidden = false;
    return u8"通畅";
}

}  // namespace

std::string bandTextOf(Band band) {
    for (const BandChoice& choice : BandChoices)
        if (choice.band == band) return utf8FromCp936(choice.text);
    return {};
}

InstallSheetRequest installSheetRequestOf(const char* offsetText, const char* dishText,
                                          const char* bandWord, const CalendarDate& date) {
    InstallSheetRequest request;
    request.date = date;
    long double offset = 0;
    if (offsetText[0] != '\0' && readOffsetAngle(offsetText, &offset))
        request.offsetAngle = static_cast<double>(offset);
    long double dish = 0;
    if (readDishDiameter(dishText, &dish)) request.dishMetres = dish;
    const Band band = BandChoices[bandChoiceOfWord(bandWord)].band;
    request.frequencyHz = bandFrequencyHz(band);
    request.bandText = bandTextOf(band);
    return request;
}

InstallSheet buildInstallSheet(const SatelliteTable& table, const FieldSurvey& survey,
                               const InstallSheetRequest& request) {
    const FieldReport report = buildFieldReport(table, survey, request.offsetAngle);
    InstallSheet sheet;
    sheet.site = report.site;
    sheet.coordinates = coordinatesText(report.site.longitude, report.site.latitude);
    sheet.declination = declinationText(report.site);
    sheet.polarMount = polarMountText(report.site.polarMount);
    sheet.dishAndBand = twoDecimals(request.dishMetres) + u8"米天线，" + request.bandText;
    sheet.withOffset = report.withOffset;
    if (request.offsetAngle) sheet.offsetAngle = twoDecimals(*request.offsetAngle) + u8"度";
    sheet.listDate = CurrentSatelliteListDate;
    SunAimDay sunAimDay(survey.site, request.date, BeijingZoneMinutes);
    // The next season lies in the sheet's year or the next.
    SunOutageSearch outageSearch(request.date.year, request.date.year + 1);
    for (const FieldReportRow& line : report.rows) {
        InstallSheetRow row;
        row.report = line;
        row.lineOfSight = lineOfSightText(line, row.hidden);
        row.motorAngle = motorAngleText(line.motorAngle);
        row.sunAim = line.numbers.visible ? sunAimText(sunAimDay.forSatellite(line.longitude))
                                          : std::string("-");
        row.outageSeason = outageSeasonText(outageSearch, survey.site, survey.heightMetres,
                                            line.longitude, request);
        sheet.rows.push_back(std::move(row));
    }
    sheet.skySvg = skyPictureSvg(layoutSkyPicture(survey), cp936ToUtf8);
    return sheet;
}

std::string installSheetFileName(const char* siteDescription, const CalendarDate& date) {
    return siteFileName(fieldkit_text::InstallSheetFileStart, siteDescription, date, ".html");
}
