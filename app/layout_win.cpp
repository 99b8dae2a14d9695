#include "app/layout_win.h"

#include "app/bar_onscreen_win.h"
#include "app/bar_onscreen.h"
#include "app/factory_win.h"
#include "core/geometry_win.h"
#include "core/wide_win.h"
#include "widgets/base/dget_win.h"

namespace {

bool HasWindow(const CWindow* object) { return object && object->hwnd && IsWindow(object->hwnd); }

// The record as the layout sees it, with what its kind needs on a bar of that direction and scale.
LayoutWidget AsLayoutWidget(const WidgetInfo& record, bool placeable, int thickness, bool vertical, Scale scale) {
  LayoutWidget widget;
  widget.placeable = placeable;
  widget.visible = record.visible;
  widget.merged = record.merged;
  widget.ratio = record.ratio;
  widget.thickness = thickness;
  if (const UsableThicknessRule rule = UsableThicknessRuleOf(AsWide(record.kind)))
    widget.usable = [rule, vertical, scale](int across) { return rule(vertical, across, scale); };
  return widget;
}

// Whether this version makes an object for a record of this kind in that list.
bool MadeByThisVersion(const NameField& kind, bool inWidgetList) {
  const std::optional<Kind> known = KindNamed(FieldView(kind));
  return known && IsWidget(*known) == inWidgetList;
}

// Under Wine every move is a trip to the server, even one to where the window already
// is; children made in place at start would pay it some 45 times for nothing.
void MoveIfMoved(HWND window, const Rect& place) {
  RECT now{};
  GetWindowRect(window, &now);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
  if (ToRect(now) != place) MoveWindow(window, place.left, place.top, place.Width(), place.Height(), TRUE);
}

// A hidden bar is painted whole when it is shown: until then a repaint only costs trips
// to the system.
void UpdateIfShown(HWND window) {
  if (IsWindowVisible(window)) UpdateWindow(window);
}

void RepaintIfShown(HWND window, bool erase) {
  if (!IsWindowVisible(window)) return;
  InvalidateRect(window, nullptr, erase);
  UpdateWindow(window);
}

}  // namespace

std::vector<LayoutWidget> LiveLayoutWidgets(const RecordList<WidgetInfo>& widgets, bool vertical, Scale scale) {
  std::vector<LayoutWidget> layoutWidgets;
  for (const WidgetInfo& record : widgets) {
    const bool placeable = HasWindow(record.widget);
    const int thickness = !placeable ? 0 : vertical ? record.widget->height : record.widget->width;
    layoutWidgets.push_back(AsLayoutWidget(record, placeable, thickness, vertical, scale));
  }
  return layoutWidgets;
}

std::vector<bool> PlaceableTidgets(const RecordList<TidgetInfo>& tidgets) {
  std::vector<bool> placeable;
  for (const TidgetInfo& record : tidgets) placeable.push_back(record.visible && HasWindow(record.tidget));
  return placeable;
}

std::vector<LayoutWidget> PlannedLayoutWidgets(const RecordList<WidgetInfo>& widgets, bool vertical, Scale scale) {
  std::vector<LayoutWidget> layoutWidgets;
  for (const WidgetInfo& record : widgets)
    layoutWidgets.push_back(AsLayoutWidget(record, MadeByThisVersion(record.kind, true),
                                           vertical ? record.vertHeight : record.horzWidth, vertical, scale));
  return layoutWidgets;
}

std::vector<bool> PlannedTidgets(const RecordList<TidgetInfo>& tidgets) {
  std::vector<bool> placeable;
  for (const TidgetInfo& record : tidgets) placeable.push_back(record.visible && MadeByThisVersion(record.kind, false));
  return placeable;
}

BarFit FitOf(HWND bar, bool vertical, int firstRow) {
  BarFit fit;
  fit.firstRow = firstRow;
  RECT shown{};
  if (!GetWindowRect(bar, &shown)) return fit;
  if (const auto work = NearestWorkArea(shown)) fit.room = vertical ? work->Height() : work->Width();
  return fit;
}

void MoveAndShow(HWND window, const Rect& place) {
  MoveIfMoved(window, place);
  UpdateIfShown(window);
}

void PlaceWidgets(const BarLayout& layout, RecordList<WidgetInfo>& widgets, bool vertical) {
  for (int i = 0; i < widgets.count() && i < static_cast<int>(layout.widgets.size()); ++i) {
    CWidget* widget = widgets[i].widget;
    if (!layout.widgets[i]) {
      if (widget) widget->SetInView(false);
      continue;
    }
    const Rect& place = *layout.widgets[i];
    // Popups line up with their widget's position along the bar, in pixels; the
    // thickness (height or width) stays in units, as the record keeps it.
    if (vertical)
      widget->top = place.top;
    else
      widget->left = place.left;
    MoveIfMoved(widget->hwnd, place);
    widget->SetInView(layout.widgetsInView[i]);
    RepaintIfShown(widget->hwnd, true);
  }
}

void PlaceStrip(const BarLayout& layout, CWindow& strip, RecordList<TidgetInfo>& tidgets, bool vertical) {
  const Rect& place = layout.strip;
  if (vertical)
    strip.top = place.top;
  else
    strip.left = place.left;
  if (!strip.hwnd) return;
  MoveIfMoved(strip.hwnd, place);
  RepaintIfShown(strip.hwnd, false);
  const int size = layout.tidgetSize;
  for (int i = 0; i < tidgets.count() && i < static_cast<int>(layout.tidgets.size()); ++i)
    if (const std::optional<Point>& at = layout.tidgets[i])
      MoveAndShow(tidgets[i].tidget->hwnd, {at->x, at->y, at->x + size, at->y + size});
}

void SizeWithinWorkArea(HWND bar, int width, int height, bool vertical) {
  RECT now{};
  GetWindowRect(bar, &now);
  const Rect sized{now.left, now.top, now.left + width, now.top + height};
  const auto work = NearestWorkArea(now);
  const Rect placed = work ? KeepLengthInside(sized, *work, vertical) : sized;
  if (placed == ToRect(now)) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (placed.left == now.left && placed.top == now.top) flags |= SWP_NOMOVE;
  SetWindowPos(bar, nullptr, placed.left, placed.top, width, height, flags);
}

Point PlaceOfMove(HWND bar, const WINDOWPOS& pos, bool magnetic, bool vertical, Scale scale, ScreenEdge ownEdge,
                  const Rect& ownBand) {
  Rect moving{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  // A move that keeps the size may carry no size at all: snap the real one.
  RECT current{};
  if ((pos.flags & SWP_NOSIZE) && GetWindowRect(bar, &current)) {
    moving.right = pos.x + (current.right - current.left);
    moving.bottom = pos.y + (current.bottom - current.top);
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (magnetic && GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const Point at = SnapToWorkArea(WithoutOwnBand(ToRect(monitor.rcWork), ownEdge, ownBand), moving, scale);
    moving = {at.x, at.y, at.x + moving.Width(), at.y + moving.Height()};
  }
  // The widgets lie along the bar's length: that stays on the screen it goes to.
  if (const auto work = NearestWorkArea(ToRECT(moving))) moving = KeepLengthInside(moving, *work, vertical);
  return {moving.left, moving.top};
}
