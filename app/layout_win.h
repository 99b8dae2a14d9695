// The layout pass on the real windows: what it reads of the records and the bar's
// window, and how it moves the widgets, the tidget strip and the bar itself. The bar
// runs the pass (CMainWindow::LayoutBar) and hands everything in as arguments.
#pragma once

#include <windows.h>

#include <vector>

#include "app/layout.h"
#include "app/reserved_edge.h"
#include "core/records.h"
#include "core/window_win.h"

// The widget records as the layout sees them, in record order: the thickness each
// live window has along the bar, and what its kind needs to stay whole at `scale`.
std::vector<LayoutWidget> LiveLayoutWidgets(const RecordList<WidgetInfo>& widgets, bool vertical, Scale scale = {});
// Per tidget record: visible and with a live window.
std::vector<bool> PlaceableTidgets(const RecordList<TidgetInfo>& tidgets);

// The same before any child window exists: a record counts when this version makes
// its kind, so the children can be made where the layout pass will put them.
std::vector<LayoutWidget> PlannedLayoutWidgets(const RecordList<WidgetInfo>& widgets, bool vertical, Scale scale = {});
std::vector<bool> PlannedTidgets(const RecordList<TidgetInfo>& tidgets);

// The room along `bar`: the length of its monitor's work area, with the first row to show.
BarFit FitOf(HWND bar, bool vertical, int firstRow);

// Moves a child to `place` (parent coordinates) unless it is there already, and
// paints it now.
void MoveAndShow(HWND window, const Rect& place);
// Puts every placed widget where `layout` says; records without a window are left alone.
void PlaceWidgets(const BarLayout& layout, RecordList<WidgetInfo>& widgets, bool vertical);
// Puts the strip and every placed tidget in it.
void PlaceStrip(const BarLayout& layout, CWindow& strip, RecordList<TidgetInfo>& tidgets, bool vertical);
// Gives `bar` its new size, moved along its length into its monitor's work area when
// it would reach past it; that move snaps as every move does.
void SizeWithinWorkArea(HWND bar, int width, int height, bool vertical);

// Where a move of the bar (`pos`, as WM_WINDOWPOSCHANGING gives it) puts its top-left
// corner: snapped to its work area's edges when `magnetic`, and its length kept on the
// screen it goes to. The band the bar itself reserves at `ownEdge` counts as work area.
Point PlaceOfMove(HWND bar, const WINDOWPOS& pos, bool magnetic, bool vertical, Scale scale,
                  ScreenEdge ownEdge = ScreenEdge::None, const Rect& ownBand = {});
