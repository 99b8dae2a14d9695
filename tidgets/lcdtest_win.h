// The LCD test: a click on the tidget opens a borderless, always-on-top window that
// covers a monitor in one test colour, to find dead or stuck pixels. The window is
// a plain one of class "LCDTest" (no CWindow object); the colour and the help text
// setting are one per process, so each new window starts as the last was left.
#pragma once

#include "tidgets/lcdtest.h"
#include "widgets/dget_win.h"

inline constexpr wchar_t kLcdTestClass[] = L"LCDTest";
// Messages the window sends itself.
inline constexpr UINT kLcdNextColor = WM_USER + 1;
inline constexpr UINT kLcdNextMonitor = WM_USER + 2;

extern LcdState lcdState;

class CLCDTest : public CIconTidget {
 public:
  CLCDTest(const wchar_t* caption, const wchar_t* name);

  void Activate() override;
};

// Registers the window class (again: fails harmlessly).
void RegisterLcdTestClass();
