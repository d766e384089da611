#pragma once
// kestrave-cli's way in and out: its arguments and its output as UTF-8,
// whatever the system's code page.
//
// A Windows console is handed the output as characters (WriteConsoleW),
// since the C runtime would hand it one byte at a time and every Chinese
// character would show as "?"; pipes and files, and every stream elsewhere,
// get the bytes as they are, with no "\n" turned into "\r\n" on the way.

#include <cstdio>
#include <string>
#include <vector>

// The program's arguments (without its name) as UTF-8: on Windows from the
// wide command line, elsewhere as the terminal gives them.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Standard output passes its bytes through unchanged (binary mode on Windows).
void keepOutputBytes();

// Writes `utf8` to `stream` (stdout or stderr); false when it could not.
bool writeOutput(std::FILE* stream, const std::string& utf8);
