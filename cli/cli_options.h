#pragma once
// kestrave-cli's command line: the options it knows and how their texts
// become a receiving site and the field kit's inputs.

#include <optional>
#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/multifeed.h"
#include "fieldkit/sun_outage.h"

enum class OutputEncoding { Utf8, Gbk };
enum class OutputFormat { Table, Csv, Json };

// The options as given; texts are kept as typed until they are used.
struct CliOptions {
    std::optional<std::string> city;                 // --city, UTF-8
    std::optional<std::string> longitude;            // --lon
    std::optional<std::string> latitude;             // --lat
    std::optional<std::string> listFile;             // --list
    std::optional<std::string> date;                 // --date
    std::optional<std::string> height;               // --height
    std::optional<std::string> offset;               // --offset
    std::optional<std::string> skyFile;              // --sky
    std::optional<std::string> sheetFile;            // --sheet
    std::optional<std::string> formatName;           // --format
    std::optional<std::string> encodingName;         // --encoding
    OutputFormat format = OutputFormat::Table;       // from formatName
    OutputEncoding encoding = OutputEncoding::Utf8;  // from encodingName
    bool cities = false;                             // --cities
    std::optional<std::string> match;                // --match, UTF-8: the places --cities lists
    bool currentList = false;                        // --current-list
    bool help = false;

    // The sun outages.
    std::optional<std::string> sunOutageYear;  // --sun-outage
    std::optional<std::string> dish;           // --dish
    std::optional<std::string> band;           // --band
    std::optional<std::string> frequency;      // --frequency
    bool utc = false;                          // --utc
    std::optional<std::string> horizonFile;    // --horizon

    bool sunAim = false;  // --sun-aim
    // Several LNBs on one dish.
    std::optional<std::string> multifeed;    // --multifeed
    std::optional<std::string> focalLength;  // --focal-length
    std::optional<std::string> diameter;     // --diameter
};

// Reads `arguments` (without the program name) as readArguments does
// (cli/argument_reader.h); a repeated option keeps its last value. Returns
// false with a one-line message for an unknown option, a missing value, a
// flag given a value, an unknown format or encoding or a stray argument.
bool parseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error);

// Sets the site from the options, as the program's site controls would.
// --city NAME: the gazetteer place, its name (code page 936) becoming the
// site's name, its coordinates passing through the coordinate boxes' texts.
// --lon and --lat: exactly what the coordinate boxes accept (readSiteInput);
// the name stays empty. Neither: 北京, as at the program's first start.
// Returns false with a one-line message naming the option and its text
// otherwise.
bool siteFromOptions(const CliOptions& options, ReceivingSite& site, std::string& error);

// The field kit's inputs.
struct FieldOptions {
    std::string dateText;  // the calendar date, or the decimal year as given
    double decimalYear = 0;
    double heightMetres = 0;       // above the WGS-84 ellipsoid
    std::optional<double> offset;  // the offset dish's angle, degrees
};

// --date YYYY-MM-DD or a decimal year from 1900 to 2100 (default: `today`,
// YYYY-MM-DD), --height from -1000 to 100000 metres (default 0), --offset
// from 0 to 60 degrees. Returns false with a one-line message naming the
// option and its text otherwise.
bool fieldOptionsFromOptions(const CliOptions& options, const std::string& today,
                             FieldOptions& field, std::string& error);

// What --sun-outage asks for.
struct SunOutageOptions {
    bool wanted = false;  // --sun-outage was given
    int year = 0;
    long double dishMetres = 0.6L;
    long double frequencyHz = KuBandHz;
    std::string bandText = u8"Ku波段 12.25GHz";  // UTF-8, as the installation sheet names it
    bool utc = false;
};

// --sun-outage YEAR (a whole year from 2000 to 2100), --dish from 0.1 to 30
// metres (default 0.6), --band c, ku or ka (4, 12.25 or 20.2 GHz; default
// ku) or --frequency from 1 to 50 GHz, and --utc. --band with --frequency,
// or any of the others without --sun-outage, is refused (--utc serves
// --sun-aim too); --sheet takes the dish and the band or frequency too.
// Returns false with
// a one-line message naming the option (and its text) otherwise.
bool sunOutageOptionsFromOptions(const CliOptions& options, SunOutageOptions& sun,
                                 std::string& error);

// What --sun-aim asks for.
struct SunAimOptions {
    bool wanted = false;  // --sun-aim was given
    CalendarDate date;    // --date, or `today`
    bool utc = false;
};

// --sun-aim with --date YYYY-MM-DD from 2000 to 2100 (default: `today`,
// YYYY-MM-DD) and --utc. A decimal year or a date outside those years, or
// --sun-aim with --sun-outage, is refused with a one-line message.
bool sunAimOptionsFromOptions(const CliOptions& options, const std::string& today,
                              SunAimOptions& aim, std::string& error);

// What --multifeed asks for.
struct MultifeedOptions {
    bool wanted = false;  // --multifeed was given
    long double mainLongitude = 0;
    MultifeedDish dish;
};

// --multifeed LONGITUDE (the main satellite, -180 to 180 degrees, in the
// list or not) with --focal-length MM (50 to 3000) and --diameter MM (200 to
// 5000), both needed. Either of those without --multifeed, or --multifeed
// with --sun-outage, is refused. Returns false with a one-line message
// naming the option (and its text) otherwise.
bool multifeedOptionsFromOptions(const CliOptions& options, MultifeedOptions& multifeed,
                                 std::string& error);
