// The bar's options from section "main". Fields keep the settings key names, so a
// reader can match them to the .ini at a glance. The bar owns them; loading and saving
// live with it, and widgets read them through their host.
#pragma once

#include <cstdint>

#include "core/language.h"

// "bdStyle": this value draws the 3-D edge lines, any other a flat border.
inline constexpr int kEdgeBorderStyle = 2;
inline constexpr int kFlatBorderStyle = 1;

struct BarSettings {
  bool vertical = true;
  bool alwaysontop = true;
  int widgetMinThick = 30;
  int widgetMaxThick = 300;
  int bdStyle = kEdgeBorderStyle;
  int bdThick = 4;
  std::uint32_t bdColor = 0xC0C0C0;
  int capThick = 24;
  int splitThick = 5;
  std::uint32_t splitColor = 8519755;  // "indigo"
  int vertThick = 200;
  int horzThick = 120;
  int tidgetSize = 24;
  int tidgetGap = 4;
  bool magneticEffet = true;
  // "language": ko, en or system; a missing key is Korean.
  LanguageChoice language = LanguageChoice::Korean;
  // Leave the topmost band while a full-screen program is in front on the bar's monitor.
  bool fullScreenStepBack = true;
  // Reserve the screen edge the bar is snapped to, so maximised windows stop at it.
  bool reserveEdge = false;
  int left = 100;
  int top = 100;
  int right = 300;
  int bottom = 600;
};
