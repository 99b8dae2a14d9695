#include "core/place_next_win.h"

#include "core/geometry_win.h"
#include "core/place_next.h"
#include "core/window_win.h"

void PlaceNextToBar(HWND bar, bool vertical, HWND window, Point offset) {
  if (!bar || !window) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT barRect{}, own{};
  POINT cursor{};
  if (!GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor) ||
      !GetWindowRect(bar, &barRect) || !GetWindowRect(window, &own))
    return;
  GetCursorPos(&cursor);
  const Point at = PlaceBesideBar(vertical, ToRect(monitor.rcMonitor), ToPoint(cursor), ToRect(barRect),
                                  own.right - own.left, own.bottom - own.top, offset, ScaleOf(bar));
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}
