// The floor: the default bar's window tree at 96 DPI, built with nothing of the
// program — the same system controls with the same styles, one plain class of its own
// in place of the program's classes, the same sizes, places and parent/child
// structure, the three shared fonts, and the tooltip popup with its font, made as the
// bar makes them (the tooltip holds no tools). Each window of its own class paints
// once per WM_PAINT: one fill and one line of Korean text. What the
// program spends above this tree is its own; what the tree costs is Wine's.
// floor.exe shows it alone; paint_bench builds it beside the real bar.
// The end-to-end test "floor" holds this tree to the running pelgra.exe's.
#pragma once

#include <windows.h>

namespace floor_tree {

inline constexpr wchar_t kClassName[] = L"PelgraFloor";
inline constexpr wchar_t kTitle[] = L"Floor";

// Registers the class once, makes the fonts and the fill, and creates the whole tree
// with its top window hidden at (left, top); null when any window could not be made.
HWND Create(HINSTANCE instance, int left, int top);

// The fonts and the fill, once the tree is destroyed.
void Release();

}  // namespace floor_tree
