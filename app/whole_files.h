#pragma once
// Files the program reads and writes whole, by the wide paths the file
// dialogs give.

#include <cstddef>
#include <string>

// Reads up to limit + 1 bytes of the file into `bytes`, so that a file over
// `limit` bytes shows as one without being read whole. The file may be open
// elsewhere for reading, writing or deleting. False when it cannot be opened
// or read.
bool readFileStart(const std::wstring& path, std::size_t limit, std::string& bytes);

// Writes `bytes` to a new temporary file beside `path` and then puts it in
// its place (ReplaceFileW over an existing file, which keeps its
// permissions, owner and attributes), so that a failed write never leaves
// half a file: on failure `path` is as it was and the temporary file is
// gone. Paths beyond MAX_PATH characters work.
bool replaceFileWith(const std::wstring& path, const std::string& bytes);
