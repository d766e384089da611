#include "cli/multifeed_output.h"

#include "cli/field_report_json.h"
#include "encoding/text_encoding.h"
#include "numtext/numtext.h"

namespace {

using Json = nlohmann::ordered_json;

ReportValue number(long double value) {
    return {ReportValue::Kind::Number, "", static_cast<double>(value), false};
}

std::string fixed(long double value, int decimals) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, decimals);
    return text;
}

// The main satellite as the heading names it: 134.00度 亚太6C  (Apstar 6C).
std::string mainText(const MultifeedPlan& plan, const std::string& mainName) {
    const std::string longitude = fixed(plan.mainLongitude, 2) + u8"度";
    return mainName.empty() ? longitude : longitude + " " + mainName;
}

}  // namespace

std::vector<ReportField> multifeedFields(const MultifeedSatellite& satellite,
                                         const std::string& nameUtf8) {
    const FeedPlacement& p = satellite.placement;
    return {
        {"name", {ReportValue::Kind::Text, nameUtf8, 0, false}},
        {"longitude", number(satellite.longitude)},
        {"separation_deg", number(p.separation)},
        {"right_deg", number(p.right)},
        {"up_deg", number(p.up)},
        {"lnb_right_mm", number(p.lnbRightMm)},
        {"lnb_up_mm", number(p.lnbUpMm)},
        {"skew_deg", number(satellite.skew)},
        {"relative_skew_deg", number(satellite.relativeSkew)},
    };
}

std::string multifeedJson(const FieldReport& report, const MultifeedOptions& options,
                          const MultifeedPlan& plan, const std::string& mainName) {
    Json main;
    main["name"] = mainName;
    main["longitude"] = static_cast<double>(plan.mainLongitude);
    main["elevation_deg"] = static_cast<double>(plan.main.elevation);
    main["azimuth_deg"] = static_cast<double>(plan.main.azimuth);
    main["skew_deg"] = static_cast<double>(plan.main.polarisation);
    Json satellites = Json::array();
    for (const MultifeedSatellite& satellite : plan.satellites) {
        Json entry;
        for (const ReportField& field : multifeedFields(satellite, utf8FromCp936(satellite.name)))
            entry[field.key] = reportValueJson(field.value);
        satellites.push_back(entry);
    }
    Json multifeed;
    multifeed["main"] = main;
    multifeed["focal_length_mm"] = static_cast<double>(options.dish.focalLengthMm);
    multifeed["diameter_mm"] = static_cast<double>(options.dish.diameterMm);
    multifeed["beam_deviation_factor"] = static_cast<double>(plan.beamDeviation);
    multifeed["satellites"] = satellites;
    Json document = fieldReportDocument(report);
    document["multifeed"] = multifeed;
    return document.dump(2) + "\n";
}

std::string multifeedCsv(const MultifeedPlan& plan, const char* lineEnd) {
    std::string csv;
    for (const ReportField& field : multifeedFields(MultifeedSatellite(), "")) {
        if (!csv.empty()) csv += ",";
        csv += field.key;
    }
    csv += lineEnd;
    for (const MultifeedSatellite& satellite : plan.satellites) {
        std::string row;
        for (const ReportField& field : multifeedFields(satellite, utf8FromCp936(satellite.name))) {
            if (!row.empty()) row += ",";
            row += field.value.kind == ReportValue::Kind::Text
                       ? csvField(field.value.text)
                       : reportNumberText(field.value.number);
        }
        csv += row + lineEnd;
    }
    return csv;
}

std::string multifeedTable(const MultifeedOptions& options, const MultifeedPlan& plan,
                           const std::string& mainName, const std::string& siteDescription,
                           const char* lineEnd) {
    std::string table;
    // The description's own lines end in "\r\n".
    std::size_t start = 0;
    for (std::size_t end; (end = siteDescription.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        table += siteDescription.substr(start, end - start) + lineEnd;
    table += siteDescription.substr(start) + lineEnd;
    table += lineEnd;
    table += u8"一锅多星  主星 " + mainText(plan, mainName) + lineEnd;
    table += u8"焦距" + fixed(options.dish.focalLengthMm, 0) + u8"毫米  口径" +
             fixed(options.dish.diameterMm, 0) + u8"毫米  波束偏移因子" +
             fixed(plan.beamDeviation, 3) + u8"  主星极化角" + fixed(plan.main.polarisation, 2) +
             u8"度" + lineEnd;
    table += u8"（从天线背后看，高频头相对主星高频头的位置）";
    table += lineEnd;
    if (plan.satellites.empty()) {
        table += lineEnd;
        table += u8"20度以内没有其他卫星";
        table += lineEnd;
    }
    for (const MultifeedSatellite& satellite : plan.satellites) {
        const FeedPlacement& p = satellite.placement;
        table += lineEnd;
        table +=
            utf8FromCp936(satellite.name) + "  " + fixed(satellite.longitude, 2) + u8"度" + lineEnd;
        table += u8"  夹角" + fixed(p.separation, 2) + u8"度  左右" + fixed(p.right, 2) +
                 u8"度  上下" + fixed(p.up, 2) + u8"度  极化角" + fixed(satellite.skew, 2) +
                 u8"度（相对主星" + fixed(satellite.relativeSkew, 2) + u8"度）" + lineEnd;
        table += u8"  高频头：" + utf8FromCp936(feedMoveText(p)) + lineEnd;
    }
    return table;
}
