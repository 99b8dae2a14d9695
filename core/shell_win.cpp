#include "core/shell_win.h"

HWND barHandle = nullptr;
HWND activeDialog = nullptr;
gdi::Font normalFont;
gdi::Font smallFont;
gdi::Font largeFont;
