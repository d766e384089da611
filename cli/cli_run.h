#pragma once
// The whole of kestrave-cli, apart from the process's streams.

#include <string>
#include <vector>

// Runs kestrave-cli with `arguments` (without the program name): fills `out`
// with the bytes for standard output and `err` with those for standard
// error, and returns the exit status: 0 done, 1 the results could not be
// written, 2 a bad option, value or list file.
int runKestraveCli(const std::vector<std::string>& arguments, std::string& out, std::string& err);
