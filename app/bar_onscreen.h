// Bringing back a bar stored where no screen is (a monitor unplugged, a smaller
// resolution): with no frame or system menu the user could not reach it otherwise.
#pragma once

#include <optional>
#include <vector>

#include "core/geometry.h"

// Where `window` must go when no part of it lies within any of `workAreas`: inside
// `nearest` (the work area of the nearest monitor), its size kept and shrunk only
// where it does not fit. Nothing when some part of it is visible.
std::optional<Rect> RescueOffscreen(const Rect& window, const std::vector<Rect>& workAreas,
                                    const Rect& nearest);
