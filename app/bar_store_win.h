// Section "main" of the settings store: the bar's options and placement, and the
// two stored record lists.
#pragma once

#include <windows.h>

inline constexpr wchar_t kMainSection[] = L"main";

// The options from "vertical" to "magneticEffet"; missing keys take their defaults.
void LoadBarSettings();
// "wnum"/"widget_%d" and "tnum"/"tidget_%d" into the record lists, or the default
// set when no widget line is stored (then the lists count as changed).
void LoadRecordLists();
// "left", "top", "right", "bottom".
void LoadBarPlacement();

// The bar's window rectangle and the options the user can change while it runs.
void SaveBarPlacement(HWND bar);
// The counts and every line of both lists.
void SaveRecordLists();
// Every bar option of section "main", from "vertical" to "magneticEffet", in the keys
// and formats they are read in: flags 0/1, colours as decimal COLORREF values.
void SaveBarOptions();
