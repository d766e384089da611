#include "cli/argument_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<ArgumentOption> Options = {{"--lon", true}, {"--utc", false}};

// The options given as "index=value" texts, or the message.
std::string read(const std::vector<std::string>& arguments) {
    std::vector<GivenOption> given;
    std::string error;
    if (!readArguments(arguments, Options, given, error)) return error;
    std::string text;
    for (const GivenOption& option : given)
        text += std::to_string(option.option) + "=" + option.value + ";";
    return text;
}

TEST(ReadArguments, OneRulePerRow) {
    struct Case {
        std::vector<std::string> arguments;
        std::string read;
    };
    const Case cases[] = {
        {{"--lon", "1", "--utc"}, "0=1;1=;"},
        {{"--lon=2"}, "0=2;"},
        {{"--lon="}, "0=;"},
        {{"--lon", "-70.5"}, "0=-70.5;"},
        {{"--lon", ".5"}, "0=.5;"},
        {{"--lon", "-"}, "0=-;"},
        {{"--lon", "--utc"}, "--lon: no value given"},
        {{"--lon", "--lon", "3"}, "0=3;"},
        {{"--utc=1"}, "--utc takes no value"},
        {{"--utc=1", "--lon"}, "--utc takes no value"},
        {{"--lat=1", "--lon"}, "--lon: no value given"},
        {{"--lat=1", "x"}, "unknown option \"--lat\""},
        {{"x", "--lat"}, "unexpected argument \"x\""},
        {{"-l"}, "unknown option \"-l\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read);
        EXPECT_EQ(read(c.arguments), c.read);
    }
}

}  // namespace
