// Shared helpers of the Wine tests: pumping messages and reading pixels back.
#pragma once

#include <windows.h>

namespace test_support {

// Dispatches every queued message of this thread.
void PumpMessages();

// Pixel of a bitmap (selected into a scratch DC for the read), or CLR_INVALID.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);

// Pixel of a window's client area as it is shown.
COLORREF WindowPixel(HWND hwnd, int x, int y);

}  // namespace test_support
