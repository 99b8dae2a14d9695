// Moves the bar back onto a screen when it lies on none (start-up, display changes).
#pragma once

#include <windows.h>

#include <optional>

#include "core/geometry.h"

// Answers whether the bar was moved; then its placement counts as changed.
bool KeepBarOnScreen(HWND bar);

// The work area of the monitor nearest to a screen rectangle.
std::optional<Rect> NearestWorkArea(const RECT& window);
