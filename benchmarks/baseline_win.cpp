// baseline.exe: the smallest honest window program — one top-level window that
// paints a filled background and a line of text, and a message loop. ./bench runs
// it beside pelgra.exe under the same Wine so that Wine's own start-up, idle and
// memory costs can be told apart from the program's. Built a second time as
// baseline_dlls.exe (PELGRA_BASELINE_DLLS), which also loads and starts the system
// libraries the program needs, so that their share of the start-up shows apart.
#include <windows.h>

#ifdef PELGRA_BASELINE_DLLS
#include <commctrl.h>
#include <gdiplus.h>
#include <pdh.h>
#endif

namespace {

LRESULT CALLBACK BaselineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_HIGHLIGHT));
      SetBkMode(dc, TRANSPARENT);
      TextOutW(dc, 8, 8, L"Baseline", 8);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef PELGRA_BASELINE_DLLS
  InitCommonControls();
  Gdiplus::GdiplusStartupInput startupInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &startupInput, nullptr);
  PDH_HQUERY query = nullptr;
  if (PdhOpenQueryW(nullptr, 0, &query) == ERROR_SUCCESS) PdhCloseQuery(query);
#endif
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BaselineProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = L"PelgraBaseline";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"PelgraBaseline", L"Baseline",
                                WS_POPUP | WS_VISIBLE, 100, 100, 200, 500, nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
