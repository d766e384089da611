#pragma once
// What kestrave-cli's two sun reports (--sun-outage, --sun-aim) share: the
// shape of their JSON, CSV and tables, and the time zone's texts. All texts
// are UTF-8.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "fieldkit/field_report.h"

// A number with `decimals` decimals, as the tables write it.
std::string fixedText(long double value, int decimals);

// UTC+08:00, UTC+00:00, UTC-03:30.
std::string zoneText(int zoneOffsetMinutes);
// 时间：北京时间（UTC+08:00）, or 时间：UTC+00:00.
std::string zoneLine(int zoneOffsetMinutes);
// The site description (UTF-8, its lines ended by "\r\n") with each line
// ended by `lineEnd`.
std::string descriptionLines(const std::string& siteDescription, const char* lineEnd);

// {"site": {...}, `settingsName`: {settings..., "time_zone"}, "satellites":
// [...]}, ending with "\n".
std::string sunReportJson(const FieldReportSite& site, const char* settingsName,
                          nlohmann::ordered_json settings, int zoneOffsetMinutes,
                          const nlohmann::ordered_json& satellites);
// The "satellites" list: for each, {"name", "longitude"} and what `fill`
// adds, fill(satellite, entry).
template <class Satellite, class Fill>
nlohmann::ordered_json satellitesJson(const std::vector<Satellite>& satellites, Fill fill) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Satellite& satellite : satellites) {
        nlohmann::ordered_json entry;
        entry["name"] = satellite.name;
        entry["longitude"] = static_cast<double>(satellite.longitude);
        fill(satellite, entry);
        list.push_back(entry);
    }
    return list;
}
// A JSON array of `items`, each written by itemJson(item).
template <class Item, class ItemJson>
nlohmann::ordered_json jsonArray(const std::vector<Item>& items, ItemJson itemJson) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Item& item : items) list.push_back(itemJson(item));
    return list;
}

// The first fields of a satellite's CSV rows: "name,longitude,".
std::string satelliteCsvLead(const std::string& name, long double longitude);

// The table's opening: the site description, a blank line and `heading`,
// each line ended by `lineEnd`.
std::string sunTableHeading(const std::string& siteDescription, const std::string& heading,
                            const char* lineEnd);
// A satellite's part of the table begins with a blank line and
// "NAME  LONGITUDE度  "; below the horizon `belowHorizon` ends the line and
// the part.
std::string satelliteTableStart(const std::string& name, const std::string& longitudeText,
                                bool visible, const std::string& belowHorizon, const char* lineEnd);
