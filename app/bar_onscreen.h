// Bringing back a bar stored where no screen is (a monitor unplugged, a smaller
// resolution): with no frame or system menu the user could not reach it otherwise.
// And keeping its length on the screen, where its widgets are.
#pragma once

#include <optional>
#include <vector>

#include "core/geometry.h"

// Where `window` must go when no part of it lies within any of `workAreas`: inside
// `nearest` (the work area of the nearest monitor), its size kept and shrunk only
// where it does not fit. Nothing when some part of it is visible.
std::optional<Rect> RescueOffscreen(const Rect& window, const std::vector<Rect>& workAreas,
                                    const Rect& nearest);

// `window` moved along the bar's length (down or up for a vertical bar, sideways for a
// horizontal one) until it lies within `work` that way, its size kept; one longer
// than the work area starts at the work area's start. Across the bar it stays where
// the user put it.
Rect KeepLengthInside(const Rect& window, const Rect& work, bool vertical);
