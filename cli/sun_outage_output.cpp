#include "cli/sun_outage_output.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/sun_report_output.h"
#include "fieldkit/calendar_date.h"
#include "numtext/numtext.h"

namespace {

using Json = nlohmann::ordered_json;

// Minutes to a tenth: 809 s is "13.5".
std::string minutesText(int seconds) {
    const int tenths = (seconds * 10 + 30) / 60;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string gigahertz(long double frequencyHz) {
    return reportNumberText(static_cast<double>(frequencyHz / 1e9L));
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// 23:44:18 and its day mark, in a column of 12.
std::string timeColumn(int secondOfDay) {
    return padded(timeOfDayText(secondOfDay) + dayMark(secondOfDay), 12);
}

// 2027-02-28 至 2027-03-09，2027-10-05 至 2027-10-13
std::string seasonsText(const std::vector<SunOutageDay>& days) {
    std::string text;
    for (const SunOutageSeason& season : groupSeasons(days)) {
        if (!text.empty()) text += u8"，";
        text += dateText(season.firstDay) + u8" 至 " + dateText(season.lastDay);
    }
    return text;
}

Json outageJson(const SunOutageDay& day) {
    Json outage;
    outage["date"] = dateText(day.date);
    outage["start"] = timeOfDayText(day.startSecond);
    outage["peak"] = timeOfDayText(day.peakSecond);
    outage["end"] = timeOfDayText(day.endSecond);
    outage["duration_s"] = day.durationSeconds;
    outage["min_separation_deg"] = static_cast<double>(day.minSeparation);
    outage["start_date"] = dateText(day.startDate);
    outage["end_date"] = dateText(day.endDate);
    return outage;
}

}  // namespace

bool buildSunOutageReport(const FieldReport& report, const SunOutageOptions& sun,
                          SunOutageReport& outages, std::string& error) {
    outages.site = report.site;
    outages.year = sun.year;
    outages.dishMetres = sun.dishMetres;
    outages.frequencyHz = sun.frequencyHz;
    outages.zoneOffsetMinutes = sun.utc ? 0 : BeijingZoneMinutes;
    outages.beamwidth = beamwidthDegrees(sun.dishMetres, sun.frequencyHz);
    outages.threshold = outageThresholdDegrees(outages.beamwidth);
    ReceivingSite site;
    site.longitude = report.site.longitude;
    site.latitude = report.site.latitude;
    SunOutageRequest request;
    request.siteHeightM = report.site.heightMetres;
    request.dishDiameterM = sun.dishMetres;
    request.frequencyHz = sun.frequencyHz;
    request.zoneOffsetMinutes = outages.zoneOffsetMinutes;
    for (const FieldReportRow& row : report.rows) {
        request.satelliteLongitude = row.longitude;
        SunOutageYear year = predictSunOutages(site, sun.year, request);
        if (year.status == SunOutageStatus::InvalidInput) {
            // The options were checked; what is left is a site beyond a pole.
            error = "--lat " + fixedText(site.latitude, 2) +
                    ": the sun outages need a latitude from -90 to 90";
            return false;
        }
        outages.satellites.push_back({row.name, row.longitudeText, row.longitude,
                                      year.status == SunOutageStatus::Predicted,
                                      std::move(year.days)});
    }
    return true;
}

std::string sunOutageJson(const SunOutageReport& report) {
    Json settings;
    settings["year"] = report.year;
    settings["dish_m"] = static_cast<double>(report.dishMetres);
    settings["frequency_ghz"] = static_cast<double>(report.frequencyHz / 1e9L);
    settings["beamwidth_deg"] = static_cast<double>(report.beamwidth);
    settings["threshold_deg"] = static_cast<double>(report.threshold);
    auto fill = [](const SatelliteSunOutages& satellite, Json& entry) {
        entry["visible"] = satellite.visible;
        entry["outages"] = jsonArray(satellite.days, outageJson);
    };
    return sunReportJson(report.site, "sun_outage", settings, report.zoneOffsetMinutes,
                         satellitesJson(report.satellites, fill));
}

std::string sunOutageCsv(const SunOutageReport& report, const char* lineEnd) {
    std::string csv =
        "name,longitude,date,start,peak,end,duration_s,min_separation_deg,start_date,end_date";
    csv += lineEnd;
    for (const SatelliteSunOutages& satellite : report.satellites) {
        const std::string lead = satelliteCsvLead(satellite.name, satellite.longitude);
        for (const SunOutageDay& day : satellite.days) {
            csv += lead + dateText(day.date) + "," + timeOfDayText(day.startSecond) + "," +
                   timeOfDayText(day.peakSecond) + "," + timeOfDayText(day.endSecond) + "," +
                   std::to_string(day.durationSeconds) + "," +
                   reportNumberText(static_cast<double>(day.minSeparation)) + "," +
                   dateText(day.startDate) + "," + dateText(day.endDate) + lineEnd;
        }
    }
    return csv;
}

std::string sunOutageTable(const SunOutageReport& report, const std::string& siteDescription,
                           const char* lineEnd) {
    std::string table = sunTableHeading(
        siteDescription,
        u8"日凌 " + std::to_string(report.year) + u8"年  天线口径" +
            reportNumberText(static_cast<double>(report.dishMetres)) + u8"米  频率" +
            gigahertz(report.frequencyHz) + u8"GHz  波束宽度" + fixedText(report.beamwidth, 2) +
            u8"度  门限" + fixedText(report.threshold, 2) + u8"度  " +
            zoneLine(report.zoneOffsetMinutes),
        lineEnd);
    for (const SatelliteSunOutages& satellite : report.satellites) {
        table += satelliteTableStart(satellite.name, satellite.longitudeText, satellite.visible,
                                     u8"卫星在地平线以下，无日凌", lineEnd);
        if (!satellite.visible) continue;
        if (satellite.days.empty()) {
            table += u8"无日凌";
            table += lineEnd;
            continue;
        }
        table += u8"日凌：" + seasonsText(satellite.days) + lineEnd;
        // The headings are two characters, four columns, wide. The start and
        // the end leave room for a day mark: 23:44:18-1 began the day before.
        table += u8"  日期        开始        最强      结束          分钟";
        table += lineEnd;
        for (const SunOutageDay& day : satellite.days) {
            table += "  " + padded(dateText(day.date), 12) + timeColumn(day.startSecond) +
                     padded(timeOfDayText(day.peakSecond), 10) + timeColumn(day.endSecond) +
                     rightAligned(minutesText(day.durationSeconds), 6) + lineEnd;
        }
    }
    return table;
}
