#include "cli/cli_options.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <utility>

#include "calc/memory_site_controls.h"
#include "calc/site_input.h"
#include "cli/argument_reader.h"
#include "encoding/text_encoding.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/sun_aim.h"
#include "numtext/numtext.h"
#include "numtext/strict_number.h"

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

// A number that is the whole text (readStrictNumber) within `range`, the
// message naming the range's ends as they are ("0.1 to 30").
bool readNumber(const char* option, const std::string& given, NumberRange range, long double& value,
                std::string& error) {
    long double read = 0;
    const NumberRefusal refusal = readStrictNumber(given, range, &read);
    if (refusal == NumberRefusal::OutOfRange) {
        char low[NumberTextCapacity];
        char high[NumberTextCapacity];
        NumberToText(range.low, low, 0, -1);
        NumberToText(range.high, high, 0, -1);
        error = quotedValue(option, given) + "out of range (" + low + " to " + high + ")";
        return false;
    }
    if (refusal != NumberRefusal::None) {
        error = quotedValue(option, given) + "not a number";
        return false;
    }
    value = read;
    return true;
}

// The same as a double.
bool readNumber(const char* option, const std::string& given, NumberRange range, double& value,
                std::string& error) {
    long double read = 0;
    if (!readNumber(option, given, range, read, error)) return false;
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
        readNumber("--date", given, {1900, 2100}, field.decimalYear, error))
        return true;
    error = quotedValue("--date", given) + "use YYYY-MM-DD or a decimal year from 1900 to 2100";
    return false;
}

// One row per option: its name and the member of CliOptions that keeps
// what was given, as typed.
struct OptionRow {
    constexpr OptionRow(const char* name, std::optional<std::string> CliOptions::*text)
        : name(name), text(text) {}
    constexpr OptionRow(const char* name, bool CliOptions::*flag) : name(name), flag(flag) {}

    const char* name;
    std::optional<std::string> CliOptions::*text = nullptr;  // an option with a value
    bool CliOptions::*flag = nullptr;                        // or a flag
};

// Every option of kestrave-cli. A new option is a row here, its member in
// CliOptions and one function giving that member its meaning.
constexpr OptionRow OptionRows[] = {
    {"--city", &CliOptions::city},
    {"--lon", &CliOptions::longitude},
    {"--lat", &CliOptions::latitude},
    {"--list", &CliOptions::listFile},
    {"--current-list", &CliOptions::currentList},
    {"--date", &CliOptions::date},
    {"--height", &CliOptions::height},
    {"--offset", &CliOptions::offset},
    {"--format", &CliOptions::formatName},
    {"--encoding", &CliOptions::encodingName},
    {"--sky", &CliOptions::skyFile},
    {"--horizon", &CliOptions::horizonFile},
    {"--sheet", &CliOptions::sheetFile},
    {"--sun-outage", &CliOptions::sunOutageYear},
    {"--dish", &CliOptions::dish},
    {"--band", &CliOptions::band},
    {"--frequency", &CliOptions::frequency},
    {"--utc", &CliOptions::utc},
    {"--sun-aim", &CliOptions::sunAim},
    {"--multifeed", &CliOptions::multifeed},
    {"--focal-length", &CliOptions::focalLength},
    {"--diameter", &CliOptions::diameter},
    {"--cities", &CliOptions::cities},
    {"--match", &CliOptions::match},
    {"--help", &CliOptions::help},
};

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
    std::vector<ArgumentOption> names;
    for (const OptionRow& row : OptionRows) names.push_back({row.name, row.text != nullptr});
    std::vector<GivenOption> given;
    if (!readArguments(arguments, names, given, error)) return false;
    for (const GivenOption& option : given) {
        const OptionRow& row = OptionRows[option.option];
        if (row.text) {
            options.*row.text = option.value;  // the last one given wins
        } else {
            options.*row.flag = true;
        }
    }
    return (!options.encodingName || choose("--encoding", *options.encodingName, Encodings,
                                            "use utf-8 or gbk", options.encoding, error)) &&
           (!options.formatName || choose("--format", *options.formatName, Formats,
                                          "use table, csv or json", options.format, error));
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
        !readNumber("--height", *options.height, SiteHeightRangeMetres, field.heightMetres, error))
        return false;
    if (options.offset) {
        double offset = 0;
        if (!readNumber("--offset", *options.offset, OffsetRangeDegrees, offset, error))
            return false;
        field.offset = offset;
    }
    return true;
}

