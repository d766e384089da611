#include "cli/sun_aim_output.h"

#include <nlohmann/json.hpp>

#include "cli/sun_report_output.h"
#include "encoding/text_encoding.h"
#include "fieldkit/fieldkit_texts.h"
#include "fieldkit/sun_outage.h"
#include "numtext/numtext.h"

namespace {

using Json = nlohmann::ordered_json;

const char* kindWord(SunAimKind kind) { return kind == SunAimKind::Toward ? "toward" : "away"; }

// 12:43:10 太阳在卫星方向（影子背向卫星）, in the details window's words
std::string momentLine(const SunAimMoment& moment) {
    return timeOfDayText(moment.second) + " " +
           utf8FromCp936(moment.kind == SunAimKind::Toward ? fieldkit_text::SunTowardSatellite
                                                           : fieldkit_text::SunAwayFromSatellite);
}

Json momentJson(const SunAimMoment& moment) {
    Json entry;
    entry["time"] = timeOfDayText(moment.second);
    entry["kind"] = kindWord(moment.kind);
    entry["sun_elevation"] = static_cast<double>(moment.sunElevation);
    return entry;
}

}  // namespace

bool buildSunAimReport(const FieldReport& report, const SunAimOptions& aim, SunAimReport& moments,
                       std::string& error) {
    moments.site = report.site;
    moments.date = aim.date;
    moments.zoneOffsetMinutes = aim.utc ? 0 : BeijingZoneMinutes;
    ReceivingSite site;
    site.longitude = report.site.longitude;
    site.latitude = report.site.latitude;
    SunAimDay day(site, aim.date, moments.zoneOffsetMinutes);
    for (const FieldReportRow& row : report.rows) {
        SunAimResult result = day.forSatellite(row.longitude);
        if (result.status == SunAimStatus::InvalidInput) {
            // The options were checked; what is left is a site beyond a pole.
            error = "--lat " + fixedText(site.latitude, 2) +
                    ": aiming by the sun needs a latitude from -90 to 90";
            return false;
        }
        moments.satellites.push_back({row.name, row.longitudeText, row.longitude,
                                      result.satelliteAzimuth, result.status == SunAimStatus::Found,
                                      std::move(result.moments)});
    }
    return true;
}

std::string sunAimJson(const SunAimReport& report) {
    Json settings;
    settings["date"] = dateText(report.date);
    auto fill = [](const SatelliteSunAim& satellite, Json& entry) {
        entry["azimuth"] = static_cast<double>(satellite.azimuth);
        entry["moments"] = jsonArray(satellite.moments, momentJson);
    };
    return sunReportJson(report.site, "sun_aim", settings, report.zoneOffsetMinutes,
                         satellitesJson(report.satellites, fill));
}

std::string sunAimCsv(const SunAimReport& report, const char* lineEnd) {
    std::string csv = "name,longitude,azimuth,date,time,kind,sun_elevation";
    csv += lineEnd;
    const std::string date = dateText(report.date);
    for (const SatelliteSunAim& satellite : report.satellites) {
        const std::string lead = satelliteCsvLead(satellite.name, satellite.longitude) +
                                 reportNumberText(static_cast<double>(satellite.azimuth)) + "," +
                                 date + ",";
        for (const SunAimMoment& moment : satellite.moments) {
            csv += lead + timeOfDayText(moment.second) + "," + kindWord(moment.kind) + "," +
                   reportNumberText(static_cast<double>(moment.sunElevation)) + lineEnd;
        }
    }
    return csv;
}

std::string sunAimTable(const SunAimReport& report, const std::string& siteDescription,
                        const char* lineEnd) {
    std::string table = sunTableHeading(
        siteDescription,
        u8"对日寻星 " + dateText(report.date) + "  " + zoneLine(report.zoneOffsetMinutes), lineEnd);
    for (const SatelliteSunAim& satellite : report.satellites) {
        table += satelliteTableStart(satellite.name, satellite.longitudeText, satellite.visible,
                                     u8"卫星在地平线以下，无对日寻星", lineEnd);
        if (!satellite.visible) continue;
        table += u8"真方位角" + fixedText(satellite.azimuth, 1) + u8"度";
        if (satellite.moments.empty()) table += u8"  无（太阳不经过此方向）";
        table += lineEnd;
        for (const SunAimMoment& moment : satellite.moments)
            table += "  " + momentLine(moment) + lineEnd;
    }
    return table;
}
