#include "cli/argument_reader.h"

#include <optional>

namespace {

// What comes after an option as its value: anything but another option. A
// negative number ("-70.5") is a value.
bool looksLikeOption(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '-') return false;
    const char next = argument[1];
    return !((next >= '0' && next <= '9') || next == '.');
}

std::optional<std::size_t> optionNamed(const std::vector<ArgumentOption>& options,
                                       const std::string& name) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (name == options[i].name) return i;
    }
    return std::nullopt;
}

std::string strayMessage(const std::string& stray) {
    return stray.compare(0, 1, "-") == 0
               ? "unknown option \"" + stray.substr(0, stray.find('=')) + "\""
               : "unexpected argument \"" + stray + "\"";
}

}  // namespace

bool readArguments(const std::vector<std::string>& arguments,
                   const std::vector<ArgumentOption>& options, std::vector<GivenOption>& given,
                   std::string& error) {
    std::vector<bool> missing(options.size(), false);
    std::optional<std::string> firstStray;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        const std::size_t equals =
            argument.compare(0, 2, "--") == 0 ? argument.find('=') : std::string::npos;
        const std::optional<std::size_t> option = optionNamed(options, argument.substr(0, equals));
        if (!option) {
            if (!firstStray) firstStray = strayMessage(argument);
            continue;
        }
        const char* name = options[*option].name;
        if (!options[*option].takesValue) {
            if (equals != std::string::npos) {
                error = std::string(name) + " takes no value";
                return false;
            }
            given.push_back({*option, ""});
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (at + 1 < arguments.size() && !looksLikeOption(arguments[at + 1])) {
            value = arguments[++at];
        } else {
            missing[*option] = true;
            continue;
        }
        missing[*option] = false;
        given.push_back({*option, value});
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (missing[i]) {
            error = std::string(options[i].name) + ": no value given";
            return false;
        }
    }
    if (!firstStray) return true;
    error = *firstStray;
    return false;
}
