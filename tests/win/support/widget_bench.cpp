#include "support/widget_bench.h"

#include "core/bar_settings.h"
#include "core/shell_win.h"
#include "app/factory_win.h"

namespace test_support {

void WidgetBench::SetUp() {
  ASSERT_NE(bar.hwnd(), nullptr);
  barHandle = bar.hwnd();
  barSettings.vertical = true;
  CreateSharedFonts();
}

void WidgetBench::TearDown() {
  if (IsWindow(activeDialog)) DestroyWindow(activeDialog);
  activeDialog = nullptr;
  DestroyWindow(bar.hwnd());
  barHandle = nullptr;
  for (WidgetInfo& record : widgetList) delete record.widget;
  widgetList.Clear();
  barSettings.vertical = true;
  ReleaseSharedFonts();
  PumpMessages();
}

CWidget* WidgetBench::Place(WidgetInfo record, int width, int height, int y) {
  widgetList.Append(std::move(record));
  CWidget* widget = CreateWidgetWindow(widgetList.count() - 1, bar.hwnd());
  if (widget) SetWindowPos(widget->hwnd, nullptr, 0, y, width, height, SWP_NOZORDER);
  return widget;
}

HWND WidgetBench::OpenPopup(const CWidget& widget) {
  SendMessageW(widget.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(widget.hwnd), At(10, 10));
  return activeDialog;
}

void WidgetBench::PressEscape(HWND popup) {
  MSG escape{GetFocus() ? GetFocus() : popup, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  IsDialogMessageW(popup, &escape);
}

}  // namespace test_support
