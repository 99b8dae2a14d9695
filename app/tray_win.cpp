#include "app/tray_win.h"

void CTrayWindow::SetContentColor(COLORREF color) {
  bgBrush = gdi::SolidBrush(color);
  backBuffer.reset();
  if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}
