// Where a popup or tool window goes beside the bar.
#pragma once

#include "core/geometry.h"
#include "core/scale.h"

// Top-left corner for a window of size `window` next to the bar rectangle `bar`:
// on the side of the bar away from the half of `monitor` the cursor is in, 5 units
// off the bar (at the bar's scale), lined up with bar position `offset` along the bar
// and kept on the monitor. Only offset.y counts on a vertical bar, only offset.x on
// a horizontal one.
Point PlaceBesideBar(bool vertical, const Rect& monitor, Point cursor, const Rect& bar,
                     int windowWidth, int windowHeight, Point offset, Scale scale = {});
