#pragma once
// kestrave-cli's JSON: the field kit's report as one object.

#include <string>

#include "fieldkit/field_report.h"

// {"site": {...}, "satellites": [...]}, ending with "\n".
std::string fieldReportJson(const FieldReport& report);
