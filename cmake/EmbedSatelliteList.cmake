# Writes a C++ source holding a satellite list file's bytes and its date, so
# that the list is compiled in. Run as a script at build time:
#   cmake -DINPUT=current.txt -DOUTPUT=current_satellite_list_data.cpp -P EmbedSatelliteList.cmake
# The date is the one on the file's "# date: YYYY-MM-DD" line; a file without
# one stops the build.

file(READ "${INPUT}" text)
string(REGEX MATCH "# date: ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\r?\n" dateLine "${text}")
if(NOT dateLine)
  message(FATAL_ERROR "${INPUT} has no \"# date: YYYY-MM-DD\" line")
endif()
set(date "${CMAKE_MATCH_1}")

# Every byte as a \x escape, 32 to a line: no escape runs into a digit.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REPEAT "[0-9a-f]" 64 lineOfHex)
string(REGEX REPLACE "(${lineOfHex})" "\\1\"\n    \"" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")

# Written only when it changes, so that a rebuild compiles nothing new.
file(WRITE "${OUTPUT}.new"
"// Generated from ${INPUT} by cmake/EmbedSatelliteList.cmake. Do not edit.
#include \"calc/current_satellite_list.h\"

// clang-format off
const char CurrentSatelliteListText[] =
    \"${escaped}\";
// clang-format on
const std::size_t CurrentSatelliteListSize = ${size};
static_assert(sizeof CurrentSatelliteListText == ${size} + 1, \"every byte of the file\");
const char CurrentSatelliteListDate[] = \"${date}\";
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
