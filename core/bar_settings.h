// The bar's options from section "main". Fields keep the settings key names, so a
// reader can match them to the .ini at a glance. Loading and saving live with the bar.
#pragma once

#include <cstdint>

struct BarSettings {
  bool vertical = true;
  bool alwaysontop = true;
  int widgetMinThick = 30;
  int widgetMaxThick = 300;
  int bdStyle = 2;
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
  int left = 100;
  int top = 100;
  int right = 300;
  int bottom = 600;
};

// Process-wide: the bar, its layout, the widgets and the selection dialogs read it.
extern BarSettings barSettings;
