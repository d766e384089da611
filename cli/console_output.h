#pragma once
// kestrave-cli's output. Its texts are UTF-8. A Windows console is handed
// them as characters (WriteConsoleW), since the C runtime would hand it one
// byte at a time and every Chinese character would show as "?"; pipes and
// files, and every stream elsewhere, get the bytes as they are.

#include <cstdio>
#include <string>

// Writes `utf8` to `stream` (stdout or stderr); false when it could not.
bool writeOutput(std::FILE* stream, const std::string& utf8);
