#include "app/bar_onscreen_win.h"

#include <vector>

#include "app/bar_onscreen.h"
#include "core/geometry_win.h"

namespace {

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<Rect>*>(areas)->push_back(ToRect(info.rcWork));
  return TRUE;
}

}  // namespace

std::optional<Rect> NearestWorkArea(const RECT& window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &info)) return std::nullopt;
  return ToRect(info.rcWork);
}

bool KeepBarOnScreen(HWND bar) {
  RECT shown{};
  if (!GetWindowRect(bar, &shown)) return false;
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
  MONITORINFO nearest{};
  nearest.cbSize = sizeof nearest;
  if (areas.empty() || !GetMonitorInfoW(MonitorFromRect(&shown, MONITOR_DEFAULTTONEAREST), &nearest))
    return false;
  const auto moved = RescueOffscreen(ToRect(shown), areas, ToRect(nearest.rcWork));
  if (!moved) return false;
  // The move goes through the usual snap to the work area's edges.
  SetWindowPos(bar, nullptr, moved->left, moved->top, moved->Width(), moved->Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}
