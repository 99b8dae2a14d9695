#include "core/control_win.h"

#include "core/instance_win.h"

HWND CreateControl(HWND parent, const wchar_t* windowClass, DWORD style, int id, const Rect& place,
                   const wchar_t* text) {
  return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.Width(),
                         place.Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), appInstance,
                         nullptr);
}

void MoveControl(HWND control, const Rect& place) {
  MoveWindow(control, place.left, place.top, place.Width(), place.Height(), TRUE);
}
