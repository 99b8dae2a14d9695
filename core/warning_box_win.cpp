#include "core/warning_box_win.h"

void ShowBoxOverBar(HWND bar, const std::wstring& text, const wchar_t* title, UINT icon) {
  if (bar) RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MessageBoxW(bar, text.c_str(), title, MB_OK | icon | MB_SETFOREGROUND);
}

void ShowBoxWhileEnding(const std::wstring& text, const wchar_t* title) {
  if (GetSystemMetrics(SM_SHUTTINGDOWN)) return;
  MSG quit{};
  const bool quitting = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  MessageBoxW(nullptr, text.c_str(), title, MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
  if (quitting) PostQuitMessage(static_cast<int>(quit.wParam));
}
