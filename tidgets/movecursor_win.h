// The cursor mover: while on, it keeps the screen saver and the monitor power-off
// away by nudging the mouse cursor one pixel when it has not moved for a period.
// A click switches it; a right click opens its popup (period, on/off, moves made).
// Only the on/off state is kept, as "moveCursor".
#pragma once

#include "tidgets/movecursor.h"
#include "tidgets/switch_tidget_win.h"

class CMoveCursor : public CSwitchTidget, public IdleCounter {
 public:
  CMoveCursor(DgetHost& host, const wchar_t* caption, const wchar_t* name);

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
  void SaveSettings() override;
  void Activate() override;

  // Switches on (timer 1 every tickMs, restarted) or off, and shows it.
  void SetActive(bool on);
};
