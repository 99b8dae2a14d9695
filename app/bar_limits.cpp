#include "app/bar_limits.h"

void KeepBarUsable(BarSettings& bar) {
  bar.vertThick = kBarThickRange.Clamp(bar.vertThick);
  bar.horzThick = kBarThickRange.Clamp(bar.horzThick);
  bar.bdThick = kBorderRange.Clamp(bar.bdThick);
  bar.capThick = kCaptionRange.Clamp(bar.capThick);
  bar.splitThick = kSplitterRange.Clamp(bar.splitThick);
  bar.tidgetSize = kTidgetSizeRange.Clamp(bar.tidgetSize);
  bar.tidgetGap = kTidgetGapRange.Clamp(bar.tidgetGap);
  bar.widgetMinThick = kWidgetThickRange.Clamp(bar.widgetMinThick);
  bar.widgetMaxThick = IntRange{bar.widgetMinThick, kWidgetThickRange.high}.Clamp(bar.widgetMaxThick);
}

void KeepWidgetUsable(WidgetInfo& record, const BarSettings& bar) {
  const IntRange size{bar.widgetMinThick, bar.widgetMaxThick};
  record.vertHeight = size.Clamp(record.vertHeight);
  record.horzWidth = size.Clamp(record.horzWidth);
  if (record.ratio < -kMaxBarThickness) record.ratio = -kMaxBarThickness;
}
