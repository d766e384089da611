#pragma once
// kestrave-cli's JSON: the field kit's report as one object.

#include <nlohmann/json.hpp>
#include <string>

#include "fieldkit/field_report.h"

// A report's value as JSON: a string, a number or a truth.
nlohmann::ordered_json reportValueJson(const ReportValue& value);

// {"site": {...}, "satellites": [...]}, for a writer that adds to it.
nlohmann::ordered_json fieldReportDocument(const FieldReport& report);

// The same as text, ending with "\n".
std::string fieldReportJson(const FieldReport& report);
