// The layout pass on the real windows: widgets, buttons, the tidget strip and the
// bar's own size, from the records and barSettings.
#pragma once

#include <vector>

#include "app/layout.h"

// Recomputes and applies every child position and the bar's size; records without a
// window are left alone. Does nothing while the bar has no window.
void LayoutBar();

// The widget records as the layout sees them, in record order.
std::vector<LayoutWidget> CurrentLayoutWidgets();
