#include "app/tray_win.h"

#include "core/bar_settings.h"

CTrayWindow trayWindow;

LRESULT CTrayWindow::OnCreate(WPARAM, LPARAM) {
  bgBrush = gdi::SolidBrush(barSettings.splitColor);
  backBuffer.reset();
  return 0;
}
