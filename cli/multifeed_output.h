#pragma once
// kestrave-cli --multifeed: the satellites an LNB beside the main one can
// receive on the same dish, as a table, CSV or JSON. All texts are UTF-8.

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "fieldkit/field_report.h"
#include "fieldkit/multifeed.h"

// A satellite's fields in their order: name, longitude, separation_deg,
// right_deg, up_deg, lnb_right_mm, lnb_up_mm, skew_deg, relative_skew_deg.
// `nameUtf8` is its name cell in UTF-8.
std::vector<ReportField> multifeedFields(const MultifeedSatellite& satellite,
                                         const std::string& nameUtf8);

// The field report's JSON with "multifeed": {"main": {...}, "focal_length_mm",
// "diameter_mm", "beam_deviation_factor", "satellites": [...]}, ending with
// "\n". `mainName` (UTF-8) is the list's name for the main satellite, or "".
std::string multifeedJson(const FieldReport& report, const MultifeedOptions& options,
                          const MultifeedPlan& plan, const std::string& mainName);

// A header row of the fields' keys, then one row per satellite, each ended
// by `lineEnd`.
std::string multifeedCsv(const MultifeedPlan& plan, const char* lineEnd);

// The site description (UTF-8, its lines ended by `lineEnd`), the dish, then
// per satellite a line with its name and longitude, one with its angles and
// skew and one with where its LNB goes, with Chinese words.
std::string multifeedTable(const MultifeedOptions& options, const MultifeedPlan& plan,
                           const std::string& mainName, const std::string& siteDescription,
                           const char* lineEnd);