namespace {

// A band by its word in lower case: "c", "ku" or "ka".
bool readBand(const std::string& given, Band& band, std::string& error) {
    for (const BandWord& word : BandWords) {
        std::string lower = word.word;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (given != lower) continue;
        band = word.band;
        return true;
    }
    error = quotedValue("--band", given) + "use c, ku or ka";
    return false;
}

// Options that mean something only with --sun-outage.
bool onlyWithSunOutage(const CliOptions& options, std::string& error) {
    const std::pair<bool, const char*> given[] = {{options.dish.has_value(), "--dish"},
                                                  {options.band.has_value(), "--band"},
                                                  {options.frequency.has_value(), "--frequency"},
                                                  {options.utc && !options.sunAim, "--utc"}};
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
        if (!readNumber("--sun-outage", *options.sunOutageYear, {FirstOutageYear, LastOutageYear},
                        year, error))
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
        !readNumber("--dish", *options.dish, DishRangeMetres, sun.dishMetres, error))
        return false;
    Band band = Band::Ku;
    if (options.band && !readBand(*options.band, band, error)) return false;
    sun.frequencyHz = bandFrequencyHz(band);
    sun.bandText = bandTextOf(band);
    long double gigahertz = 0;
    if (options.frequency) {
        if (!readNumber("--frequency", *options.frequency, FrequencyRangeGHz, gigahertz, error))
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

bool sunAimOptionsFromOptions(const CliOptions& options, const std::string& today,
                              SunAimOptions& aim, std::string& error) {
    if (!options.sunAim) return true;
    if (options.sunOutageYear) {
        error = "give either --sun-outage or --sun-aim, not both";
        return false;
    }
    const std::string given = options.date ? *options.date : today;
    if (!parseCalendarDate(given, aim.date) || aim.date.year < FirstSunAimYear ||
        aim.date.year > LastSunAimYear) {
        error = quotedValue("--date", given) +
                "--sun-aim needs a day YYYY-MM-DD from 2000-01-01 to 2100-12-31";
        return false;
    }
    aim.wanted = true;
    aim.utc = options.utc;
    return true;
}

bool multifeedOptionsFromOptions(const CliOptions& options, MultifeedOptions& multifeed,
                                 std::string& error) {
    const std::pair<const std::optional<std::string>*, const char*> dish[] = {
        {&options.focalLength, "--focal-length"}, {&options.diameter, "--diameter"}};
    if (!options.multifeed) {
        for (const auto& option : dish) {
            if (!*option.first) continue;
            error = std::string(option.second) + " needs --multifeed LONGITUDE";
            return false;
        }
        return true;
    }
    if (options.sunOutageYear) {
        error = "give either --sun-outage or --multifeed, not both";
        return false;
    }
    for (const auto& option : dish) {
        if (*option.first) continue;
        error = std::string(option.second) + " MM is needed with --multifeed";
        return false;
    }
    multifeed.wanted = true;
    return readNumber("--multifeed", *options.multifeed, {-180, 180}, multifeed.mainLongitude,
                      error) &&
           readNumber("--focal-length", *options.focalLength, FocalLengthRangeMm,
                      multifeed.dish.focalLengthMm, error) &&
           readNumber("--diameter", *options.diameter, DiameterRangeMm, multifeed.dish.diameterMm,
                      error);
}
