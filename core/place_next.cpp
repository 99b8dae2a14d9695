#include "core/place_next.h"

namespace {

constexpr int kGap = 5;

// Keeps [start, start + length) inside [low, high), preferring the low edge when
// the window is longer than the range.
int KeepInside(int start, int length, int low, int high) {
  if (start + length > high) start = high - length;
  if (start < low) start = low;
  return start;
}

// Start of a window of `length` beside the bar's span [barLow, barHigh) across it,
// inside [low, high): on the side away from the cursor's half when the window fits
// there, else on the other side when it fits there, else kept inside the range.
int BesideSpan(int cursor, int barLow, int barHigh, int length, int low, int high, int gap) {
  const int after = barHigh + gap;
  const int before = barLow - length - gap;
  const bool afterFits = after + length <= high;
  const bool beforeFits = before >= low;
  const bool preferAfter = cursor < (low + high) / 2;
  int start = preferAfter ? after : before;
  if (preferAfter ? !afterFits && beforeFits : !beforeFits && afterFits) start = preferAfter ? before : after;
  return KeepInside(start, length, low, high);
}

}  // namespace

Point PlaceBesideBar(bool vertical, const Rect& monitor, Point cursor, const Rect& bar,
                     int windowWidth, int windowHeight, Point offset, Scale scale) {
  const int gap = scale.Px(kGap);
  Point at;
  if (vertical) {
    at.x = BesideSpan(cursor.x, bar.left, bar.right, windowWidth, monitor.left, monitor.right, gap);
    at.y = KeepInside(bar.top + offset.y, windowHeight, monitor.top, monitor.bottom);
  } else {
    at.y = BesideSpan(cursor.y, bar.top, bar.bottom, windowHeight, monitor.top, monitor.bottom, gap);
    at.x = KeepInside(bar.left + offset.x, windowWidth, monitor.left, monitor.right);
  }
  return at;
}
