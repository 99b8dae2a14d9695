// Clipboard to text: while on, the tidget holds the hot key Ctrl+Shift+C, which
// replaces formatted clipboard contents by their Unicode text alone. A click
// switches it; the user's choice is kept as "ClipToText".
#pragma once

#include "tidgets/switch_tidget_win.h"

class CTextClip : public CSwitchTidget {
 public:
  CTextClip(DgetHost& host, const wchar_t* caption, const wchar_t* name);

  // Takes WM_HOTKEY before the common routing.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void SaveSettings() override;
  void Activate() override;

  // What the user chose, and what is stored. `active` is whether the hot key is
  // held: when another program holds Ctrl+Shift+C the face shows off.
  bool wanted = false;

 private:
  // True when the key is now held.
  bool HoldHotKey();
  void ReleaseHotKey();
};

// Replaces clipboard contents that have Unicode text and any other format by that
// text alone, opening the clipboard for `owner`. True when it did; on every failure
// the clipboard is left as it was.
bool ConvertClipboardToText(HWND owner);
