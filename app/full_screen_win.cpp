#include "app/full_screen_win.h"

#include <cstdint>
#include <cwchar>

#include "core/app_messages_win.h"
#include "core/geometry_win.h"
#include "core/window_win.h"

namespace {

bool IsDesktopOrShell(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wcscmp(name, L"Progman") == 0 || std::wcscmp(name, L"WorkerW") == 0;
}

FrontWindow FactsOf(HWND window) {
  FrontWindow facts;
  RECT rect{};
  GetWindowRect(window, &rect);
  facts.rect = ToRect(rect);
  facts.caption = (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  facts.desktopOrShell = IsDesktopOrShell(window);
  return facts;
}

bool FullScreenOnMonitorOf(HWND front, HWND bar) {
  if (!front || front == bar) return false;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  return IsFullScreenOn(FactsOf(front), ToRect(monitor.rcMonitor));
}

BOOL CALLBACK TellOurWindow(HWND window, LPARAM) {
  if (window_table::Find(window)) PostMessageW(window, kMsgForegroundChanged, 0, 0);
  return TRUE;
}

// Out of context: called on this thread while it takes its messages.
void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), TellOurWindow, 0);
}

constexpr UINT kBandFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Placed after a window that is not topmost, the bar leaves the topmost band and goes
// right under it in one move; behind a topmost one it only leaves the band.
void StepBehind(HWND bar, HWND front) {
  if (IsTopmost(front)) {
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, kBandFlags);
    return;
  }
  SetWindowPos(bar, front, 0, 0, 0, 0, kBandFlags);
  if (!IsTopmost(bar)) return;
  SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, kBandFlags);
  SetWindowPos(bar, front, 0, 0, 0, 0, kBandFlags);
}

}  // namespace

void PutInBand(HWND bar, bool alwaysOnTop) {
  if (IsTopmost(bar) != alwaysOnTop) SetWindowPos(bar, alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kBandFlags);
}

void FrontWatch::Start() {
  if (!hook_)
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnForegroundEvent, 0, 0,
                            WINEVENT_OUTOFCONTEXT);
}

void FrontWatch::Stop() {
  if (hook_) UnhookWinEvent(hook_);
  hook_ = nullptr;
}

void FrontWatch::Look(HWND bar, bool alwaysOnTop, bool stepBackOption, bool onlyIfNew) {
  const bool wanted = alwaysOnTop && stepBackOption;
  // Nothing to step back from, and nothing to return from: not even a look.
  if (!wanted && !SteppedBack()) return;
  if (onlyIfNew && lastFront_ == bar && !SteppedBack()) return;
  HWND front = GetForegroundWindow();
  if (onlyIfNew && front == lastFront_ && !SteppedBack()) return;
  lastFront_ = front;
  const bool fullScreen = wanted && FullScreenOnMonitorOf(front, bar);
  switch (state_.Next(reinterpret_cast<std::uintptr_t>(front), fullScreen, wanted)) {
    case BandMove::StepBack: StepBehind(bar, front); break;
    case BandMove::Return: PutInBand(bar, alwaysOnTop); break;
    case BandMove::None: break;
  }
}
