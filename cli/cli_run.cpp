#include "cli/cli_run.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/recalculation.h"
#include "calc/result_text.h"
#include "cli/cli_options.h"
#include "cli/satellite_list_file.h"
#include "cli/text_encoding.h"
#include "data/change_flags.h"
#include "data/gazetteer.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"

namespace {

constexpr int ExitDone = 0;
constexpr int ExitOutputFailed = 1;
constexpr int ExitBadInput = 2;

int fail(std::string& err, const std::string& message, int status) {
    err += "kestrave-cli: " + message + "\n";
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
    std::string names;
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) names.append(name).append(lineEnd);
    return names;
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

    ReceivingSite site;
    if (!siteFromOptions(options, site, error)) return fail(err, error, ExitBadInput);

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
