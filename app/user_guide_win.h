// "도움말": the user's guide shipped beside the executable, opened with the system's
// handler for text files.
#pragma once

#include <windows.h>

#include <string>

#include "core/texts.h"

inline constexpr wchar_t kUserGuideName[] = L"README.txt";

// The guide's full path when the file is there, else empty.
std::wstring UserGuidePath();

// Opens the guide with the program chosen for text files, or Notepad where none is;
// where there is no guide, says so instead. A guide that is there but cannot be
// opened is reported with its path. Boxes carry the caption `title`.
void ShowUserGuide(HWND owner, const TextTable& texts, const wchar_t* title);
