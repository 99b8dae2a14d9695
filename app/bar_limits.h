// Ranges in which the bar stays visible and usable, applied to what section "main"
// and the widget lines hold when they are read. A hand-edited or damaged file must
// not open a bar 0 pixels wide or buttons outside it; a value in range is kept as
// stored, so a run that changes nothing writes nothing different.
#pragma once

#include "app/layout.h"
#include "core/bar_settings.h"
#include "core/records.h"

struct IntRange {
  int low;
  int high;
  int Clamp(int value) const { return value < low ? low : value > high ? high : value; }
};

inline constexpr IntRange kBorderRange{0, 20};
// At least the height of the caption buttons, so they stay inside the band.
inline constexpr IntRange kCaptionRange{16, 100};
inline constexpr IntRange kSplitterRange{0, 50};
inline constexpr IntRange kTidgetSizeRange{8, 96};
inline constexpr IntRange kTidgetGapRange{0, 50};
// No screen is taller or wider than this; a widget never needs more.
inline constexpr int kMaxWidgetThick = 4000;
inline constexpr IntRange kWidgetThickRange{1, kMaxWidgetThick};
// The bar's thickness across its length, as its long edges can be dragged.
inline constexpr IntRange kBarThickRange{kMinBarThickness, kMaxBarThickness};

// Brings every number of the bar's settings into its range; "widgetMaxThick" is
// raised to "widgetMinThick" when it is smaller.
void KeepBarUsable(BarSettings& bar);

// A widget record's sizes within the bar's widget limits, and a fixed size inside a
// merged group no wider than the bar can be.
void KeepWidgetUsable(WidgetInfo& record, const BarSettings& bar);
