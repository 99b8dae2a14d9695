#include "support/win_test_support.h"

namespace test_support {

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  COLORREF pixel = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return pixel;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return pixel;
}

}  // namespace test_support
