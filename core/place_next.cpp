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

}  // namespace

Point PlaceBesideBar(bool vertical, const Rect& monitor, Point cursor, const Rect& bar,
                     int windowWidth, int windowHeight, Point offset) {
  Point at;
  if (vertical) {
    at.x = cursor.x < (monitor.left + monitor.right) / 2 ? bar.right + kGap
                                                        : bar.left - windowWidth - kGap;
    at.y = KeepInside(bar.top + offset.y, windowHeight, monitor.top, monitor.bottom);
  } else {
    at.y = cursor.y < (monitor.top + monitor.bottom) / 2 ? bar.bottom + kGap
                                                        : bar.top - windowHeight - kGap;
    at.x = KeepInside(bar.left + offset.x, windowWidth, monitor.left, monitor.right);
  }
  return at;
}
