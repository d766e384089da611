#pragma once
// The obstacles dialog (IDD_OBSTACLES): one site's obstacles, named above
// the list, as sectors (from, to, elevation, width), edited with three boxes
// and the add, change and delete buttons, and whether the bearings are a
// compass's. The dialog only edits the set; its caller keeps it.

#include <windows.h>

#include <cstddef>

#include "fieldkit/obstacle_sites.h"

// Shows the dialog modally to `owner` with `set`: at most `room` obstacles,
// and compass bearings turned by `declination` (degrees, east positive)
// when the check box changes kind. True when the user confirmed it with OK
// (the edited set is then in `set`), false when it was cancelled or closed
// (`set` as it was).
bool runObstaclesDialog(HINSTANCE instance, HWND owner, SiteObstacles& set, std::size_t room,
                        long double declination);
