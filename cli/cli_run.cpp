#include "cli/cli_run.h"

#include <cstring>

#include "calc/current_satellite_list.h"
#include "calc/recalculation.h"
#include "calc/result_text.h"
#include "calc/satellite_list_file.h"
#include "cli/cli_options.h"
#include "cli/cli_usage.h"
#include "cli/field_report_json.h"
#include "cli/file_access.h"
#include "cli/horizon_option.h"
#include "cli/multifeed_output.h"
#include "cli/sun_aim_output.h"
#include "cli/sun_outage_output.h"
#include "data/change_flags.h"
#include "data/gazetteer.h"
#include "data/memory_satellite_table.h"
#include "data/place_match.h"
#include "data/satellite_catalogue.h"
#include "encoding/text_encoding.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/field_report.h"
#include "fieldkit/field_survey.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/sky_svg.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitOutputFailed = 1;
constexpr char ResultsRefusal[] = "the results cannot be converted to code page 936";
constexpr int ExitBadInput = 2;

// A message quotes what it refuses; a line end or other control character
// in a quoted value is written as an escape, so the message stays one line.
std::string oneLine(const std::string& message) {
    static const char Hex[] = "0123456789ABCDEF";
    std::string line;
    for (char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            line += c;
        } else if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else {
            line += "\\x";
            line += Hex[byte >> 4];
            line += Hex[byte & 0xF];
        }
    }
    return line;
}

int fail(std::string& err, const std::string& message, int status) {
    err += "kestrave-cli: " + oneLine(message) + "\n";
    return status;
}

std::string withUnixLineEnds(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result.push_back(text[i]);
    }
    return result;
}

// The gazetteer's names in table order, one per line ended by "\r\n"; with
// --match only those whose name, pinyin or initials begin with its text.
std::string placeNames(const CliOptions& options) {
    std::string names;
    if (options.match) {
        std::string typed;
        // A text code page 936 cannot hold begins no name and no reading.
        if (!utf8ToCp936(*options.match, typed)) return names;
        for (const std::string& name : matchingPlaces(typed.c_str()))
            names.append(name).append("\r\n");
        return names;
    }
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) names.append(name).append("\r\n");
    return names;
}

// `text`, in `encoding` (code page 936 with "\r\n" line ends, or UTF-8),
// written in the encoding asked for: as it is, or converted (UTF-8 with
// "\n"), or `refusal` where it cannot be.
int writeText(const CliOptions& options, OutputEncoding encoding, const std::string& text,
              const char* refusal, std::string& out, std::string& err) {
    if (options.encoding == encoding) {
        out += text;
        return ExitDone;
    }
    std::string converted;
    // No byte of a double-byte character is a line end: "\r" goes first.
    const bool done = encoding == OutputEncoding::Gbk
                          ? cp936ToUtf8(withUnixLineEnds(text), converted)
                          : utf8ToCp936(text, converted);
    if (!done) return fail(err, refusal, ExitOutputFailed);
    out += converted;
    return ExitDone;
}

// The line end of the encoding asked for.
const char* lineEndOf(const CliOptions& options) {
    return options.encoding == OutputEncoding::Gbk ? "\r\n" : "\n";
}

// --cities: the gazetteer's names.
int listCities(const CliOptions& options, std::string& out, std::string& err) {
    return writeText(options, OutputEncoding::Gbk, placeNames(options),
                     "the place names cannot be converted to UTF-8", out, err);
}

// A list file's refusal as the program words it, after the option and the file's name.
std::string listFileRefusal(const std::string& path, const SatelliteListFileResult& result) {
    std::string message;
    if (!cp936ToUtf8(satelliteListFileMessage(result), message))
        message = "line " + std::to_string(result.line) + ": refused";
    return "--list \"" + path + "\": " + message;
}

// The satellites of --list FILE, of --current-list, or the built-in ones.
bool loadSatellites(const CliOptions& options, MemorySatelliteTable& table, std::string& error) {
    insertSatelliteColumns(table);
    if (options.listFile && options.currentList) {
        error = "give either --list FILE or --current-list";
        return false;
    }
    if (options.currentList) {
        const SatelliteListFileResult current = parseCurrentSatelliteList();
        fillSatelliteTable(table, current.list.data(), current.list.size());
        return true;
    }
    if (!options.listFile) {
        fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
        return true;
    }
    // A file over the limit shows as one from its first limit + 1 bytes.
    std::string fileBytes;
    if (!readFileStart(*options.listFile, SatelliteListFileLimit, fileBytes)) {
        error = "--list \"" + *options.listFile + "\": cannot be read";
        return false;
    }
    const SatelliteListFileResult result = parseSatelliteListFile(fileBytes);
    if (result.fault != SatelliteListFault::None) {
        error = listFileRefusal(*options.listFile, result);
        return false;
    }
    fillSatelliteTable(table, result.list.data(), result.list.size());
    return true;
}

