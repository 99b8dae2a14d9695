// What the bar paints itself: the border (flat or with 3-D edge lines), the caption
// band with the title, and the content colour between its children.
#pragma once

#include <windows.h>

#include "app/bar_state.h"
#include "core/bar_settings.h"
#include "core/scale.h"

inline constexpr wchar_t kBarTitle[] = L"Pelgra";

// The whole bar as the last layout pass (`state`) shaped it.
void PaintBar(HDC dc, const BarSettings& options, const BarState& state, Scale scale);
