// Where the memo window's parts go, decided without a window.
#pragma once

#include "core/geometry.h"
#include "core/scale.h"

// The memo window's caption strip (as thick as the bar's caption band) and its two
// buttons, right-aligned in it, for a client area of the given size.
struct MemoWindowLayout {
  int caption = 0;
  Rect closeButton;
  Rect propertiesButton;
  Rect edit;
  // The grey line under the strip and where the title starts; the title is centred on `titleMiddle`.
  Rect rule;
  int titleLeft = 0;
  int titleMiddle = 0;
};
MemoWindowLayout MemoWindowLayoutOf(int width, int height, int captionUnits, Scale scale = {});
