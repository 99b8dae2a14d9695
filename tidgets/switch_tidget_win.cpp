#include "tidgets/switch_tidget_win.h"

#include "core/dpi_win.h"
#include "core/write_later_win.h"

CSwitchTidget::CSwitchTidget(DgetHost& host, const wchar_t* caption, const wchar_t* name, int onFace, int offFace)
    : CIconTidget(host, caption, name, onFace), offFace_(offFace) {}

LRESULT CSwitchTidget::OnCreate(WPARAM wParam, LPARAM lParam) {
  offImage = LoadScaledBitmap(offFace_, scale);
  return CIconTidget::OnCreate(wParam, lParam);
}

void CSwitchTidget::SetScale(Scale newScale) {
  CIconTidget::SetScale(newScale);
  if (offImage) offImage = LoadScaledBitmap(offFace_, scale);
}

CSwitchTidget::~CSwitchTidget() { write_later::Forget(this); }

LRESULT CSwitchTidget::OnDestroy(WPARAM wParam, LPARAM lParam) {
  write_later::Forget(this);
  offImage.reset();
  return CIconTidget::OnDestroy(wParam, lParam);
}

LRESULT CSwitchTidget::OnLButtonUp(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CIconTidget::OnLButtonUp(wParam, lParam);
  SaveLater();
  return result;
}

void CSwitchTidget::SaveLater() {
  write_later::Changed(this, [this] { SaveSettings(); });
}

void CSwitchTidget::Draw(HDC dc, RECT) { DrawFaceBitmap(dc, active ? icon.get() : offImage.get()); }

POINT StripOffset(const CTidget& tidget) {
  const CWindow* strip = window_table::Find(GetParent(tidget.hwnd));
  return strip ? POINT{strip->left, strip->top} : POINT{tidget.left, tidget.top};
}
