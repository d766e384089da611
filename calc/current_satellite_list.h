#pragma once
// The current satellite list, compiled in from data/satellites/current.txt
// (a satellite list file, see calc/satellite_list_file.h). It lives beside
// the parser rather than in data/ because reading it takes the parser, and
// data/ comes below calc/.

#include <cstddef>
#include <string>

#include "calc/satellite_list_file.h"

// The file's bytes exactly (UTF-8), followed by a NUL that the size leaves out.
extern const char CurrentSatelliteListText[];
extern const std::size_t CurrentSatelliteListSize;
// The list's date, "YYYY-MM-DD", from the file's "# date: " line: the date
// the program shows for the list.
extern const char CurrentSatelliteListDate[];

// The file read with parseSatelliteListFile: its SatelliteListText and row count.
SatelliteListFileResult parseCurrentSatelliteList();

// The menu item that loads the list, code page 936, with the list's date put
// in before its accelerator, so that the date shown is always the compiled-in
// list's: "载入当前卫星列表(&N)" becomes "载入当前卫星列表（2026-12-07）(&N)".
// A text without an accelerator gets the date at its end.
std::string withCurrentListDate(const std::string& menuItemText);
