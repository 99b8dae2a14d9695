#include "app/tray_win.h"

#include "app/bar_settings.h"

CTrayWindow trayWindow;

HWND CTrayWindow::Create(HWND parent, UINT childId, const wchar_t* title, DWORD style) {
  bgBrush = gdi::SolidBrush(barSettings.splitColor);
  backBuffer.reset();
  return CreateWindowExW(0, kWindowClassName, title, style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), appInstance, this);
}
