#include "app/bar_onscreen.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool Overlaps(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

// [start, start + length) moved inside [low, high), shortened when it is longer.
void FitSpan(int& start, int& end, int low, int high) {
  const std::int64_t length = std::min<std::int64_t>(std::int64_t{end} - start, std::int64_t{high} - low);
  std::int64_t from = std::clamp<std::int64_t>(start, low, std::int64_t{high} - length);
  start = static_cast<int>(from);
  end = static_cast<int>(from + std::max<std::int64_t>(length, 0));
}

// [start, end) moved inside [low, high) with its length kept; a longer one starts at low.
void MoveSpanInside(int& start, int& end, int low, int high) {
  const std::int64_t length = std::int64_t{end} - start;
  const std::int64_t from = std::max<std::int64_t>(std::min<std::int64_t>(start, high - length), low);
  start = static_cast<int>(from);
  end = static_cast<int>(std::min<std::int64_t>(from + length, INT_MAX));
}

}  // namespace

std::optional<Rect> RescueOffscreen(const Rect& window, const std::vector<Rect>& workAreas,
                                    const Rect& nearest) {
  for (const Rect& area : workAreas)
    if (Overlaps(window, area)) return std::nullopt;
  Rect moved = window;
  FitSpan(moved.left, moved.right, nearest.left, nearest.right);
  FitSpan(moved.top, moved.bottom, nearest.top, nearest.bottom);
  return moved;
}

Rect KeepLengthInside(const Rect& window, const Rect& work, bool vertical) {
  Rect moved = window;
  if (vertical)
    MoveSpanInside(moved.top, moved.bottom, work.top, work.bottom);
  else
    MoveSpanInside(moved.left, moved.right, work.left, work.right);
  return moved;
}
