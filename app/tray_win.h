// The tidget strip: a child of the bar that holds the tidget buttons.
#pragma once

#include "core/window_win.h"

// Child ids of the bar: its two caption buttons, the two arrows of a scrolling widget
// area and the strip.
inline constexpr UINT kCloseButtonId = 1;
inline constexpr UINT kMenuButtonId = 2;
inline constexpr UINT kScrollBackId = 3;
inline constexpr UINT kScrollOnId = 4;
inline constexpr UINT kTrayChildId = 5;

class CTrayWindow : public CWindow {
 public:
  // Its background between the tidgets is the bar's content colour, so the strip
  // reads as part of the bar.
  void SetContentColor(COLORREF color);
};
