#include "core/control_win.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "core/gdi_win.h"
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

namespace {

// The state a themed push button draws its label in.
int ThemeStateOf(const NMCUSTOMDRAW& draw) {
  if (draw.uItemState & CDIS_DISABLED) return PBS_DISABLED;
  if (draw.uItemState & CDIS_SELECTED) return PBS_PRESSED;
  if (draw.uItemState & CDIS_HOT) return PBS_HOT;
  if (draw.uItemState & CDIS_FOCUS) return PBS_DEFAULTED;
  return PBS_NORMAL;
}

}  // namespace

LRESULT DrawGlyphLabel(const NMCUSTOMDRAW& draw, const wchar_t* glyph) {
  // "Only the background" keeps the face the system draws; the label is ours, in the
  // colours the system would give the button's own text.
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_DOERASE | CDRF_NOTIFYPOSTPAINT;
  if (draw.dwDrawStage != CDDS_POSTPAINT) return CDRF_DODEFAULT;
  HWND button = draw.hdr.hwndFrom;
  gdi::Selection font(draw.hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
  const int mode = SetBkMode(draw.hdc, TRANSPARENT);
  RECT area = draw.rc;
  constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (HTHEME theme = GetWindowTheme(button)) {
    DrawThemeText(theme, draw.hdc, BP_PUSHBUTTON, ThemeStateOf(draw), glyph, -1, kCentred, 0, &area);
  } else {
    const bool enabled = !(draw.uItemState & CDIS_DISABLED);
    const COLORREF color = SetTextColor(draw.hdc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(draw.hdc, glyph, -1, &area, kCentred);
    SetTextColor(draw.hdc, color);
  }
  SetBkMode(draw.hdc, mode);
  return CDRF_DODEFAULT;
}
