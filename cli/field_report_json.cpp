#include "cli/field_report_json.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json jsonValue(const ReportValue& value) {
    switch (value.kind) {
        case ReportValue::Kind::Number:
            return value.number;
        case ReportValue::Kind::Truth:
            return value.truth;
        case ReportValue::Kind::Text:
            break;
    }
    return value.text;
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
    for (const FieldReportRow& row : report.rows) {
        Json satellite;
        for (const ReportField& field : satelliteFields(row))
            satellite[field.key] = jsonValue(field.value);
        satellites.push_back(satellite);
    }
    Json document;
    document["site"] = site;
    document["satellites"] = satellites;
    // Texts are UTF-8 already; nothing is escaped beyond what JSON needs.
    return document.dump(2) + "\n";
}
