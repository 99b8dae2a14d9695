#include <windows.h>

#include "core/bar_settings.h"
#include "core/dpi_win.h"
#include "core/place_next.h"
#include "core/shell_win.h"
#include "core/geometry_win.h"

void PlaceNextToBar(HWND window, int offsetX, int offsetY) {
  if (!barHandle || !window) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT bar{}, own{};
  POINT cursor{};
  if (!GetMonitorInfoW(MonitorFromWindow(barHandle, MONITOR_DEFAULTTONEAREST), &monitor) ||
      !GetWindowRect(barHandle, &bar) || !GetWindowRect(window, &own))
    return;
  GetCursorPos(&cursor);
  const Point at = PlaceBesideBar(barSettings.vertical, ToRect(monitor.rcMonitor), ToPoint(cursor),
                                  ToRect(bar), own.right - own.left, own.bottom - own.top,
                                  {offsetX, offsetY}, ScaleOf(barHandle));
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}
