// The widget and tidget selection dialogs (resources 192 and 193), run modally with
// the bar as owner. Every edit goes at once into the record lists and the live
// windows; the bar writes the lists when it is destroyed.
#pragma once

#include <windows.h>

#include "app/bar_host_win.h"

// Each returns the dialog's result (IDCANCEL when closed), or -1 when the dialog
// could not be shown.
INT_PTR RunWidgetSelection(BarHost& bar);
INT_PTR RunTidgetSelection(BarHost& bar);

// Timer of the widget dialog that runs the delayed layout pass, and its delay.
inline constexpr UINT_PTR kDelayedLayoutTimer = 1;
inline constexpr UINT kDelayedLayoutMs = 800;
// Item height of the colour drop-down.
inline constexpr int kSwatchItemHeight = 18;
