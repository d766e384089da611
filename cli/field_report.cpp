#include "cli/field_report.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

// The satellite's fields in their order; CSV and JSON share them.
Json satelliteObject(const FieldReportRow& row) {
    Json satellite;
    satellite["name"] = row.name;
    satellite["longitude_text"] = row.longitudeText;
    satellite["longitude"] = static_cast<double>(row.longitude);
    satellite["elevation"] = static_cast<double>(row.numbers.elevation);
    satellite["elevation_text"] = row.elevationText;
    satellite["azimuth"] = static_cast<double>(row.numbers.azimuth);
    satellite["azimuth_text"] = row.azimuthText;
    satellite["magnetic_azimuth"] = static_cast<double>(row.numbers.magneticAzimuth);
    satellite["polarisation"] = static_cast<double>(row.numbers.polarisation);
    satellite["polarisation_text"] = row.polarisationText;
    satellite["range_km"] = static_cast<double>(row.numbers.rangeKm);
    satellite["delay_ms"] = static_cast<double>(row.numbers.delayMs);
    satellite["visible"] = row.numbers.visible;
    if (row.offsetElevation)
        satellite["offset_elevation"] = static_cast<double>(*row.offsetElevation);
    return satellite;
}

// A field quoted when it holds a comma, a quote or a line end.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string fieldReportJson(const FieldReport& report) {
    Json site;
    site["name"] = report.site.name;
    site["longitude"] = static_cast<double>(report.site.longitude);
    site["latitude"] = static_cast<double>(report.site.latitude);
    site["height_m"] = report.site.heightMetres;
    site["date"] = report.site.date;
    site["decimal_year"] = report.site.decimalYear;
    site["declination"] = report.site.declination;
    site["magnetic_model"] = report.site.magneticModel;
    site["model_valid"] = report.site.modelValid;
    Json satellites = Json::array();
    for (const FieldReportRow& row : report.rows) satellites.push_back(satelliteObject(row));
    Json document;
    document["site"] = site;
    document["satellites"] = satellites;
    // Texts are UTF-8 already; nothing is escaped beyond what JSON needs.
    return document.dump(2) + "\n";
}

std::string fieldReportCsv(const FieldReport& report, const char* lineEnd) {
    FieldReportRow header;
    if (report.withOffset) header.offsetElevation = 0;
    std::string csv;
    bool first = true;
    const Json headerObject = satelliteObject(header);
    for (const auto& field : headerObject.items()) {
        csv += (first ? "" : ",") + csvField(field.key());
        first = false;
    }
    csv += lineEnd;
    for (const FieldReportRow& row : report.rows) {
        first = true;
        const Json rowObject = satelliteObject(row);
        for (const auto& field : rowObject.items()) {
            const Json& value = field.value();
            // Numbers as JSON writes them: shortest round trip, no locale.
            csv += (first ? "" : ",") +
                   csvField(value.is_string() ? value.get<std::string>() : value.dump());
            first = false;
        }
        csv += lineEnd;
    }
    return csv;
}
