#include "cli/cli_options.h"

#include "calc/site_input.h"
#include "numtext/numtext.h"

const char CliUsage[] =
    "Usage: kestrave-cli --lon DEG --lat DEG [--list FILE] [--encoding utf-8|gbk]\n"
    "\n"
    "Prints the antenna elevation, azimuth and polarisation angle for every\n"
    "satellite of the list, seen from the receiving site, as the fixed-width\n"
    "table that Kestrave copies to the clipboard.\n"
    "\n"
    "  --lon DEG         site longitude in degrees, east positive (-180.5 to 180.5)\n"
    "  --lat DEG         site latitude in degrees, north positive (-90.5 to 90.5)\n"
    "  --list FILE       satellites from a UTF-8 text file, one LONGITUDE,DESCRIPTION\n"
    "                    per line (default: the 39 built-in satellites)\n"
    "  --encoding NAME   utf-8 (default, \\n line ends) or gbk (code page 936 bytes\n"
    "                    with \\r\\n line ends, as on the clipboard)\n"
    "  --help            show this help\n";

namespace {

// Every option; new ones are added here and in applyOption.
struct OptionName {
    const char* name;
    bool takesValue;
};
const OptionName KnownOptions[] = {
    {"--lon", true}, {"--lat", true}, {"--list", true}, {"--encoding", true}, {"--help", false},
};

const OptionName* findOption(const std::string& name) {
    for (const OptionName& option : KnownOptions)
        if (name == option.name) return &option;
    return nullptr;
}

bool applyOption(const std::string& name, const std::string& value, CliOptions& options,
                 std::string& error) {
    if (name == "--lon") {
        options.longitude = value;
    } else if (name == "--lat") {
        options.latitude = value;
    } else if (name == "--list") {
        options.listFile = value;
    } else if (name == "--encoding") {
        if (value == "utf-8") {
            options.encoding = OutputEncoding::Utf8;
        } else if (value == "gbk") {
            options.encoding = OutputEncoding::Gbk;
        } else {
            error = "--encoding \"" + value + "\": use utf-8 or gbk";
            return false;
        }
    } else if (name == "--help") {
        options.help = true;
    }
    return true;
}

// One coordinate as the coordinate box reads it: at most 254 bytes of the
// text, non-empty, accepted by TextToNumber, and within range after
// rounding to an integer.
bool readCoordinate(const char* option, const std::string& given, int limit, long double& value,
                    std::string& error) {
    const std::string quoted = std::string(option) + " \"" + given + "\": ";
    std::string text = given.substr(0, CoordinateTextCapacity - 1);
    if (text.empty()) {
        error = quoted + "no value given";
        return false;
    }
    if (TextToNumber(text.data(), &value) != 1) {
        error = quoted + "not a number";
        return false;
    }
    if (!roundsWithin(value, limit)) {
        error =
            quoted + "out of range (" + (limit == 180 ? "-180.5 to 180.5" : "-90.5 to 90.5") + ")";
        return false;
    }
    return true;
}

}  // namespace

bool parseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::size_t equals = argument.find('=');
        std::string name =
            argument.compare(0, 2, "--") == 0 ? argument.substr(0, equals) : argument;
        const OptionName* option = findOption(name);
        if (option == nullptr) {
            error = argument.compare(0, 1, "-") == 0 ? "unknown option \"" + name + "\""
                                                     : "unexpected argument \"" + argument + "\"";
            return false;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue) {
                error = name + " takes no value";
                return false;
            }
            value = argument.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == arguments.size()) {
                error = name + " needs a value";
                return false;
            }
            value = arguments[++i];
        }
        if (!applyOption(name, value, options, error)) return false;
    }
    return true;
}

bool siteFromOptions(const CliOptions& options, ReceivingSite& site, std::string& error) {
    if (!options.longitude || !options.latitude) {
        error = "give the site with --lon DEG and --lat DEG";
        return false;
    }
    return readCoordinate("--lon", *options.longitude, 180, site.longitude, error) &&
           readCoordinate("--lat", *options.latitude, 90, site.latitude, error);
}
