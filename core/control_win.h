// Child controls, made and moved the same way everywhere.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/geometry.h"

// A visible child control of `windowClass` with child id `id` at `place` (in the
// parent's client coordinates), with `style` besides WS_CHILD | WS_VISIBLE; null when
// it could not be made.
HWND CreateControl(HWND parent, const wchar_t* windowClass, DWORD style, int id, const Rect& place = {},
                   const wchar_t* text = L"");

// Moves and sizes a child to `place`, repainting it.
void MoveControl(HWND control, const Rect& place);

// A push button named by its window text (what screen readers read) that shows
// `glyph` on its face instead: its parent answers the button's NM_CUSTOMDRAW with
// this. The system still draws the face in every state; only the label is ours.
LRESULT DrawGlyphLabel(const NMCUSTOMDRAW& draw, const wchar_t* glyph);
