#include "tidgets/switch_tidget_win.h"

CSwitchTidget::CSwitchTidget(const wchar_t* caption, const wchar_t* name, int onFace, int offFace)
    : CIconTidget(caption, name, onFace), offFace_(offFace) {}

LRESULT CSwitchTidget::OnCreate(WPARAM wParam, LPARAM lParam) {
  offImage.reset(LoadBitmapW(appInstance, MAKEINTRESOURCEW(offFace_)));
  return CIconTidget::OnCreate(wParam, lParam);
}

LRESULT CSwitchTidget::OnDestroy(WPARAM wParam, LPARAM lParam) {
  offImage.reset();
  return CIconTidget::OnDestroy(wParam, lParam);
}

void CSwitchTidget::Draw(HDC dc, RECT) { DrawFaceBitmap(dc, active ? icon.get() : offImage.get()); }

POINT StripOffset(const CTidget& tidget) {
  const CWindow* strip = window_table::Find(GetParent(tidget.hwnd));
  return strip ? POINT{strip->left, strip->top} : POINT{tidget.left, tidget.top};
}
