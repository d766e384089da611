#include "fieldkit/results_export.h"

#include <cstring>
#include <optional>

#include "encoding/text_encoding.h"
#include "fieldkit/field_report.h"
#include "fieldkit/field_survey.h"
#include "fieldkit/fieldkit_texts.h"
#include "fieldkit/magnetic_model.h"

namespace {

bool fitsFileName(unsigned char byte) {
    return byte >= 0x20 && std::strchr("\\/:*?\"<>|", byte) == nullptr;
}

}  // namespace

std::string resultsCsvFile(const SatelliteTable& table, const ReceivingSite& site,
                           const char* siteDescription, const CalendarDate& date) {
    // As kestrave-cli reads --date YYYY-MM-DD.
    const FieldSurvey survey =
        surveyField(table, site, siteDescription, dateText(date), decimalYearOf(date), 0);
    return Utf8ByteOrderMark +
           fieldReportCsv(buildFieldReport(table, survey, std::nullopt), "\r\n");
}

std::string siteFileName(const char* start, const char* siteDescription, const CalendarDate& date,
                         const char* extension) {
    std::string name = start;
    for (const char* at = siteDescription; *at != '\0' && *at != '\r' && *at != '\n'; ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        // A double-byte character stays whole: its trail byte may be '\\' or '|'.
        if (byte >= 0x81 && byte <= 0xFE && at[1] != '\0') {
            name += at[0];
            name += at[1];
            ++at;
        } else {
            name += fitsFileName(byte) ? *at : '_';
        }
    }
    return name + "_" + dateText(date) + extension;
}

std::string resultsFileName(const char* siteDescription, const CalendarDate& date) {
    return siteFileName(fieldkit_text::ResultsFileStart, siteDescription, date, ".csv");
}
