#include "app/tray_win.h"

#include "core/bar_settings.h"

CTrayWindow trayWindow;

HWND CTrayWindow::Create(HWND parent, UINT childId, const wchar_t* title, DWORD style) {
  bgBrush = gdi::SolidBrush(barSettings.splitColor);
  backBuffer.reset();
  return CWindow::Create(parent, childId, title, style);
}
