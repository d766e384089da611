#pragma once
// A command line's options, read by a table: "--name value", "--name=value"
// and flags ("--name"). It knows nothing of what the options mean.

#include <cstddef>
#include <string>
#include <vector>

struct ArgumentOption {
    const char* name;  // with its dashes: "--lon"
    bool takesValue;   // false for a flag
};

// One option as given: its index in the table and its value ("" for a flag).
struct GivenOption {
    std::size_t option;
    std::string value;
};

// Reads `arguments` (without the program name) into `given`, in the order
// given. A value follows its option as the next argument, which may be a
// negative number ("--lon -70.5") but no other option, or after '='
// ("--lat=" gives an empty value). Returns false with a one-line message:
// at once for a flag given a value ("--utc takes no value"); then for an
// option whose value is missing and is not given again with one ("--lat: no
// value given"); then for the first unknown option or stray argument.
bool readArguments(const std::vector<std::string>& arguments,
                   const std::vector<ArgumentOption>& options, std::vector<GivenOption>& given,
                   std::string& error);
