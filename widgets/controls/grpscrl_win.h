// "GrpScrl": an owner-painted slider with a grooved track and a rounded thumb.
// It reports thumb movement to its parent as WM_HSCROLL (horizontal) or
// WM_VSCROLL with SB_THUMBTRACK while dragging and SB_THUMBPOSITION when a drag
// ends or after a click on the track; lParam is the slider's handle, and the
// parent reads the position with GSM_GETPOS.
// The class is registered by a static initialiser; create a slider with
//   CreateWindowExW(0, kGrpScrlClass, L"", WS_CHILD | WS_VISIBLE [| GSS_HORZ],
//                   x, y, w, h, parent, (HMENU)id, instance, nullptr)
#pragma once

#include <windows.h>

inline constexpr wchar_t kGrpScrlClass[] = L"GrpScrl";

// Style bit 0: horizontal; without it the slider is vertical.
inline constexpr DWORD GSS_HORZ = 0x1;

enum : UINT {
  GSM_SETRANGE = WM_USER + 1,        // wParam minimum, lParam maximum; the position is not re-clamped
  GSM_GETMAX = WM_USER + 2,          // result: the maximum
  GSM_GETMIN = WM_USER + 3,          // result: the minimum
  GSM_SETPOS = WM_USER + 4,          // wParam position, clamped to the range; no notification
  GSM_GETPOS = WM_USER + 5,          // result: the position
  GSM_SETTHUMBLENGTH = WM_USER + 6,  // wParam pixels, clamped to [4, track length - 10]
  GSM_GETTHUMBLENGTH = WM_USER + 7,  // result: the thumb length
  GSM_SETINSET = WM_USER + 8,        // wParam pixels, clamped to [0, width across / 2 - 2]
  GSM_GETINSET = WM_USER + 9,        // result: the inset
  GSM_SETTRACKCOLOR = WM_USER + 10,  // wParam COLORREF of the background
  GSM_SETTHUMBCOLOR = WM_USER + 11,  // wParam COLORREF of the thumb's fill
};

// Live sliders and whether the shared groove pens exist (for tests).
int GrpScrlCount();
bool GrpScrlPensAlive();
