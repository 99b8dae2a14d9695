// A stand-in bar for the widget tests: settings in a fresh .ini, the shared fonts, a
// top-level window standing in for the bar, and widgets made by the factory from records.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "core/bar_settings.h"
#include "core/records.h"
#include "core/texts_win.h"
#include "support/win_test_support.h"
#include "widgets/base/dget_win.h"

namespace test_support {

// What a bar gives its widgets, held by the test: a store, a window, options, the popup.
class TestHost : public DgetHost {
 public:
  explicit TestHost(CSettings& settings, HWND bar = nullptr) : bar(bar), settings_(settings) {}

  CSettings& Settings() override { return settings_; }
  HWND BarWindow() const override { return bar; }
  const BarSettings& BarOptions() const override { return options; }
  OpenPopup& Popup() override { return popup; }
  const std::wstring& DataProgramPath() const override { return dataProgramPath; }
  const TextTable& Texts() const override { return texts; }
  // Beats only when a test calls Beat().
  Heartbeat& Beats() override { return heartbeat; }

  HWND bar;
  Heartbeat heartbeat;
  BarSettings options;
  OpenPopup popup;
  // Beside the test's .ini unless a test points it elsewhere.
  std::wstring dataProgramPath;
  TextTable texts = LoadTexts(Language::Korean);

 private:
  CSettings& settings_;
};

class WidgetBench : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Appends `record` to the widget list and makes its window through the factory at (0, y).
  CWidget* Place(WidgetInfo record, int width, int height, int y = 0);
  template <class Class>
  Class* Place(const char16_t* kind, int width, int height, int y = 0) {
    return dynamic_cast<Class*>(Place(MakeWidgetInfo(kind, widgetList), width, height, y));
  }

  // Paints `widget` first, as the bar has when a tick comes, then answers the part
  // `act` repainted; nothing when it painted nothing. A repaint must be on the screen
  // at once: a part left invalid instead fails the test.
  static std::optional<RECT> RepaintedBy(const CWidget& widget, const std::function<void()>& act);

  // The popup a right-click opened, or null.
  HWND OpenPopup(const CWidget& widget);
  // Esc as the message loop hands it to the popup.
  static void PressEscape(HWND popup);
  static void Deactivate(HWND popup) { SendMessageW(popup, WM_NCACTIVATE, FALSE, 0); }

  IniSandbox ini;
  HostWindow bar{100, 100, 400, 400};
  TestHost host{ini.settings, bar.hwnd()};
  RecordList<WidgetInfo> widgetList;
  // What the tests read and set of the stand-in bar, by the names the bar gives them.
  HWND& activeDialog = host.popup.activeDialog;
  BarSettings& barSettings = host.options;
};

}  // namespace test_support
