#pragma once
// The field kit's report of a survey: per satellite the table's texts and
// the numbers behind them, all texts UTF-8, as kestrave-cli writes it in CSV
// and JSON and the program exports it for Excel. The CSV is written here;
// the JSON writer (kestrave-cli's) takes the same fields in the same order.

#include <optional>
#include <string>
#include <vector>

#include "data/satellite_table.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/field_survey.h"
#include "fieldkit/horizon.h"
#include "fieldkit/polar_mount.h"

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
    PolarMount polarMount;
    std::optional<VisibleArc> visibleArc;  // none near the poles
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
    std::optional<HorizonClearance> clearance;   // with the obstacles only
    std::optional<long double> motorAngle;       // none outside the visible arc
};

struct FieldReport {
    FieldReportSite site;
    std::vector<FieldReportRow> rows;
    bool withOffset = false;   // every row has its offset elevation
    bool withHorizon = false;  // every row has its clearance
};

// The report of every row of the recalculated `table` (code page 936 cells)
// and its survey, with the offset-dish elevation when an offset angle is given
// and each satellite's clearance when the survey has its obstacles.
FieldReport buildFieldReport(const SatelliteTable& table, const FieldSurvey& survey,
                             std::optional<double> offsetAngle);

// One value of a report: a text, a number, a truth or nothing (JSON's
// null, an empty CSV field).
struct ReportValue {
    enum class Kind { Text, Number, Truth, Nothing };
    Kind kind = Kind::Text;
    std::string text;  // UTF-8
    double number = 0;
    bool truth = false;
};
struct ReportField {
    const char* key;
    ReportValue value;
};

// A satellite's fields in their order: name, longitude_text, longitude, ...,
// then offset_elevation, then horizon_elevation, clearance and clear, and
// last motor_angle.
std::vector<ReportField> satelliteFields(const FieldReportRow& row);

// A number as JSON writes it: the shortest text that reads back as the same
// double ("42.0" for a whole number, "1e-05"), "null" when not finite.
std::string reportNumberText(double value);

// A CSV field: quoted, its quotes doubled, when it holds a comma, a quote or
// a line end.
std::string csvField(const std::string& text);

// RFC 4180: a header row and one row per satellite, each ended by `lineEnd`.
std::string fieldReportCsv(const FieldReport& report, const char* lineEnd);
