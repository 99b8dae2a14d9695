// The tidget strip: a child of the bar (id 2) that holds the tidget buttons.
#pragma once

#include "core/window_win.h"

inline constexpr UINT kTrayChildId = 2;

class CTrayWindow : public CWindow {
 public:
  // Its background between the tidgets is the bar's content colour, so the strip
  // reads as part of the bar.
  LRESULT OnCreate(WPARAM, LPARAM) override;
};

// The one strip of the process.
extern CTrayWindow trayWindow;
