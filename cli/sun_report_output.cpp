#include "cli/sun_report_output.h"

#include <cstdlib>

#include "cli/field_report_site_json.h"
#include "fieldkit/sun_outage.h"
#include "numtext/numtext.h"

std::string fixedText(long double value, int decimals) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, decimals);
    return text;
}

std::string zoneText(int zoneOffsetMinutes) {
    const int minutes = std::abs(zoneOffsetMinutes);
    char text[] = "UTC+00:00";
    text[3] = zoneOffsetMinutes < 0 ? '-' : '+';
    text[4] = static_cast<char>('0' + minutes / 600);
    text[5] = static_cast<char>('0' + minutes / 60 % 10);
    text[7] = static_cast<char>('0' + minutes % 60 / 10);
    text[8] = static_cast<char>('0' + minutes % 10);
    return text;
}

std::string zoneLine(int zoneOffsetMinutes) {
    if (zoneOffsetMinutes == BeijingZoneMinutes)
        return u8"时间：北京时间（" + zoneText(zoneOffsetMinutes) + u8"）";
    return u8"时间：" + zoneText(zoneOffsetMinutes);
}

std::string descriptionLines(const std::string& siteDescription, const char* lineEnd) {
    // The description's own lines end in "\r\n".
    std::string lines;
    std::size_t start = 0;
    for (std::size_t end; (end = siteDescription.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines += siteDescription.substr(start, end - start) + lineEnd;
    return lines + siteDescription.substr(start) + lineEnd;
}

std::string sunReportJson(const FieldReportSite& site, const char* settingsName,
                          nlohmann::ordered_json settings, int zoneOffsetMinutes,
                          const nlohmann::ordered_json& satellites) {
    settings["time_zone"] = zoneText(zoneOffsetMinutes);
    nlohmann::ordered_json document;
    document["site"] = fieldReportSiteJson(site);
    document[settingsName] = settings;
    document["satellites"] = satellites;
    return document.dump(2) + "\n";
}

std::string satelliteCsvLead(const std::string& name, long double longitude) {
    return csvField(name) + "," + reportNumberText(static_cast<double>(longitude)) + ",";
}

std::string sunTableHeading(const std::string& siteDescription, const std::string& heading,
                            const char* lineEnd) {
    return descriptionLines(siteDescription, lineEnd) + lineEnd + heading + lineEnd;
}

std::string satelliteTableStart(const std::string& name, const std::string& longitudeText,
                                bool visible, const std::string& belowHorizon,
                                const char* lineEnd) {
    std::string start = lineEnd + name + "  " + longitudeText + u8"度  ";
    if (!visible) start += belowHorizon + lineEnd;
    return start;
}
