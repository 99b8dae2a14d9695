// Tooltips that name icon-only controls. One common-controls tooltip per top-level
// window holds the texts of every control inside it; it goes with that window.
#pragma once

#include <windows.h>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"

// Shows text `text` of `texts` while the pointer rests on the child window `control`.
// The text is copied, and the id kept for a change of language (RetextTooltips). The
// program's message loop hands mouse messages over (RelayToTooltip), and the windows
// that hold tips forget them as they go (ForgetTools). `scale` is the control's
// top-level window's: the first tip there makes the tooltip at its scale.
// The text is the control's name too: its window text, which screen readers read, so
// the control must not draw that text itself. A control made with that name already
// (TooltipText) keeps it as it is.
void AddTooltip(HWND control, TextId text, const TextTable& texts, Scale scale);

// The tip's text as a window name, for making a control with it.
const wchar_t* TooltipText(TextId text, const TextTable& texts);

// A control as CreateControl makes it, named with its tip's text from the start and
// given that tip.
HWND CreateTippedControl(HWND parent, const wchar_t* windowClass, DWORD style, int id, const Rect& place, TextId tip,
                         const TextTable& texts, Scale scale);

// Every tip of the program, and the name of its control, takes its text from `texts`:
// the language changed.
void RetextTooltips(const TextTable& texts);

// Called as `window` is destroyed: the tips of it and everything inside it go; the
// tooltip itself goes with its top-level window.
void ForgetTools(HWND window);

// A mouse message taken from the queue, shown to the tooltip of the window it is for.
void RelayToTooltip(const MSG& msg);

// The tooltip of top-level window `root`, or null while nothing in it has one.
HWND TooltipOf(HWND root);

// After `root` changed scale: its tips take the font height of the new scale.
void RescaleTooltip(HWND root, Scale scale);
