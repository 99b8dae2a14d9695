// Display scale from the system, the one each window keeps, and the pieces of a
// change of scale (WM_DPICHANGED) that every top-level window shares. The calls that
// only newer systems have are looked up at run time, so the program still starts
// on Windows 7, which knows one scale for the whole desktop.
#pragma once

#include <windows.h>

#include "core/gdi_win.h"
#include "core/scale.h"

// The desktop's scale: the one the system's own metrics are given in.
Scale DesktopScale();

// The scale the system gives `window`: its monitor's on a system that scales per
// monitor, else the desktop's.
Scale SystemScaleOf(HWND window);

// What a top-level window does first on WM_DPICHANGED: take the rectangle the system
// suggests (lParam).
void MoveToSuggestedRect(HWND window, LPARAM suggested);

// The window rectangle around a client rectangle for a window at `scale`: frames and
// captions are as thick as they are drawn on that monitor.
void AdjustWindowRectForScale(RECT& rect, DWORD style, bool menu, DWORD exStyle, Scale scale);

// A bitmap resource drawn for `scale`: the resource itself at 100 %, else resampled
// by area (core/pixel_scale.h) to its size in pixels at that scale.
gdi::Bitmap LoadScaledBitmap(int resourceId, Scale scale);
