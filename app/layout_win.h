// The layout pass on the real windows: widgets, buttons, the tidget strip and the
// bar's own size, from the records and barSettings, fitted to the bar's monitor.
#pragma once

#include <vector>

#include "app/layout.h"

// Recomputes and applies every child position and the bar's size, and keeps the bar's
// length inside its monitor's work area; records without a window are left alone.
// Does nothing while the bar has no window.
void LayoutBar();

// Lays the bar out again when the work area along it is not the one the last pass
// fitted it to (the bar moved to another monitor, the screen changed).
void RefitBarIfRoomChanged();

// The widget records as the layout sees them, in record order.
std::vector<LayoutWidget> CurrentLayoutWidgets();

// The layout the records ask for before any child window exists, so that the children
// can be made where the layout pass would put them.
BarLayout PlannedBarLayout();

// What the layout pass gives the bar as it is now, without applying it.
BarLayout CurrentBarLayout();

// The stored thickness a splitter drag of record `leader` gives, the pointer `reach`
// pixels past the row's start.
int DraggedThickness(int leader, long long reach);
