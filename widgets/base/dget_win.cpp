#include "widgets/base/dget_win.h"

#include <windowsx.h>

#include "core/bar_settings.h"
#include "core/dpi_win.h"
#include "core/place_next_win.h"
#include "core/wide_win.h"

CDget::CDget(DgetHost& host, const wchar_t* caption, const wchar_t* name) : host(host) {
  CopyField(this->caption, AsU16View(caption));
  CopyField(instanceName, AsU16View(name));
}

CDget::~CDget() { DiscardPopupOf(host.Popup(), this); }

const wchar_t* CDget::Section() const { return AsWide(instanceName); }

void CDget::PlaceBesideBar(HWND window, Point offset) const {
  PlaceNextToBar(host.BarWindow(), host.BarOptions().vertical, window, offset);
}

CWidget::~CWidget() { StopTicking(); }

void CWidget::TickEvery(UINT_PTR id, int seconds) { host.Beats().Join(*this, static_cast<unsigned>(id), seconds); }

void CWidget::StopTicking() { host.Beats().Leave(*this); }

// Under Wine each trip through WM_PAINT costs server requests: a tick shows its change at once.
void CWidget::ShowChanged(const RECT* part) {
  if (hwnd && inView_ && IsWindowVisible(hwnd)) ShowNow(part);
}

LRESULT CTidget::OnLButtonDown(WPARAM, LPARAM) {
  SetCapture(hwnd);
  return 0;
}

LRESULT CTidget::OnLButtonUp(WPARAM, LPARAM lParam) {
  if (!hwnd || GetCapture() != hwnd) return 0;
  ReleaseCapture();
  // Signed: a release left of or above the button arrives as a negative coordinate.
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT client{};
  GetClientRect(hwnd, &client);
  if (PtInRect(&client, at)) Activate();
  return 0;
}

void DrawFaceBitmap(HDC dc, HBITMAP face) {
  BITMAP info{};
  if (!face || !GetObjectW(face, sizeof info, &info)) return;
  gdi::MemoryDC source(dc);
  gdi::Selection selected(source, face);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
}

CIconTidget::CIconTidget(DgetHost& host, const wchar_t* caption, const wchar_t* name, int iconResource)
    : CTidget(host, caption, name), iconResource_(iconResource) {}

LRESULT CIconTidget::OnCreate(WPARAM, LPARAM) {
  icon = LoadScaledBitmap(iconResource_, scale);
  return 0;
}

void CIconTidget::SetScale(Scale newScale) {
  const bool loaded = static_cast<bool>(icon);
  CTidget::SetScale(newScale);
  if (loaded) icon = LoadScaledBitmap(iconResource_, scale);
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CIconTidget::OnDestroy(WPARAM, LPARAM) {
  icon.reset();
  return 0;
}

void CIconTidget::Draw(HDC dc, RECT) { DrawFaceBitmap(dc, icon); }
