#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <cstring>

#include "calc/memory_site_controls.h"
#include "calc/site_input.h"
#include "encoding/text_encoding.h"
#include "fieldkit/magnetic_model.h"
#include "numtext/numtext.h"

const char CliUsage[] =
    "Usage: kestrave-cli [--city NAME | --lon DEG --lat DEG] [--list FILE] [--date DATE]\n"
    "                    [--height METRES] [--offset DEG] [--format table|csv|json]\n"
    "                    [--encoding utf-8|gbk] [--sky FILE.svg]\n"
    "       kestrave-cli --cities [--encoding utf-8|gbk]\n"
    "\n"
    "Prints the antenna elevation, azimuth and polarisation angle for every\n"
    "satellite of the list, seen from the receiving site, as the fixed-width\n"
    "table that Kestrave copies to the clipboard; or, as CSV or JSON, the\n"
    "numbers an installer needs besides: the compass (magnetic) azimuth, the\n"
    "offset-dish elevation, the slant range and the signal's delay.\n"
    "\n"
    "  --city NAME       a place of the built-in gazetteer (default: 北京)\n"
    "  --lon DEG         site longitude in degrees, east positive (-180.5 to 180.5)\n"
    "  --lat DEG         site latitude in degrees, north positive (-90.5 to 90.5)\n"
    "  --list FILE       satellites from a UTF-8 text file, one LONGITUDE,DESCRIPTION\n"
    "                    per line (default: the 39 built-in satellites)\n"
    "  --date DATE       YYYY-MM-DD or a decimal year such as 2027.5, for the magnetic\n"
    "                    declination (WMM2025, valid 2025.0 to 2030.0; default: today)\n"
    "  --height METRES   site height above the WGS-84 ellipsoid (-1000 to 100000, default 0)\n"
    "  --offset DEG      the offset angle of an offset dish (0 to 60): adds the\n"
    "                    elevation to set on its scale\n"
    "  --format NAME     table (default), csv or json (json is always UTF-8)\n"
    "  --encoding NAME   utf-8 (default, \\n line ends) or gbk (code page 936 bytes\n"
    "                    with \\r\\n line ends, as on the clipboard)\n"
    "  --sky FILE.svg    also write a picture of the sky toward the equator with the\n"
    "                    geostationary arc and every satellite of the list\n"
    "  --cities          list the gazetteer's places, one per line\n"
    "  --help            show this help\n";

namespace {

// The site of the program's first start.
constexpr char DefaultCity[] = u8"北京";

std::string quotedValue(const char* option, const std::string& given) {
    return std::string(option) + " \"" + given + "\": ";
}

// Why the coordinate boxes refuse `given` (the rule itself is readSiteInput's).
std::string coordinateRefusal(const char* option, const std::string& given, int limit) {
    std::string text = given.substr(0, CoordinateTextCapacity - 1);
    long double value = 0;
    if (text.empty()) return quotedValue(option, given) + "no value given";
    if (TextToNumber(text.data(), &value) != 1) return quotedValue(option, given) + "not a number";
    return quotedValue(option, given) + "out of range (" +
           (limit == 180 ? "-180.5 to 180.5" : "-90.5 to 90.5") + ")";
}

// Both coordinates as the coordinate boxes read them.
bool coordinateSite(const std::string& longitude, const std::string& latitude, ReceivingSite& site,
                    std::string& error) {
    MemorySiteControls controls(site);
    controls.longitudeText = longitude;
    controls.latitudeText = latitude;
    readSiteInput(controls, site);
    if (controls.recalculateEnabled) return true;

    // The boxes judge the longitude first: is it good beside a good latitude?
    ReceivingSite probe;
    MemorySiteControls longitudeAlone(probe);
    longitudeAlone.longitudeText = longitude;
    longitudeAlone.latitudeText = "0";
    readSiteInput(longitudeAlone, probe);
    error = longitudeAlone.recalculateEnabled ? coordinateRefusal("--lat", latitude, 90)
                                              : coordinateRefusal("--lon", longitude, 180);
    return false;
}

bool placeSite(const std::string& cityUtf8, ReceivingSite& site, std::string& error) {
    const std::string quoted = quotedValue("--city", cityUtf8);
    std::string name;
    if (!utf8ToCp936(cityUtf8, name)) {
        error = quoted + "not a name the gazetteer can hold";
        return false;
    }
    MemorySiteControls controls(site);
    applyPlaceName(name.c_str(), controls, site);
    if (!controls.recalculateEnabled) {
        error = quoted + "no such place in the gazetteer (see --cities)";
        return false;
    }
    // A found name has 4 to 18 bytes, so it fits the site's name field.
    std::memcpy(site.name, name.c_str(), name.size() + 1);
    return true;
}

// A number read as TextToNumber reads it, non-empty, within low..high.
bool readNumber(const char* option, const std::string& given, double low, double high,
                double& value, std::string& error) {
    std::string text = given;
    long double read = 0;
    if (text.empty() || TextToNumber(text.data(), &read) != 1) {
        error = quotedValue(option, given) + "not a number";
        return false;
    }
    if (!(read >= low && read <= high)) {
        error = quotedValue(option, given) + "out of range (" + std::to_string(int(low)) + " to " +
                std::to_string(int(high)) + ")";
        return false;
    }
    value = static_cast<double>(read);
    return true;
}

// YYYY-MM-DD with a date that exists.
bool readCalendarDate(const std::string& text, double& decimalYear) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int day = std::stoi(text.substr(8, 2));
    return decimalYearOfDate(year, month, day, decimalYear);
}

