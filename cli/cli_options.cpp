#include "cli/cli_options.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <utility>

#include "calc/memory_site_controls.h"
#include "calc/site_input.h"
#include "encoding/text_encoding.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"
#include "numtext/numtext.h"

const char CliUsage[] =
    "Usage: kestrave-cli [--city NAME | --lon DEG --lat DEG] [--list FILE | --current-list]\n"
    "                    [--date DATE] [--height METRES] [--offset DEG]\n"
    "                    [--format table|csv|json] [--encoding utf-8|gbk] [--sky FILE.svg]\n"
    "                    [--horizon FILE]\n"
    "       kestrave-cli [site and list options] --sun-outage YEAR [--dish METRES]\n"
    "                    [--band c|ku|ka | --frequency GHZ] [--utc] [--format table|csv|json]\n"
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
    "  --list FILE       satellites from a list file: one LONGITUDE,DESCRIPTION per\n"
    "                    line, '#' comments, UTF-8 (with or without a byte order\n"
    "                    mark) or GBK (default: the 39 built-in satellites)\n"
    "  --current-list    the current satellite list compiled into the program, with\n"
    "                    its date, instead of the 39 built-in satellites\n"
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
    "  --sun-outage YEAR print, instead of the pointing table, every sun outage (日凌)\n"
    "                    of that year (2000 to 2100) for every satellite: the days\n"
    "                    when the sun stands behind it, seen from the site\n"
    "  --dish METRES     the dish's diameter for --sun-outage (0.1 to 30, default 0.6)\n"
    "  --band NAME       c (4 GHz), ku (12.25 GHz, default) or ka (20.2 GHz)\n"
    "  --frequency GHZ   the received frequency instead of a band (1 to 50)\n"
    "  --utc             outage times in UTC instead of Beijing time (UTC+8)\n"
    "  --horizon FILE    obstacles around the site from a text file, one\n"
    "                    FROM,TO,ELEVATION sector or one AZIMUTH,ELEVATION profile\n"
    "                    point per line, in true azimuths: CSV and JSON add each\n"
    "                    satellite's horizon_elevation, clearance and clear, and the\n"
    "                    sky picture draws the obstacles\n"
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

// A number read as TextToNumber reads it, non-empty, within low..high,
// `range` naming the bounds in the message.
bool readBoundedNumber(const char* option, const std::string& given, long double low,
                       long double high, const char* range, long double& value,
                       std::string& error) {
    std::string text = given;
    long double read = 0;
    if (text.empty() || TextToNumber(text.data(), &read) != 1) {
        error = quotedValue(option, given) + "not a number";
        return false;
    }
    if (!(read >= low && read <= high)) {
        error = quotedValue(option, given) + "out of range (" + range + ")";
        return false;
    }
    value = read;
    return true;
}

// The same, the bounds whole numbers named as they are.
bool readNumber(const char* option, const std::string& given, double low, double high,
                double& value, std::string& error) {
    const std::string range = std::to_string(int(low)) + " to " + std::to_string(int(high));
    long double read = 0;
    if (!readBoundedNumber(option, given, low, high, range.c_str(), read, error)) return false;
    value = static_cast<double>(read);
    return true;
}

// YYYY-MM-DD with a date that exists.
bool readCalendarDate(const std::string& text, double& decimalYear) {
    CalendarDate date;
    return parseCalendarDate(text, date) &&
           decimalYearOfDate(date.year, date.month, date.day, decimalYear);
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

// An option that takes a value: kept in `given` (absent until given) or,
// for one with a default, in `text`.
struct ValueOption {
    const char* name;
    std::optional<std::string>* given;
    std::string* text = nullptr;
};

struct FlagOption {
    const char* name;
    bool* set;
};

// What comes after an option as its value: anything but another option. A
// negative number ("-70.5") is a value.
bool looksLikeOption(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '-') return false;
    const char next = argument[1];
    return !((next >= '0' && next <= '9') || next == '.');
}

// Reads "--name value", "--name=value" ("--lat=" gives an empty value) and
// flags. A value that is missing is reported first, then the first argument
// that is no known option, then the rest are left alone.
template <std::size_t ValueCount, std::size_t FlagCount>
bool readArguments(const std::vector<std::string>& arguments,
                   const ValueOption (&valueOptions)[ValueCount],
                   const FlagOption (&flags)[FlagCount], std::string& error) {
    bool missing[ValueCount] = {};
    std::optional<std::string> firstStray;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        const std::size_t equals =
            argument.compare(0, 2, "--") == 0 ? argument.find('=') : std::string::npos;
        const std::string name = argument.substr(0, equals);
        bool known = false;
        for (const FlagOption& flag : flags) {
            if (name != flag.name) continue;
            if (equals != std::string::npos) {
                error = name.substr(2) + " was given a disallowed flag override";
                return false;
            }
            *flag.set = known = true;
        }
        for (std::size_t i = 0; i < ValueCount && !known; ++i) {
            if (name != valueOptions[i].name) continue;
            known = true;
            std::string value;
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (at + 1 < arguments.size() && !looksLikeOption(arguments[at + 1])) {
                value = arguments[++at];
            } else {
                missing[i] = true;
                continue;
            }
            missing[i] = false;
            if (valueOptions[i].given) *valueOptions[i].given = value;
            if (valueOptions[i].text) *valueOptions[i].text = value;
        }
        if (!known && !firstStray) firstStray = argument;
    }
    for (std::size_t i = 0; i < ValueCount; ++i) {
        if (missing[i]) {
            error = std::string(valueOptions[i].name) + ": 1 required TEXT missing";
            return false;
        }
    }
    if (!firstStray) return true;
    const std::string& stray = *firstStray;
    error = stray.compare(0, 1, "-") == 0
                ? "unknown option \"" + stray.substr(0, stray.find('=')) + "\""
                : "unexpected argument \"" + stray + "\"";
    return false;
}

