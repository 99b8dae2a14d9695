#include "app/layout_win.h"

#include "core/bar_settings.h"
#include "app/bar_state.h"
#include "app/bar_win.h"
#include "app/tray_win.h"
#include "core/records.h"
#include "widgets/dget_win.h"

namespace {

bool HasWindow(const CWindow* object) { return object && object->hwnd && IsWindow(object->hwnd); }

std::vector<bool> PlaceableTidgets() {
  std::vector<bool> placeable;
  for (const TidgetInfo& record : tidgetList) placeable.push_back(record.visible && HasWindow(record.tidget));
  return placeable;
}

void MoveAndShow(HWND window, const Rect& r) {
  MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE);
  UpdateWindow(window);
}

void PlaceWidgets(const BarLayout& layout) {
  for (int i = 0; i < widgetList.count() && i < static_cast<int>(layout.widgets.size()); ++i) {
    if (!layout.widgets[i]) continue;
    CWidget* widget = widgetList[i].widget;
    const Rect& r = *layout.widgets[i];
    // Popups line up with their widget's position along the bar, in pixels; the
    // thickness (height or width) stays in units, as the record keeps it.
    if (barSettings.vertical)
      widget->top = r.top;
    else
      widget->left = r.left;
    MoveWindow(widget->hwnd, r.left, r.top, r.Width(), r.Height(), TRUE);
    InvalidateRect(widget->hwnd, nullptr, TRUE);
    UpdateWindow(widget->hwnd);
  }
}

void PlaceStrip(const BarLayout& layout) {
  const Rect& r = layout.strip;
  if (barSettings.vertical)
    trayWindow.top = r.top;
  else
    trayWindow.left = r.left;
  if (!trayWindow.hwnd) return;
  SetWindowPos(trayWindow.hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER);
  InvalidateRect(trayWindow.hwnd, nullptr, FALSE);
  UpdateWindow(trayWindow.hwnd);
  const int size = layout.tidgetSize;
  for (int i = 0; i < tidgetList.count() && i < static_cast<int>(layout.tidgets.size()); ++i)
    if (layout.tidgets[i])
      MoveAndShow(tidgetList[i].tidget->hwnd, {layout.tidgets[i]->x, layout.tidgets[i]->y,
                                               layout.tidgets[i]->x + size, layout.tidgets[i]->y + size});
}

}  // namespace

std::vector<LayoutWidget> CurrentLayoutWidgets() {
  std::vector<LayoutWidget> widgets;
  for (const WidgetInfo& record : widgetList) {
    LayoutWidget w;
    w.placeable = HasWindow(record.widget);
    w.visible = record.visible;
    w.merged = record.merged;
    w.ratio = record.ratio;
    if (w.placeable) w.thickness = barSettings.vertical ? record.widget->height : record.widget->width;
    widgets.push_back(w);
  }
  return widgets;
}

void LayoutBar() {
  if (!mainWindow.hwnd) return;
  const BarLayout layout =
      ComputeBarLayout(barSettings, CurrentLayoutWidgets(), PlaceableTidgets(), mainWindow.scale);
  barState.barWidth = layout.barWidth;
  barState.barHeight = layout.barHeight;
  barState.stripExtent = layout.stripExtent;
  barState.border = layout.border;
  barState.caption = layout.caption;
  barState.title = layout.title;
  if (mainWindow.closeButton) MoveAndShow(mainWindow.closeButton, layout.closeButton);
  if (mainWindow.menuButton) MoveAndShow(mainWindow.menuButton, layout.menuButton);
  PlaceWidgets(layout);
  PlaceStrip(layout);
  SetWindowPos(mainWindow.hwnd, nullptr, 0, 0, layout.barWidth, layout.barHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(mainWindow.hwnd, nullptr, FALSE);
}
