#pragma once
// Files the program reads and writes whole, by the wide paths the file
// dialogs give.

#include <cstddef>
#include <string>

// Reads up to limit + 1 bytes of the file into `bytes`, so that a file over
// `limit` bytes shows as one without being read whole. False when it cannot
// be opened or read.
bool readFileStart(const std::wstring& path, std::size_t limit, std::string& bytes);

// Writes `bytes` to a new temporary file in the folder of `path` and then
// moves it over `path`, so that a failed write never leaves half a file: on
// failure `path` is as it was and the temporary file is gone.
bool replaceFileWith(const std::wstring& path, const std::string& bytes);
