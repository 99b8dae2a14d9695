#include "support/widget_bench.h"

#include "app/factory_win.h"
#include "core/fonts_win.h"

namespace test_support {

void WidgetBench::SetUp() {
  ASSERT_NE(bar.hwnd(), nullptr);
  host.dataProgramPath = ini.Beside(L"pelgra.exe");
  CreateSharedFonts();
}

void WidgetBench::TearDown() {
  if (IsWindow(host.popup.activeDialog)) DestroyWindow(host.popup.activeDialog);
  host.popup = {};
  DestroyWindow(bar.hwnd());
  for (WidgetInfo& record : widgetList) delete record.widget;
  widgetList.Clear();
  ReleaseSharedFonts();
  PumpMessages();
}

CWidget* WidgetBench::Place(WidgetInfo record, int width, int height, int y) {
  widgetList.Append(std::move(record));
  CWidget* widget = CreateWidgetWindow(host, widgetList[widgetList.count() - 1], bar.hwnd());
  if (widget) SetWindowPos(widget->hwnd, nullptr, 0, y, width, height, SWP_NOZORDER);
  return widget;
}

std::optional<RECT> WidgetBench::RepaintedBy(const CWidget& widget, const std::function<void()>& act) {
  UpdateWindow(widget.hwnd);
  const unsigned before = widget.LastPainted().count;
  act();
  RECT invalid{};
  EXPECT_FALSE(GetUpdateRect(widget.hwnd, &invalid, FALSE)) << "left to WM_PAINT";
  if (widget.LastPainted().count == before) return std::nullopt;
  return widget.LastPainted().area;
}

HWND WidgetBench::OpenPopup(const CWidget& widget) {
  SendMessageW(widget.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(widget.hwnd), At(10, 10));
  return host.popup.activeDialog;
}

void WidgetBench::PressEscape(HWND popup) {
  MSG escape{GetFocus() ? GetFocus() : popup, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  IsDialogMessageW(popup, &escape);
}

}  // namespace test_support
