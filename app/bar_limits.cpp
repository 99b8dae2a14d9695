#include "app/bar_limits.h"

#include "app/layout.h"

void KeepBarUsable(BarSettings& bar) {
  const IntRange thickness{kMinBarThickness, kMaxBarThickness};
  bar.vertThick = thickness.Clamp(bar.vertThick);
  bar.horzThick = thickness.Clamp(bar.horzThick);
  bar.bdThick = kBorderRange.Clamp(bar.bdThick);
  bar.capThick = kCaptionRange.Clamp(bar.capThick);
  bar.splitThick = kSplitterRange.Clamp(bar.splitThick);
  bar.tidgetSize = kTidgetSizeRange.Clamp(bar.tidgetSize);
  bar.tidgetGap = kTidgetGapRange.Clamp(bar.tidgetGap);
  bar.widgetMinThick = IntRange{1, kMaxWidgetThick}.Clamp(bar.widgetMinThick);
  bar.widgetMaxThick = IntRange{bar.widgetMinThick, kMaxWidgetThick}.Clamp(bar.widgetMaxThick);
}

void KeepWidgetUsable(WidgetInfo& record, const BarSettings& bar) {
  const IntRange size{bar.widgetMinThick, bar.widgetMaxThick};
  record.vertHeight = size.Clamp(record.vertHeight);
  record.horzWidth = size.Clamp(record.horzWidth);
  if (record.ratio < -kMaxBarThickness) record.ratio = -kMaxBarThickness;
}
