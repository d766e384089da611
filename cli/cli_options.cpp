#include "cli/cli_options.h"

#include <cstring>

#include "calc/site_input.h"
#include "cli/text_encoding.h"
#include "numtext/numtext.h"

const char CliUsage[] =
    "Usage: kestrave-cli [--city NAME | --lon DEG --lat DEG] [--list FILE]\n"
    "                    [--encoding utf-8|gbk]\n"
    "       kestrave-cli --cities [--encoding utf-8|gbk]\n"
    "\n"
    "Prints the antenna elevation, azimuth and polarisation angle for every\n"
    "satellite of the list, seen from the receiving site, as the fixed-width\n"
    "table that Kestrave copies to the clipboard.\n"
    "\n"
    "  --city NAME       a place of the built-in gazetteer (default: 北京)\n"
    "  --lon DEG         site longitude in degrees, east positive (-180.5 to 180.5)\n"
    "  --lat DEG         site latitude in degrees, north positive (-90.5 to 90.5)\n"
    "  --list FILE       satellites from a UTF-8 text file, one LONGITUDE,DESCRIPTION\n"
    "                    per line (default: the 39 built-in satellites)\n"
    "  --encoding NAME   utf-8 (default, \\n line ends) or gbk (code page 936 bytes\n"
    "                    with \\r\\n line ends, as on the clipboard)\n"
    "  --cities          list the gazetteer's places, one per line\n"
    "  --help            show this help\n";

namespace {

// Every option; new ones are added here and in applyOption.
struct OptionName {
    const char* name;
    bool takesValue;
};
const OptionName KnownOptions[] = {
    {"--city", true},     {"--lon", true},     {"--lat", true},  {"--list", true},
    {"--encoding", true}, {"--cities", false}, {"--help", false},
};

const OptionName* findOption(const std::string& name) {
    for (const OptionName& option : KnownOptions)
        if (name == option.name) return &option;
    return nullptr;
}

bool applyOption(const std::string& name, const std::string& value, CliOptions& options,
                 std::string& error) {
    if (name == "--city") {
        options.city = value;
    } else if (name == "--lon") {
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
    } else if (name == "--cities") {
        options.cities = true;
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

// The coordinate boxes as a picked place fills them: every text set is read
// back at once, as the real boxes notify, so the site gets exactly the
// coordinates the program would compute with.
class PlaceSiteControls final : public SiteControls {
public:
    explicit PlaceSiteControls(ReceivingSite& site) : site_(site) {}

    void readLongitudeText(char* buffer, std::size_t capacity) override {
        copyText(longitudeText_, buffer, capacity);
    }
    void readLatitudeText(char* buffer, std::size_t capacity) override {
        copyText(latitudeText_, buffer, capacity);
    }
    void setLongitudeText(const char* text) override {
        longitudeText_ = text;
        readSiteInput(*this, site_);
    }
    void setLatitudeText(const char* text) override {
        latitudeText_ = text;
        readSiteInput(*this, site_);
    }
    void enableCoordinateBoxes(bool) override {}
    void enableRecalculate(bool enabled) override { valid = enabled; }

    bool valid = false;

private:
    static void copyText(const std::string& text, char* buffer, std::size_t capacity) {
        const std::size_t length = text.size() < capacity ? text.size() : capacity - 1;
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
    }

    ReceivingSite& site_;
    std::string longitudeText_;
    std::string latitudeText_;
};

// The site of the program's first start.
constexpr char DefaultCity[] = u8"北京";

bool placeSite(const std::string& cityUtf8, ReceivingSite& site, std::string& error) {
    const std::string quoted = "--city \"" + cityUtf8 + "\": ";
    std::string name;
    if (!utf8ToCp936(cityUtf8, name)) {
        error = quoted + "not a name the gazetteer can hold";
        return false;
    }
    PlaceSiteControls controls(site);
    applyPlaceName(name.c_str(), controls, site);
    if (!controls.valid) {
        error = quoted + "no such place in the gazetteer (see --cities)";
        return false;
    }
    // A found name has 4 to 18 bytes, so it fits the site's name field.
    std::memcpy(site.name, name.c_str(), name.size() + 1);
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
    return readCoordinate("--lon", *options.longitude, 180, site.longitude, error) &&
           readCoordinate("--lat", *options.latitude, 90, site.latitude, error);
}
