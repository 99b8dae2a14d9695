// Moves the bar back onto a screen when it lies on none (start-up, display changes).
#pragma once

#include <windows.h>

// Answers whether the bar was moved; then its placement counts as changed.
bool KeepBarOnScreen(HWND bar);