bool readDate(const std::string& given, FieldOptions& field, std::string& error) {
    field.dateText = given;
    if (readCalendarDate(given, field.decimalYear)) return true;
    if (given.find('-') == std::string::npos &&
        readNumber("--date", given, 1900, 2100, field.decimalYear, error))
        return true;
    error = quotedValue("--date", given) + "use YYYY-MM-DD or a decimal year from 1900 to 2100";
    return false;
}

}  // namespace

bool parseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error) {
    CLI::App app;
    app.set_help_flag();  // --help is an ordinary flag: the caller prints the usage
    app.allow_extras();   // refused below, with the first one named
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    std::string city, longitude, latitude, listFile, date, height, offset, skyFile;
    std::string format = "table", encoding = "utf-8";
    CLI::Option* cityOption = app.add_option("--city", city);
    CLI::Option* longitudeOption = app.add_option("--lon", longitude);
    CLI::Option* latitudeOption = app.add_option("--lat", latitude);
    CLI::Option* listOption = app.add_option("--list", listFile);
    CLI::Option* dateOption = app.add_option("--date", date);
    CLI::Option* heightOption = app.add_option("--height", height);
    CLI::Option* offsetOption = app.add_option("--offset", offset);
    CLI::Option* skyOption = app.add_option("--sky", skyFile);
    app.add_option("--format", format);
    app.add_option("--encoding", encoding);
    app.add_flag("--cities", options.cities)->disable_flag_override();
    app.add_flag("--help", options.help)->disable_flag_override();

    // CLI11 takes the arguments last first. "--lat=" gives an empty value
    // (CLI11 would take the next argument): pass it as "--lat" and "".
    std::vector<std::string> reversed;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        const std::size_t equals = argument->find('=');
        if (argument->compare(0, 2, "--") == 0 && equals + 1 == argument->size()) {
            reversed.push_back("");
            reversed.push_back(argument->substr(0, equals));
        } else {
            reversed.push_back(*argument);
        }
    }
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& failure) {
        error = failure.what();
        return false;
    }
    const std::vector<std::string> extras = app.remaining();
    if (!extras.empty()) {
        const std::string& first = extras.front();
        error = first.compare(0, 1, "-") == 0
                    ? "unknown option \"" + first.substr(0, first.find('=')) + "\""
                    : "unexpected argument \"" + first + "\"";
        return false;
    }

    const auto take = [](CLI::Option* option, const std::string& value,
                         std::optional<std::string>& into) {
        if (option->count() > 0) into = value;
    };
    take(cityOption, city, options.city);
    take(longitudeOption, longitude, options.longitude);
    take(latitudeOption, latitude, options.latitude);
    take(listOption, listFile, options.listFile);
    take(dateOption, date, options.date);
    take(heightOption, height, options.height);
    take(offsetOption, offset, options.offset);
    take(skyOption, skyFile, options.skyFile);

    if (encoding == "utf-8") {
        options.encoding = OutputEncoding::Utf8;
    } else if (encoding == "gbk") {
        options.encoding = OutputEncoding::Gbk;
    } else {
        error = "--encoding \"" + encoding + "\": use utf-8 or gbk";
        return false;
    }
    if (format == "table") {
        options.format = OutputFormat::Table;
    } else if (format == "csv") {
        options.format = OutputFormat::Csv;
    } else if (format == "json") {
        options.format = OutputFormat::Json;
    } else {
        error = "--format \"" + format + "\": use table, csv or json";
        return false;
    }
    return true;
}

bool siteFromOptions(const CliOptions& options, ReceivingSite& site, std::string& error) {
    if (options.city && (options.longitude || options.latitude)) {
        error = "give the site either with --city or with --lon and --lat";
        return false;
    }
    if (options.city) return placeSite(*options.city, site, error);
    if (!options.longitude && !options.latitude) return placeSite(DefaultCity, site, error);
    if (!options.longitude || !options.latitude) {
        error = "give the site with --lon DEG and --lat DEG";
        return false;
    }
    return coordinateSite(*options.longitude, *options.latitude, site, error);
}

bool fieldOptionsFromOptions(const CliOptions& options, const std::string& today,
                             FieldOptions& field, std::string& error) {
    if (!readDate(options.date ? *options.date : today, field, error)) return false;
    if (options.height &&
        !readNumber("--height", *options.height, -1000, 100000, field.heightMetres, error))
        return false;
    if (options.offset) {
        double offset = 0;
        if (!readNumber("--offset", *options.offset, 0, 60, offset, error)) return false;
        field.offset = offset;
    }
    return true;
}
