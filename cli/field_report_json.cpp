#include "cli/field_report_json.h"

#include <nlohmann/json.hpp>

#include "cli/field_report_site_json.h"

namespace {

using Json = nlohmann::ordered_json;

Json jsonValue(const ReportValue& value) {
    switch (value.kind) {
        case ReportValue::Kind::Number:
            return value.number;
        case ReportValue::Kind::Truth:
            return value.truth;
        case ReportValue::Kind::Nothing:
            return nullptr;
        case ReportValue::Kind::Text:
            break;
    }
    return value.text;
}

}  // namespace

nlohmann::ordered_json fieldReportSiteJson(const FieldReportSite& site) {
    Json json;
    json["name"] = site.name;
    json["longitude"] = static_cast<double>(site.longitude);
    json["latitude"] = static_cast<double>(site.latitude);
    json["height_m"] = site.heightMetres;
    json["date"] = site.date;
    json["decimal_year"] = site.decimalYear;
    json["declination"] = site.declination;
    json["magnetic_model"] = site.magneticModel;
    json["model_valid"] = site.modelValid;
    json["polar_mount"] = {
        {"axis_elevation", static_cast<double>(site.polarMount.axisElevation)},
        {"declination_offset", static_cast<double>(site.polarMount.declinationOffset)},
        {"meridian_elevation", static_cast<double>(site.polarMount.meridianElevation)}};
    json["visible_arc"] = nullptr;
    if (site.visibleArc)
        json["visible_arc"] = {{"west", static_cast<double>(site.visibleArc->west)},
                               {"east", static_cast<double>(site.visibleArc->east)}};
    return json;
}

std::string fieldReportJson(const FieldReport& report) {
    const Json site = fieldReportSiteJson(report.site);
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
