#pragma once
// Conversions between UTF-8 (the command line, files, terminals) and code
// page 936 (every text inside the program).

#include <string>

// Each returns false, leaving `out` unspecified, when a character has no
// counterpart in the other encoding or the input is malformed.
bool utf8ToCp936(const std::string& utf8, std::string& out);
bool cp936ToUtf8(const std::string& cp936, std::string& out);

// For fixed texts known to convert (tests, literals): the converted text, or
// an empty string when the conversion fails.
std::string cp936FromUtf8(const std::string& utf8);
std::string utf8FromCp936(const std::string& cp936);
