#pragma once
// The "site" object of kestrave-cli's JSON, shared by every report it writes.

#include <nlohmann/json.hpp>

#include "fieldkit/field_report.h"

nlohmann::ordered_json fieldReportSiteJson(const FieldReportSite& site);
