// Program entry: settings paths, then the window and the message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "core/settings_win.h"
#include "core/window_win.h"

namespace {

// Stands in for the bar until the bar window exists: one framework window that ends
// the program when it is closed.
class CStartWindow : public CWindow {
 public:
  LRESULT OnDestroy(WPARAM, LPARAM) override {
    PostQuitMessage(0);
    return 0;
  }
};

CStartWindow startWindow;

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  appInstance = instance;
  InitCommonControls();
  std::srand(GetTickCount());
  settings.FillPaths();

  startWindow.bgBrush = gdi::SolidBrush(RGB(0x4B, 0x00, 0x82));
  CreateWindowExW(0, kWindowClassName, L"Pelgra", WS_OVERLAPPEDWINDOW, 100, 100, 200, 500, nullptr,
                  nullptr, instance, &startWindow);
  if (!startWindow.hwnd) return 1;
  ShowWindow(startWindow.hwnd, showCommand);
  UpdateWindow(startWindow.hwnd);
  return RunMessageLoop();
}
