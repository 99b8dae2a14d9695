#include "tidgets/lcdtest.h"

#include <algorithm>

int NextLcdColor(int index) { return index >= 0 && index < kLcdColorCount - 1 ? index + 1 : 0; }

LcdKey LcdKeyAction(unsigned virtualKey) {
  switch (virtualKey) {
    case 13: return {LcdAction::ToggleHelp};
    case 27: return {LcdAction::Close};
    case 32: return {LcdAction::NextColor};
    case 'M': return {LcdAction::NextMonitor};
    case 'R': return {LcdAction::SetColor, 0};
    case 'G': return {LcdAction::SetColor, 1};
    case 'B': return {LcdAction::SetColor, 2};
    case 'W': return {LcdAction::SetColor, 3};
    case 'K': return {LcdAction::SetColor, 4};
    default: return {};
  }
}

bool MonitorTable::Add(const Rect& monitor) {
  if (count >= kMaxMonitors) return false;
  rects[count++] = monitor;
  return true;
}

namespace {

long long OverlapArea(const Rect& a, const Rect& b) {
  const long long w = std::min(a.right, b.right) - static_cast<long long>(std::max(a.left, b.left));
  const long long h = std::min(a.bottom, b.bottom) - static_cast<long long>(std::max(a.top, b.top));
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

int MonitorHolding(const MonitorTable& monitors, const Rect& window) {
  int best = -1;
  long long bestArea = 0;
  for (int i = 0; i < monitors.count; ++i) {
    const long long area = OverlapArea(monitors.rects[i], window);
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  return best;
}

int NextMonitor(const MonitorTable& monitors, const Rect& window) {
  if (monitors.count < 2) return -1;
  const int holding = MonitorHolding(monitors, window);
  return holding + 1 >= monitors.count ? 0 : holding + 1;
}

std::uint32_t LcdState::Color() const {
  return kLcdColors[colorIndex >= 0 && colorIndex < kLcdColorCount ? colorIndex : kLcdBlue];
}
