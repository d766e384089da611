// kestrave-cli as a whole, with any arguments. Whatever it is given, it ends
// with status 0 and its output, or status 2 and one line on standard error;
// and a JSON output always parses.
//
// Input: NUL-separated arguments. Options that name files (--list, --sky,
// --sheet) are left out, so a run reads and writes nothing outside memory.

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The arguments: an empty input has none, any other one NUL-separated texts.
std::vector<std::string> argumentsOf(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    return splitAtNuls(data, size);
}

bool namesAFile(const std::string& argument) {
    return argument.rfind("-", 0) == 0 && (argument.find("list") != std::string::npos ||
                                           argument.find("sky") != std::string::npos ||
                                           argument.find("sheet") != std::string::npos);
}

bool hasOption(const std::vector<std::string>& arguments, const std::string& option) {
    for (std::size_t k = 0; k + 1 < arguments.size(); ++k) {
        if (arguments[k] == option) return true;
    }
    return false;
}

std::size_t countOf(const std::string& text, char c) {
    std::size_t count = 0;
    for (char each : text) count += each == c;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    for (std::string& argument : argumentsOf(data, size)) {
        if (!namesAFile(argument)) arguments.push_back(std::move(argument));
    }
    std::string out;
    std::string err;
    const int status = runKestraveCli(arguments, out, err);

    require(status == 0 || status == 2, "the status is 0 or 2");
    if (status == 2) {
        require(out.empty(), "a refused run prints no results");
        require(err.rfind("kestrave-cli: ", 0) == 0, "a refusal names the program");
        require(countOf(err, '\n') == 1 && err.back() == '\n', "a refusal is one line");
        return 0;
    }
    // Only warnings (a date outside the model's years) may accompany results.
    require(err.empty() || err.rfind("kestrave-cli: warning: ", 0) == 0,
            "results come with nothing but warnings");
    if (hasOption(arguments, "--format") && out.rfind("{", 0) == 0) {
        require(nlohmann::json::accept(out), "a JSON output parses");
    }
    return 0;
}
