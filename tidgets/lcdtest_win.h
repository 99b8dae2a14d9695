// The LCD test: a click on the tidget opens a borderless, always-on-top window that
// covers a monitor in one test colour, to find dead or stuck pixels. The window is
// a plain one of class "LCDTest" (no CWindow object) owned by the tidget, which keeps
// the colour and the help text setting: each new window starts as the last was left.
// The help text is in the bar's language, read at every paint.
#pragma once

#include "tidgets/lcdtest.h"
#include "widgets/base/dget_win.h"

inline constexpr wchar_t kLcdTestClass[] = L"LCDTest";
// Messages the window sends itself.
inline constexpr UINT kLcdNextColor = WM_USER + 1;
inline constexpr UINT kLcdNextMonitor = WM_USER + 2;

class CLCDTest : public CIconTidget {
 public:
  CLCDTest(DgetHost& host, const wchar_t* caption, const wchar_t* name);

  void Activate() override;
  // Its test windows go with it: they show its state.
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;

  // What the test windows show, for the whole run.
  LcdState lcdState;
};

// Registers the window class (again: fails harmlessly).
void RegisterLcdTestClass();
