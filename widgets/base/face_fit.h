// The least thickness at which a widget's face is whole. A bar too long for its screen
// thins its rows, but holds each one at what its widgets need; every kind with such a
// need answers it from its own layout function, so the two cannot drift apart. Lines
// of text are taken at the cell height of their font, which is all a line can ink.
#pragma once

#include <functional>

#include "core/geometry.h"
#include "core/scale.h"

// A kind's answer: the least thickness along the bar (pixels: the height on a vertical
// bar, the width on a horizontal one) at which its face and controls are whole when the
// widget is `across` pixels the other way; 0 when the bar's widget minimum will do.
using UsableThicknessRule = int (*)(bool vertical, int across, Scale scale);

// A control's thin border is one pixel at every scale.
inline constexpr int kThinBorder = 1;

// A face at one size, and the two edges a thinned row brings together: its top and
// bottom on a vertical bar, its left and right on a horizontal one. Across the bar
// thinning changes nothing, so that way nothing is asked.
struct FaceSize {
  int width = 0;
  int height = 0;
  bool vertical = true;
  // Whether `part` lies between those edges, at least `margin` pixels clear of them.
  bool Holds(const Rect& part, int margin = 0) const;
};

// A line of text `lineHeight` high whose top is at `top`, at `x`; how wide it is does
// not matter here.
Rect LineAt(int x, int top, int lineHeight);

// The least thickness along the bar at which `whole` holds for a widget `across` pixels
// the other way, or 0 when it holds at none up to 1000 units. `whole` must keep
// holding at every thickness above one at which it holds.
int LeastWholeThickness(bool vertical, int across, Scale scale, const std::function<bool(const FaceSize&)>& whole);
