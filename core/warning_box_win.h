// The boxes that tell the user about a file the program could not read or write.
#pragma once

#include <windows.h>

#include <string>

// Over the bar once it is drawn (a notice posted while the bar was being made arrives
// before its first paint). `title` as the box shows it, `icon` an MB_ICON* style.
void ShowBoxOverBar(HWND bar, const std::wstring& text, const wchar_t* title, UINT icon);

// While the program ends: its pending quit message would end a box at once, so it is
// held back until the box has been answered. Nothing while the session ends, when no
// box can be answered.
void ShowBoxWhileEnding(const std::wstring& text, const wchar_t* title);
