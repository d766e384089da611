#include "fieldkit/field_report.h"

#include <cmath>
#include <nlohmann/detail/conversions/to_chars.hpp>

#include "calc/recalculation.h"
#include "encoding/text_encoding.h"

namespace {

ReportValue text(const std::string& value) { return {ReportValue::Kind::Text, value, 0, false}; }
ReportValue number(long double value) {
    return {ReportValue::Kind::Number, "", static_cast<double>(value), false};
}
ReportValue truth(bool value) { return {ReportValue::Kind::Truth, "", 0, value}; }
ReportValue numberOrNothing(const std::optional<long double>& value) {
    return value ? number(*value) : ReportValue{ReportValue::Kind::Nothing, "", 0, false};
}

std::string csvValue(const ReportValue& value) {
    switch (value.kind) {
        case ReportValue::Kind::Number:
            return reportNumberText(value.number);
        case ReportValue::Kind::Truth:
            return value.truth ? "true" : "false";
        case ReportValue::Kind::Nothing:
            return "";
        case ReportValue::Kind::Text:
            break;
    }
    return csvField(value.text);
}

}  // namespace

// A field quoted when it holds a comma, a quote or a line end.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

FieldReport buildFieldReport(const SatelliteTable& table, const FieldSurvey& survey,
                             std::optional<double> offsetAngle) {
    FieldReport report;
    report.site.name = utf8FromCp936(survey.siteName);
    report.site.longitude = survey.site.longitude;
    report.site.latitude = survey.site.latitude;
    report.site.heightMetres = survey.heightMetres;
    report.site.date = survey.dateText;
    report.site.decimalYear = survey.decimalYear;
    report.site.declination = survey.magnetic.declination;
    report.site.magneticModel = survey.modelName;
    report.site.modelValid = survey.magnetic.withinValidity;
    report.site.polarMount = polarMountAt(survey.site.latitude);
    report.site.visibleArc = visibleArcOf(survey.site);
    report.withOffset = offsetAngle.has_value();
    report.withHorizon = survey.horizon.has_value();
    for (int row = 0; row < table.rowCount(); ++row) {
        FieldReportRow line;
        line.name = utf8FromCp936(cellText(table, row, ColumnName));
        line.longitudeText = utf8FromCp936(cellText(table, row, ColumnLongitude));
        line.longitude = rowLongitude(table, row);
        line.elevationText = utf8FromCp936(cellText(table, row, ColumnElevation));
        line.azimuthText = utf8FromCp936(cellText(table, row, ColumnAzimuth));
        line.polarisationText = utf8FromCp936(cellText(table, row, ColumnPolarisation));
        line.numbers = survey.satellites[static_cast<std::size_t>(row)].numbers;
        if (offsetAngle)
            line.offsetElevation = offsetDishElevation(line.numbers.elevation, *offsetAngle);
        if (survey.horizon) line.clearance = satelliteClearance(*survey.horizon, line.numbers);
        line.motorAngle = motorAngle(line.longitude, survey.site);
        report.rows.push_back(line);
    }
    return report;
}

std::vector<ReportField> satelliteFields(const FieldReportRow& row) {
    std::vector<ReportField> fields = {
        {"name", text(row.name)},
        {"longitude_text", text(row.longitudeText)},
        {"longitude", number(row.longitude)},
        {"elevation", number(row.numbers.elevation)},
        {"elevation_text", text(row.elevationText)},
        {"azimuth", number(row.numbers.azimuth)},
        {"azimuth_text", text(row.azimuthText)},
        {"magnetic_azimuth", number(row.numbers.magneticAzimuth)},
        {"polarisation", number(row.numbers.polarisation)},
        {"polarisation_text", text(row.polarisationText)},
        {"range_km", number(row.numbers.rangeKm)},
        {"delay_ms", number(row.numbers.delayMs)},
        {"visible", truth(row.numbers.visible)},
    };
    if (row.offsetElevation) fields.push_back({"offset_elevation", number(*row.offsetElevation)});
    if (row.clearance) {
        fields.push_back({"horizon_elevation", number(row.clearance->horizonElevation)});
        fields.push_back({"clearance", number(row.clearance->clearance)});
        fields.push_back({"clear", truth(row.clearance->clear)});
    }
    fields.push_back({"motor_angle", numberOrNothing(row.motorAngle)});
    return fields;
}

std::string reportNumberText(double value) {
    if (!std::isfinite(value)) return "null";
    // nlohmann/json's own shortest form, so that CSV and JSON agree digit for digit.
    char digits[64];
    char* end = nlohmann::detail::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

std::string fieldReportCsv(const FieldReport& report, const char* lineEnd) {
    FieldReportRow header;
    if (report.withOffset) header.offsetElevation = 0;
    if (report.withHorizon) header.clearance = HorizonClearance();
    std::string csv;
    const char* separator = "";
    for (const ReportField& field : satelliteFields(header)) {
        csv += separator + csvField(field.key);
        separator = ",";
    }
    csv += lineEnd;
    for (const FieldReportRow& row : report.rows) {
        separator = "";
        for (const ReportField& field : satelliteFields(row)) {
            csv += separator + csvValue(field.value);
            separator = ",";
        }
        csv += lineEnd;
    }
    return csv;
}
