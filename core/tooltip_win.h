// Tooltips that name icon-only controls. One common-controls tooltip per top-level
// window holds the texts of every control inside it; it goes with that window.
#pragma once

#include <windows.h>

// Shows `text` while the pointer rests on the child window `control`. The text is
// copied; the tool is removed when the control is destroyed.
void AddTooltip(HWND control, const wchar_t* text);

// The tooltip of top-level window `root`, or null while nothing in it has one.
HWND TooltipOf(HWND root);
