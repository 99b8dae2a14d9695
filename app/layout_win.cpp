#include "app/layout_win.h"

#include "app/bar_onscreen.h"
#include "app/bar_onscreen_win.h"
#include "core/bar_settings.h"
#include "app/bar_state.h"
#include "app/bar_win.h"
#include "app/factory_win.h"
#include "app/tray_win.h"
#include "core/geometry_win.h"
#include "core/records.h"
#include "core/wide_win.h"
#include "widgets/dget_win.h"

namespace {

bool HasWindow(const CWindow* object) { return object && object->hwnd && IsWindow(object->hwnd); }

std::vector<bool> PlaceableTidgets() {
  std::vector<bool> placeable;
  for (const TidgetInfo& record : tidgetList) placeable.push_back(record.visible && HasWindow(record.tidget));
  return placeable;
}

LayoutWidget AsLayoutWidget(const WidgetInfo& record, bool placeable, int thickness) {
  LayoutWidget w;
  w.placeable = placeable;
  w.visible = record.visible;
  w.merged = record.merged;
  w.ratio = record.ratio;
  w.thickness = thickness;
  return w;
}

// Under Wine every move is a trip to the server, even one to where the window already
// is; children made in place at start would pay it some 45 times for nothing.
void MoveIfMoved(HWND window, const Rect& r) {
  RECT now{};
  GetWindowRect(window, &now);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
  if (ToRect(now) != r) MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void MoveAndShow(HWND window, const Rect& r) {
  MoveIfMoved(window, r);
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
    MoveIfMoved(widget->hwnd, r);
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
  MoveIfMoved(trayWindow.hwnd, r);
  InvalidateRect(trayWindow.hwnd, nullptr, FALSE);
  UpdateWindow(trayWindow.hwnd);
  const int size = layout.tidgetSize;
  for (int i = 0; i < tidgetList.count() && i < static_cast<int>(layout.tidgets.size()); ++i)
    if (layout.tidgets[i])
      MoveAndShow(tidgetList[i].tidget->hwnd, {layout.tidgets[i]->x, layout.tidgets[i]->y,
                                               layout.tidgets[i]->x + size, layout.tidgets[i]->y + size});
}

// The room along the bar: the length of its monitor's work area.
BarFit CurrentFit() {
  BarFit fit;
  fit.firstRow = barState.firstRow;
  RECT shown{};
  if (!GetWindowRect(mainWindow.hwnd, &shown)) return fit;
  if (const auto work = NearestWorkArea(shown)) fit.room = barSettings.vertical ? work->Height() : work->Width();
  return fit;
}

// The bar at its new size, moved along its length into its monitor's work area when it
// would reach past it; that move snaps as every move does.
void SizeWithinWorkArea(int width, int height) {
  RECT now{};
  GetWindowRect(mainWindow.hwnd, &now);
  const Rect sized{now.left, now.top, now.left + width, now.top + height};
  const auto work = NearestWorkArea(now);
  const Rect placed = work ? KeepLengthInside(sized, *work, barSettings.vertical) : sized;
  if (placed == ToRect(now)) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (placed.left == now.left && placed.top == now.top) flags |= SWP_NOMOVE;
  SetWindowPos(mainWindow.hwnd, nullptr, placed.left, placed.top, width, height, flags);
}

}  // namespace

std::vector<LayoutWidget> CurrentLayoutWidgets() {
  std::vector<LayoutWidget> widgets;
  for (const WidgetInfo& record : widgetList) {
    const bool placeable = HasWindow(record.widget);
    const int thickness = !placeable ? 0 : barSettings.vertical ? record.widget->height : record.widget->width;
    widgets.push_back(AsLayoutWidget(record, placeable, thickness));
  }
  return widgets;
}

BarLayout PlannedBarLayout() {
  std::vector<LayoutWidget> widgets;
  for (const WidgetInfo& record : widgetList)
    widgets.push_back(AsLayoutWidget(record, IsWidgetKind(AsWide(record.kind)),
                                     barSettings.vertical ? record.vertHeight : record.horzWidth));
  std::vector<bool> tidgets;
  for (const TidgetInfo& record : tidgetList) tidgets.push_back(record.visible && IsTidgetKind(AsWide(record.kind)));
  return ComputeBarLayout(barSettings, widgets, tidgets, mainWindow.scale, CurrentFit());
}

BarLayout CurrentBarLayout() {
  return ComputeBarLayout(barSettings, CurrentLayoutWidgets(), PlaceableTidgets(), mainWindow.scale, CurrentFit());
}

int DraggedThickness(int leader, long long reach) {
  return ThicknessForReach(barSettings, CurrentLayoutWidgets(), PlaceableTidgets(), mainWindow.scale, CurrentFit(),
                           leader, reach);
}

void LayoutBar() {
  if (!mainWindow.hwnd) return;
  const BarFit fit = CurrentFit();
  const BarLayout layout =
      ComputeBarLayout(barSettings, CurrentLayoutWidgets(), PlaceableTidgets(), mainWindow.scale, fit);
  barState.barWidth = layout.barWidth;
  barState.barHeight = layout.barHeight;
  barState.stripExtent = layout.stripExtent;
  barState.border = layout.border;
  barState.caption = layout.caption;
  barState.title = layout.title;
  barState.room = fit.room;
  barState.fullLength = layout.fullLength;
  barState.shortened = layout.Shortened();
  barState.firstRow = layout.firstRow;
  if (mainWindow.closeButton) MoveAndShow(mainWindow.closeButton, layout.closeButton);
  if (mainWindow.menuButton) MoveAndShow(mainWindow.menuButton, layout.menuButton);
  PlaceWidgets(layout);
  PlaceStrip(layout);
  mainWindow.PlaceScrollArrows(layout);
  SizeWithinWorkArea(layout.barWidth, layout.barHeight);
  InvalidateRect(mainWindow.hwnd, nullptr, FALSE);
}

void RefitBarIfRoomChanged() {
  // Fitting moves the bar; where monitors overlap oddly that move must not start another.
  static bool refitting = false;
  if (refitting || !mainWindow.hwnd || CurrentFit().room == barState.room) return;
  refitting = true;
  LayoutBar();
  refitting = false;
}
