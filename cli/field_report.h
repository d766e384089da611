#pragma once
// kestrave-cli's CSV and JSON: per satellite the table's texts and the
// field kit's numbers, all texts UTF-8.

#include <optional>
#include <string>
#include <vector>

#include "fieldkit/field_numbers.h"

struct FieldReportSite {
    std::string name;  // as the site description shows it (地名不详 when none)
    long double longitude = 0;
    long double latitude = 0;
    double heightMetres = 0;
    std::string date;  // the calendar date, or the decimal year as given
    double decimalYear = 0;
    double declination = 0;
    std::string magneticModel;
    bool modelValid = true;
};

struct FieldReportRow {
    std::string name;
    std::string longitudeText;
    long double longitude = 0;
    std::string elevationText;
    std::string azimuthText;
    std::string polarisationText;
    SatelliteFieldNumbers numbers;
    std::optional<long double> offsetElevation;  // with an offset dish only
};

struct FieldReport {
    FieldReportSite site;
    std::vector<FieldReportRow> rows;
    bool withOffset = false;  // every row has its offset elevation
};

// One JSON object {"site": {...}, "satellites": [...]}, ending with "\n".
std::string fieldReportJson(const FieldReport& report);

// RFC 4180: a header row and one row per satellite, each ended by `lineEnd`.
std::string fieldReportCsv(const FieldReport& report, const char* lineEnd);
