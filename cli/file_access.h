#pragma once
// Whole files read and written through the C library, by UTF-8 paths (on
// Windows the path is converted for the wide functions), so that
// kestrave-cli carries no iostreams.

#include <cstddef>
#include <string>

// Reads up to limit + 1 bytes of the file at `path` into `bytes`, so that a
// file over `limit` bytes shows as one without being read whole (a device
// that never ends, too). False when the file cannot be opened or read (a
// folder cannot be read).
bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes);

// Replaces the file at `path` with `bytes`. False when it cannot be written whole.
bool writeWholeFile(const std::string& path, const std::string& bytes);
