#pragma once
// The obstacles dialog (IDD_OBSTACLES): the obstacles around the site as a
// list of sectors (from, to, elevation), edited with three boxes and the
// add, change and delete buttons, and whether the bearings are a compass's.
// The dialog only edits the setting; its caller keeps it.

#include <windows.h>

#include "fieldkit/horizon_setting.h"

// Shows the dialog modally to `owner` with `setting`. True when the user
// confirmed it with OK (the edited setting is then in `setting`), false when
// it was cancelled or closed (`setting` as it was).
bool runObstaclesDialog(HINSTANCE instance, HWND owner, HorizonSetting& setting);
