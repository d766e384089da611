#pragma once
// kestrave-cli's --horizon FILE: the obstacles around the site.

#include <string>

#include "fieldkit/horizon_file.h"

// Reads the horizon file at `path` (at most HorizonFileLimit bytes are
// read). Returns false with a one-line message naming the file, and the
// line when one is refused:
//   --horizon "h.txt": cannot be read
//   h.txt: line 4: elevation "95" is not within 0 to 90
bool loadHorizonOption(const std::string& path, Horizon& horizon, std::string& error);
