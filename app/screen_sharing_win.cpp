#include "app/screen_sharing_win.h"

#include <shellapi.h>

#include "app/reserved_edge_win.h"
#include "core/app_messages_win.h"
#include "core/geometry_win.h"

void ScreenSharing::Stop(HWND bar) {
  frontWatch_.Stop();
  ShellAppBar shell(bar);
  reservation_.Release(shell);
}

void ScreenSharing::LookAtFront(HWND bar, const BarSettings& options, bool onlyIfNew) {
  frontWatch_.Look(bar, options.alwaysontop, options.fullScreenStepBack, onlyIfNew);
}

void ScreenSharing::KeepBand(HWND bar, const BarSettings& options) {
  if (!frontWatch_.SteppedBack()) PutInBand(bar, options.alwaysontop);
  LookAtFront(bar, options, false);
}

// Costs nothing while the option is off and nothing is held. A hidden bar holds nothing.
void ScreenSharing::KeepReservation(HWND bar, const BarSettings& options) {
  if (keepingEdge_ || !bar || (!options.reserveEdge && !reservation_.Registered())) return;
  if (!taskbarCreated_) taskbarCreated_ = TaskbarCreatedMessage();
  RECT shown{};
  GetWindowRect(bar, &shown);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const Rect work = WithoutOwnBand(ToRect(monitor.rcWork), reservation_.Edge(), reservation_.Band());
  const bool holds = options.reserveEdge && IsWindowVisible(bar);
  const ScreenEdge edge = holds ? EdgeOf(ToRect(shown), work, options.vertical) : ScreenEdge::None;
  ShellAppBar shell(bar);
  const Rect place = reservation_.Follow(shell, edge, ToRect(shown), ToRect(monitor.rcMonitor));
  if (place == ToRect(shown)) return;
  keepingEdge_ = true;
  SetWindowPos(bar, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  keepingEdge_ = false;
}

void ScreenSharing::Moved(HWND bar, const BarSettings& options) {
  if (reservation_.Registered()) ShellAppBar(bar).PositionChanged();
  KeepReservation(bar, options);
}

bool ScreenSharing::Handle(HWND bar, const BarSettings& options, UINT msg, WPARAM wParam) {
  switch (msg) {
    case kMsgForegroundChanged: LookAtFront(bar, options, false); return true;
    case kMsgAppBarNotice:
      if (wParam == ABN_FULLSCREENAPP) LookAtFront(bar, options, false);
      if (wParam == ABN_POSCHANGED) {
        reservation_.Renegotiate();
        KeepReservation(bar, options);
      }
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) frontWatch_.LostFront();
      if (reservation_.Registered()) ShellAppBar(bar).Activated();
      return false;
    default:
      if (!taskbarCreated_ || msg != taskbarCreated_) return false;
      reservation_.ShellRestarted();
      KeepReservation(bar, options);
      return true;
  }
}
