#include "app/message_loop_win.h"

#include <windows.h>

#include <utility>

#include "core/tooltip_win.h"
#include "widgets/base/popup_win.h"
#include "widgets/base/heartbeat.h"

namespace {

struct BeatKeeper {
  BeatClock clock{GetTickCount64()};
  std::function<void()> beat;
  // The thread timer that keeps the beat while messages are taken elsewhere.
  UINT_PTR fallback = 0;
};
// The running loop's (the program runs one).
BeatKeeper* running = nullptr;

void BeatIfDue(BeatKeeper& keeper) {
  if (keeper.clock.TakeIfDue(GetTickCount64())) keeper.beat();
}

// The fallback fires a little after the beat is due: in an idle loop the wait ends
// first, and takes the beat back before the timer comes.
constexpr BeatClock::Ms kFallbackLateMs = 50;

UINT FallbackWait(const BeatKeeper& keeper) {
  return static_cast<UINT>(keeper.clock.UntilDue(GetTickCount64()) + kFallbackLateMs);
}

// Beats when due and aims at the next beat (a timer of the same id is replaced).
void CALLBACK OnFallback(HWND, UINT, UINT_PTR, DWORD) {
  if (!running || !running->fallback) return;
  BeatIfDue(*running);
  if (running && running->fallback)
    running->fallback = SetTimer(nullptr, running->fallback, FallbackWait(*running), OnFallback);
}

void ArmFallback(BeatKeeper& keeper) {
  if (!keeper.fallback) keeper.fallback = SetTimer(nullptr, 0, FallbackWait(keeper), OnFallback);
}

void DisarmFallback(BeatKeeper& keeper) {
  if (keeper.fallback) KillTimer(nullptr, keeper.fallback);
  keeper.fallback = 0;
}

void HandOn(MSG& msg, const OpenPopup& popup) {
  RelayToTooltip(msg);
  // The open settings popup, if any, gets its keyboard navigation first.
  HWND dialog = popup.activeDialog;
  if (dialog && IsWindow(dialog) && IsDialogMessageW(dialog, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

int RunMessageLoop(const OpenPopup& popup, std::function<void()> beat) {
  BeatKeeper keeper;
  keeper.beat = std::move(beat);
  BeatKeeper* const outer = std::exchange(running, &keeper);
  MSG msg{};
  for (;;) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) break;
      // Before the message is handed on: its handling may run a modal loop.
      ArmFallback(keeper);
      HandOn(msg, popup);
      continue;
    }
    // Nothing waiting. While the waits only end at beats, the queue is not asked
    // again: a beat that posts or invalidates ends the next wait at once.
    for (;;) {
      BeatIfDue(keeper);
      const BeatClock::Ms wait = keeper.clock.UntilDue(GetTickCount64());
      if (wait == 0) continue;
      if (MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait), QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
          WAIT_TIMEOUT)
        break;
      // Idle for a whole wait: this loop keeps the beat alone again.
      DisarmFallback(keeper);
    }
  }
  DisarmFallback(keeper);
  running = outer;
  return static_cast<int>(msg.wParam);
}
