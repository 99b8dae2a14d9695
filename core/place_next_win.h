// Puts a popup or tool window beside the bar.
#pragma once

#include <windows.h>

#include "core/geometry.h"

// Puts top-level `window` 5 pixels beside the bar, lined up with `offset` along the
// bar from its own start (a widget's place in it, or 0, 0 for the bar itself); only
// offset.y counts on a vertical bar, only offset.x on a horizontal one. Nothing while
// there is no bar.
void PlaceNextToBar(HWND bar, bool vertical, HWND window, Point offset);
