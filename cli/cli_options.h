#pragma once
// kestrave-cli's command line: the options it knows and how their texts
// become a receiving site.

#include <optional>
#include <string>
#include <vector>

#include "data/receiving_site.h"

enum class OutputEncoding { Utf8, Gbk };

// The options as given; texts are kept as typed until they are used.
struct CliOptions {
    std::optional<std::string> longitude;  // --lon
    std::optional<std::string> latitude;   // --lat
    std::optional<std::string> listFile;   // --list
    OutputEncoding encoding = OutputEncoding::Utf8;
    bool help = false;
};

// Reads `arguments` (without the program name). Each option takes its value
// as the next argument or after '=' ("--lon 116.46", "--lon=116.46"), so a
// value may begin with '-'; a repeated option keeps its last value. Returns
// false with a one-line message for an unknown option, a missing value, an
// unknown encoding or a stray argument.
bool parseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error);

// Sets the site's longitude and latitude from --lon and --lat, accepting
// exactly what the coordinate boxes accept: a non-empty text that
// TextToNumber reads and whose value, rounded to an integer, lies within
// -180..180 (longitude) or -90..90 (latitude). Returns false with a
// one-line message naming the option and its text otherwise.
bool siteFromOptions(const CliOptions& options, ReceivingSite& site, std::string& error);

// The --help text.
extern const char CliUsage[];