template <typename Value>
struct Choice {
    const char* name;
    Value value;
};
constexpr Choice<OutputEncoding> Encodings[] = {{"utf-8", OutputEncoding::Utf8},
                                                {"gbk", OutputEncoding::Gbk}};
constexpr Choice<OutputFormat> Formats[] = {
    {"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}};

// The value named `given` among `choices`, or false with a message.
template <typename Value, std::size_t Count>
bool choose(const char* option, const std::string& given, const Choice<Value> (&choices)[Count],
            const char* hint, Value& value, std::string& error) {
    for (const Choice<Value>& choice : choices) {
        if (given == choice.name) {
            value = choice.value;
            return true;
        }
    }
    error = std::string(option) + " \"" + given + "\": " + hint;
    return false;
}

}  // namespace

bool parseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error) {
    std::string format = "table";
    std::string encoding = "utf-8";
    // The options that take a text, each kept as typed (the last one given wins).
    const ValueOption valueOptions[] = {
        {"--city", &options.city},           {"--lon", &options.longitude},
        {"--lat", &options.latitude},        {"--list", &options.listFile},
        {"--date", &options.date},           {"--height", &options.height},
        {"--offset", &options.offset},       {"--sky", &options.skyFile},
        {"--format", nullptr, &format},      {"--encoding", nullptr, &encoding},
        {"--dish", &options.dish},           {"--frequency", &options.frequency},
        {"--band", &options.band},           {"--sun-outage", &options.sunOutageYear},
        {"--horizon", &options.horizonFile}, {"--sheet", &options.sheetFile},
    };
    const FlagOption flags[] = {{"--cities", &options.cities},
                                {"--help", &options.help},
                                {"--utc", &options.utc},
                                {"--current-list", &options.currentList}};
    if (!readArguments(arguments, valueOptions, flags, error)) return false;
    return choose("--encoding", encoding, Encodings, "use utf-8 or gbk", options.encoding, error) &&
           choose("--format", format, Formats, "use table, csv or json", options.format, error);
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

namespace {

constexpr Choice<Band> Bands[] = {{"c", Band::C}, {"ku", Band::Ku}, {"ka", Band::Ka}};

// Options that mean something only with --sun-outage.
bool onlyWithSunOutage(const CliOptions& options, std::string& error) {
    const std::pair<bool, const char*> given[] = {{options.dish.has_value(), "--dish"},
                                                  {options.band.has_value(), "--band"},
                                                  {options.frequency.has_value(), "--frequency"},
                                                  {options.utc, "--utc"}};
    for (const auto& option : given) {
        if (!option.first) continue;
        error = std::string(option.second) + " needs --sun-outage YEAR";
        return false;
    }
    return true;
}

}  // namespace

bool sunOutageOptionsFromOptions(const CliOptions& options, SunOutageOptions& sun,
                                 std::string& error) {
    if (!options.sunOutageYear) {
        // The installation sheet's outages take the dish and the band.
        if (!options.sheetFile || options.utc) return onlyWithSunOutage(options, error);
    } else {
        sun.wanted = true;
        long double year = 0;
        if (!readBoundedNumber("--sun-outage", *options.sunOutageYear, FirstOutageYear,
                               LastOutageYear, "2000 to 2100", year, error))
            return false;
        if (year != std::floor(year)) {
            error = quotedValue("--sun-outage", *options.sunOutageYear) + "not a whole year";
            return false;
        }
        sun.year = static_cast<int>(year);
    }
    if (options.band && options.frequency) {
        error = "give either --band or --frequency, not both";
        return false;
    }
    if (options.dish &&
        !readBoundedNumber("--dish", *options.dish, 0.1L, 30, "0.1 to 30", sun.dishMetres, error))
        return false;
    Band band = Band::Ku;
    if (options.band && !choose("--band", *options.band, Bands, "use c, ku or ka", band, error))
        return false;
    sun.frequencyHz = bandFrequencyHz(band);
    sun.bandText = bandTextOf(band);
    long double gigahertz = 0;
    if (options.frequency) {
        if (!readBoundedNumber("--frequency", *options.frequency, 1, 50, "1 to 50", gigahertz,
                               error))
            return false;
        sun.frequencyHz = gigahertz * 1e9L;
        char text[NumberTextCapacity];
        NumberToText(gigahertz, text, 0, 2);
        sun.bandText = std::string(text) + "GHz";
    }
    // The rule holds for beams up to WidestOutageBeamwidth.
    const long double beamwidth = beamwidthDegrees(sun.dishMetres, sun.frequencyHz);
    if (!(beamwidth <= WidestOutageBeamwidth)) {
        char width[NumberTextCapacity];
        NumberToText(beamwidth, width, 0, 1);
        error = quotedValue("--dish", options.dish ? *options.dish : "0.6") +
                "too small for the frequency: its beam (" + width +
                " degrees) is wider than the 20 degrees the outage rule holds for";
        return false;
    }
    sun.utc = options.utc;
    return true;
}