// Only the new outputs depend on the date: the table stays as it is, and
// says nothing of the magnetic model.
void warnOutsideModel(const CliOptions& options, const FieldSurvey& survey, std::string& err) {
    if (survey.magnetic.withinValidity ||
        (options.format == OutputFormat::Table && !options.skyFile))
        return;
    err += "kestrave-cli: warning: " +
           oneLine("--date " + survey.dateText +
                   " lies outside WMM2025's validity (2025.0 to 2030.0); the declination is "
                   "less certain") +
           "\n";
}

int writeFieldReport(const CliOptions& options, const FieldReport& report, std::string& out,
                     std::string& err) {
    if (options.format == OutputFormat::Json) {
        out += fieldReportJson(report);
        return ExitDone;
    }
    return writeText(options, OutputEncoding::Utf8, fieldReportCsv(report, lineEndOf(options)),
                     ResultsRefusal, out, err);
}

// The table exactly as the program copies it to the clipboard.
int writeTable(const CliOptions& options, const MemorySatelliteTable& table,
               const char* description, std::string& out, std::string& err) {
    std::string text(resultTextCapacity(table.rowCount(), std::strlen(description)), '\0');
    text.resize(formatResultText(description, table, text.data(), text.size()));
    return writeText(options, OutputEncoding::Gbk, text,
                     "the results cannot be converted to UTF-8; try --encoding gbk", out, err);
}

// A report instead of the pointing table (JSON, or CSV or a table in the
// encoding asked for), written by `write` with the line end the encoding takes.
template <class Write>
int writeReport(const CliOptions& options, const char* description, Write write, std::string& out,
                std::string& err) {
    std::string descriptionUtf8;
    if (!cp936ToUtf8(description, descriptionUtf8))
        return fail(err, "the site's name cannot be converted to UTF-8", ExitOutputFailed);
    return writeText(options, OutputEncoding::Utf8, write(descriptionUtf8, lineEndOf(options)),
                     ResultsRefusal, out, err);
}

// --sheet FILE.html: the installation sheet for the site, list, date, offset,
// dish, band and horizon given, besides the normal output.
bool writeSheet(const CliOptions& options, const SunOutageOptions& sun, const FieldSurvey& survey,
                const MemorySatelliteTable& table, const FieldOptions& field, std::string& err) {
    InstallSheetRequest request;
    request.offsetAngle = field.offset;
    request.dishMetres = sun.dishMetres;
    request.frequencyHz = sun.frequencyHz;
    request.bandText = sun.bandText;
    if (!parseCalendarDate(field.dateText, request.date)) request.date = localToday();
    const std::string html = installSheetHtml(buildInstallSheet(table, survey, request));
    if (writeWholeFile(*options.sheetFile, html)) return true;
    fail(err, "--sheet \"" + *options.sheetFile + "\": cannot be written", ExitBadInput);
    return false;
}

// How a sun report is built from the field report (a refusal is bad input)
// and written in each format.
template <class Asked, class Report>
struct SunReportKind {
    bool (*build)(const FieldReport&, const Asked&, Report&, std::string&);
    std::string (*json)(const Report&);
    std::string (*csv)(const Report&, const char*);
    std::string (*table)(const Report&, const std::string&, const char*);
};

// --sun-outage: every outage of the year instead of the pointing table.
const SunReportKind<SunOutageOptions, SunOutageReport> SunOutageReportKind{
    buildSunOutageReport, sunOutageJson, sunOutageCsv, sunOutageTable};
// --sun-aim: the day's moments instead of the pointing table.
const SunReportKind<SunAimOptions, SunAimReport> SunAimReportKind{buildSunAimReport, sunAimJson,
                                                                  sunAimCsv, sunAimTable};

template <class Asked, class Report>
int writeSunReport(const CliOptions& options, const SunReportKind<Asked, Report>& kind,
                   const Asked& asked, const FieldReport& report, const char* description,
                   std::string& out, std::string& err) {
    Report built;
    std::string error;
    if (!kind.build(report, asked, built, error)) return fail(err, error, ExitBadInput);
    auto write = [&](const std::string& descriptionUtf8, const char* lineEnd) {
        if (options.format == OutputFormat::Json) return kind.json(built);
        if (options.format == OutputFormat::Csv) return kind.csv(built, lineEnd);
        return kind.table(built, descriptionUtf8, lineEnd);
    };
    return writeReport(options, description, write, out, err);
}

