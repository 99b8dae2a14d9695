// RECT/POINT <-> Rect/Point at the Win32 boundary.
#pragma once

#include <windows.h>

#include "core/geometry.h"

inline Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Point ToPoint(const POINT& p) { return {p.x, p.y}; }
