#include "cli/cli_run.h"

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/recalculation.h"
#include "calc/result_text.h"
#include "cli/cli_options.h"
#include "cli/field_report.h"
#include "cli/satellite_list_file.h"
#include "data/change_flags.h"
#include "data/gazetteer.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "encoding/text_encoding.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/sky_layout.h"
#include "fieldkit/sky_svg.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitOutputFailed = 1;
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

bool readFile(const std::string& path, std::string& text) {
    std::error_code ignored;
    if (std::filesystem::is_directory(std::filesystem::u8path(path), ignored)) return false;
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file) return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary);
    file << bytes;
    file.close();
    return !file.fail();
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

// The gazetteer's names in table order, one per line.
std::string placeNames(const char* lineEnd) {
    GazetteerCursor cursor;
    std::string names;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) names.append(name).append(lineEnd);
    return names;
}

// Today's local date as YYYY-MM-DD.
std::string today() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return "";
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

std::string cellText(const MemorySatelliteTable& table, int row, int column) {
    char text[CellTextCapacity];
    table.getCell(row, column, text, sizeof text);
    return text;
}

std::string utf8Of(const std::string& cp936) {
    std::string utf8;
    return cp936ToUtf8(cp936, utf8) ? utf8 : std::string();
}

// The field kit's numbers for every row of the recalculated table, with
// the rows as the sky picture takes them.
FieldReport fieldReport(const MemorySatelliteTable& table, const ReceivingSite& site,
                        const char* description, const FieldOptions& field,
                        const MagneticField& magnetic,
                        const std::vector<SkySatelliteInput>& satellites) {
    FieldReport report;
    report.site.name = utf8Of(siteNameLine(description));
    report.site.longitude = site.longitude;
    report.site.latitude = site.latitude;
    report.site.heightMetres = field.heightMetres;
    report.site.date = field.dateText;
    report.site.decimalYear = field.decimalYear;
    report.site.declination = magnetic.declination;
    report.site.magneticModel = wmm2025().name;
    report.site.modelValid = magnetic.withinValidity;
    report.withOffset = field.offset.has_value();
    for (int row = 0; row < table.rowCount(); ++row) {
        FieldReportRow line;
        line.name = utf8Of(cellText(table, row, ColumnName));
        line.longitudeText = utf8Of(cellText(table, row, ColumnLongitude));
        line.longitude = rowLongitude(table, row);
        line.elevationText = utf8Of(cellText(table, row, ColumnElevation));
        line.azimuthText = utf8Of(cellText(table, row, ColumnAzimuth));
        line.polarisationText = utf8Of(cellText(table, row, ColumnPolarisation));
        line.numbers = satellites[static_cast<std::size_t>(row)].numbers;
        if (field.offset)
            line.offsetElevation = offsetDishElevation(line.numbers.elevation, *field.offset);
        report.rows.push_back(line);
    }
    return report;
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
    if (options.cities) {
        if (options.encoding == OutputEncoding::Gbk) {
            out += placeNames("\r\n");
            return ExitDone;
        }
        std::string utf8;
        if (!cp936ToUtf8(placeNames("\n"), utf8))
            return fail(err, "the place names cannot be converted to UTF-8", ExitOutputFailed);
        out += utf8;
        return ExitDone;
    }
    if (options.format == OutputFormat::Json && options.encoding == OutputEncoding::Gbk)
        return fail(err, "--format json is always UTF-8: leave out --encoding gbk", ExitBadInput);

    ReceivingSite site;
    if (!siteFromOptions(options, site, error)) return fail(err, error, ExitBadInput);
    FieldOptions field;
    if (!fieldOptionsFromOptions(options, today(), field, error))
        return fail(err, error, ExitBadInput);

    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    if (options.listFile) {
        std::string fileText;
        std::string list;
        if (!readFile(*options.listFile, fileText))
            return fail(err, "--list \"" + *options.listFile + "\": cannot be read", ExitBadInput);
        if (!satelliteListFromUtf8(fileText, list, error))
            return fail(err, *options.listFile + ": " + error, ExitBadInput);
        fillSatelliteTable(table, list.data(), list.size());
    } else {
        fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    }

    // The site's name stands in the city box; an empty one makes the
    // description's first line read 地名不详.
    const std::string cityBoxText = site.name;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll(cityBoxText.c_str(), site, table, flags, description);

    const MagneticField magnetic = evaluateMagneticField(
        wmm2025(), static_cast<double>(site.latitude), static_cast<double>(site.longitude),
        field.heightMetres / 1000, field.decimalYear);
    // Only the new outputs depend on the date: the table stays as it is.
    if (!magnetic.withinValidity && (options.format != OutputFormat::Table || options.skyFile))
        err += "kestrave-cli: warning: " +
               oneLine("--date " + field.dateText +
                       " lies outside WMM2025's validity (2025.0 to 2030.0); the declination "
                       "is less certain") +
               "\n";

    const std::vector<SkySatelliteInput> skySatellites =
        skySatellitesOf(table, site, magnetic.declination);
    const FieldReport report =
        fieldReport(table, site, description, field, magnetic, skySatellites);
    if (options.skyFile) {
        const SkyLayout layout =
            layoutSkyPicture(site, field.dateText, magnetic.declination, wmm2025().name,
                             magnetic.withinValidity, skySatellites);
        if (!writeFile(*options.skyFile, skyPictureSvg(layout, cp936ToUtf8)))
            return fail(err, "--sky \"" + *options.skyFile + "\": cannot be written",
                        ExitOutputFailed);
    }

    if (options.format == OutputFormat::Json) {
        out += fieldReportJson(report);
        return ExitDone;
    }
    if (options.format == OutputFormat::Csv) {
        if (options.encoding == OutputEncoding::Utf8) {
            out += fieldReportCsv(report, "\n");
            return ExitDone;
        }
        std::string gbk;
        if (!utf8ToCp936(fieldReportCsv(report, "\r\n"), gbk))
            return fail(err, "the results cannot be converted to code page 936", ExitOutputFailed);
        out += gbk;
        return ExitDone;
    }

    std::string text(resultTextCapacity(table.rowCount(), std::strlen(description)), '\0');
    text.resize(formatResultText(description, table, text.data(), text.size()));

    if (options.encoding == OutputEncoding::Gbk) {
        out += text;
        return ExitDone;
    }
    std::string utf8;
    if (!cp936ToUtf8(text, utf8))
        return fail(err, "the results cannot be converted to UTF-8; try --encoding gbk",
                    ExitOutputFailed);
    out += withUnixLineEnds(utf8);
    return ExitDone;
}