// The list's name for the satellite at `longitude`, UTF-8, or "".
std::string nameAt(const SatelliteTable& table, long double longitude) {
    for (int row = 0; row < table.rowCount(); ++row)
        if (rowLongitude(table, row) == longitude)
            return utf8FromCp936(cellText(table, row, ColumnName));
    return "";
}

// --multifeed: the satellites in reach of the main one, instead of the pointing table.
int writeMultifeed(const CliOptions& options, const MultifeedOptions& multifeed,
                   const MemorySatelliteTable& table, const ReceivingSite& site,
                   const FieldSurvey& survey, const char* description, std::string& out,
                   std::string& err) {
    const MultifeedPlan plan = planMultifeed(table, site, multifeed.mainLongitude, multifeed.dish);
    if (!plan.main.visible)
        return fail(err,
                    "--multifeed \"" + *options.multifeed + "\": below the horizon at the site",
                    ExitBadInput);
    const std::string mainName = nameAt(table, multifeed.mainLongitude);
    auto write = [&](const std::string& descriptionUtf8, const char* lineEnd) {
        if (options.format == OutputFormat::Json)
            return multifeedJson(buildFieldReport(table, survey, std::nullopt), multifeed, plan,
                                 mainName);
        if (options.format == OutputFormat::Csv) return multifeedCsv(plan, lineEnd);
        return multifeedTable(multifeed, plan, mainName, descriptionUtf8, lineEnd);
    };
    return writeReport(options, description, write, out, err);
}

}  // namespace

int runKestraveCli(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
    CliOptions options;
    std::string error;
    if (!parseCliOptions(arguments, options, error))
        return fail(err, error + " (see --help)", ExitBadInput);
    if (options.help) {
        out += CliUsage;
        return ExitDone;
    }
    if (options.cities) return listCities(options, out, err);
    if (options.match) return fail(err, "--match needs --cities", ExitBadInput);
    if (options.format == OutputFormat::Json && options.encoding == OutputEncoding::Gbk)
        return fail(err, "--format json is always UTF-8: leave out --encoding gbk", ExitBadInput);

    ReceivingSite site;
    FieldOptions field;
    MemorySatelliteTable table;
    SunOutageOptions sun;
    SunAimOptions aim;
    MultifeedOptions multifeed;
    const std::string today = dateText(localToday());
    if (!siteFromOptions(options, site, error) ||
        !fieldOptionsFromOptions(options, today, field, error) ||
        !sunOutageOptionsFromOptions(options, sun, error) ||
        !sunAimOptionsFromOptions(options, today, aim, error) ||
        !multifeedOptionsFromOptions(options, multifeed, error) ||
        !loadSatellites(options, table, error))
        return fail(err, error, ExitBadInput);
    Horizon horizon;
    if (options.horizonFile && !loadHorizonOption(*options.horizonFile, horizon, error))
        return fail(err, error, ExitBadInput);

    // The site's name stands in the city box; an empty one makes the
    // description's first line read 地名不详.
    const std::string cityBoxText = site.name;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll(cityBoxText.c_str(), site, table, flags, description);

    FieldSurvey survey = surveyField(table, site, description, field.dateText, field.decimalYear,
                                     field.heightMetres);
    if (options.horizonFile) survey.horizon = horizon;
    warnOutsideModel(options, survey, err);
    if (options.skyFile &&
        !writeWholeFile(*options.skyFile, skyPictureSvg(layoutSkyPicture(survey), cp936ToUtf8)))
        return fail(err, "--sky \"" + *options.skyFile + "\": cannot be written", ExitOutputFailed);
    if (options.sheetFile && !writeSheet(options, sun, survey, table, field, err))
        return ExitBadInput;
    if (multifeed.wanted)
        return writeMultifeed(options, multifeed, table, site, survey, description, out, err);
    if (sun.wanted)
        return writeSunReport(options, SunOutageReportKind, sun,
                              buildFieldReport(table, survey, field.offset), description, out, err);
    if (aim.wanted)
        return writeSunReport(options, SunAimReportKind, aim,
                              buildFieldReport(table, survey, field.offset), description, out, err);
    if (options.format != OutputFormat::Table)
        return writeFieldReport(options, buildFieldReport(table, survey, field.offset), out, err);
    return writeTable(options, table, description, out, err);
}
