// A tool window's remembered placement: the keys "left", "top", "right", "bottom",
// "showCmd" and "fullScreen" in a settings section, shared by the image viewer and
// the colour table window.
#pragma once

#include "core/geometry.h"

struct StoredPlacement {
  Rect normal;          // the restored (normal-position) rectangle
  int showCmd = 1;      // 1 normal, 3 maximised
  bool fullScreen = false;
};

// The show command a stored value opens with: maximised stays maximised, anything
// else (hidden, minimised, garbage) opens normal, so the window is always seen.
int OpenShowCmd(int stored);
