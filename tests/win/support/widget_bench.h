// A stand-in bar for the widget tests: settings in a fresh .ini, the shared fonts, a
// top-level window that is barHandle, and widgets made by the factory from records.
#pragma once

#include <gtest/gtest.h>

#include "core/records.h"
#include "support/win_test_support.h"
#include "widgets/dget_win.h"

namespace test_support {

class WidgetBench : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends `record` to the widget list and makes its window through the factory at (0, y).
  CWidget* Place(WidgetInfo record, int width, int height, int y = 0);
  template <class Class>
  Class* Place(const char16_t* kind, int width, int height, int y = 0) {
    return dynamic_cast<Class*>(Place(MakeWidgetInfo(kind), width, height, y));
  }

  // The popup a right-click opened, or null.
  static HWND OpenPopup(const CWidget& widget);
  // Esc as the message loop hands it to the popup.
  static void PressEscape(HWND popup);
  static void Deactivate(HWND popup) { SendMessageW(popup, WM_NCACTIVATE, FALSE, 0); }

  IniSandbox ini;
  HostWindow bar{100, 100, 400, 400};
};

}  // namespace test_support
