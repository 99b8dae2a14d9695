#include "widgets/radix/radix_win.h"

#include <iterator>

#include "core/control_win.h"
#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "widgets/radix/radix.h"
#include "widgets/base/text_draw_win.h"

namespace {

HWND CreateEdit(HWND parent, int base, const Rect& place) {
  HWND edit = CreateControl(parent, L"edit", WS_BORDER | ES_AUTOHSCROLL, base, place);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), FALSE);
  return edit;
}

void Place(HWND edit, const Rect& place) {
  MoveControl(edit, place);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
}

void ShowValue(HWND edit, std::uint32_t value, int base) {
  SetWindowTextW(edit, AsWide(FormatInBase(value, base).c_str()));
}

int HalfTextHeight(HDC dc) { return TextExtent16(dc, u"2").cy / 2; }

}  // namespace

LRESULT CRadix::OnCreate(WPARAM, LPARAM) {
  const std::optional<SIZE> size = placed_.TakeClientOf(hwnd);
  const RadixLayout at = size ? RadixLayoutOf(size->cx, size->cy, 0, scale) : RadixLayout{};
  binEdit = CreateEdit(hwnd, 2, at.bin);
  decEdit = CreateEdit(hwnd, 10, at.dec);
  hexEdit = CreateEdit(hwnd, 16, at.hex);
  return 0;
}

void CRadix::Draw(HDC dc, RECT client) {
  gdi::Selection font(dc, normalFont);
  SetBkMode(dc, TRANSPARENT);
  TextAlignScope align(dc, TA_CENTER | TA_TOP);
  const RadixLayout layout = RadixLayoutOf(client.right, client.bottom, HalfTextHeight(dc), scale);
  TextOut16(dc, layout.binLabel.x, layout.binLabel.y, u"2");
  TextOut16(dc, layout.decLabel.x, layout.decLabel.y, u"10");
  TextOut16(dc, layout.hexLabel.x, layout.hexLabel.y, u"16");
}

LRESULT CRadix::OnSize(WPARAM wParam, LPARAM lParam) {
  CWidget::OnSize(wParam, lParam);
  if (!placed_.Take(lParam)) return 0;
  PlaceEdits(LOWORD(lParam), HIWORD(lParam));
  return 0;
}

void CRadix::SetScale(Scale newScale) {
  CWidget::SetScale(newScale);
  RECT client{};
  GetClientRect(hwnd, &client);
  PlaceEdits(client.right, client.bottom);
}

void CRadix::PlaceEdits(int width, int height) {
  const RadixLayout layout = RadixLayoutOf(width, height, 0, scale);
  Place(binEdit, layout.bin);
  Place(decEdit, layout.dec);
  Place(hexEdit, layout.hex);
}

LRESULT CRadix::OnCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) != EN_CHANGE || !EditOfBase(id) || updating) return 0;
  updating = true;
  Convert(id);
  updating = false;
  return 0;
}

HWND CRadix::EditOfBase(int base) const {
  switch (base) {
    case 2: return binEdit;
    case 10: return decEdit;
    case 16: return hexEdit;
    default: return nullptr;
  }
}

void CRadix::Convert(int fromBase) {
  wchar_t text[128] = {};
  GetWindowTextW(EditOfBase(fromBase), text, static_cast<int>(std::size(text)));
  const std::uint32_t value = ReadRadixField(fromBase, AsU16View(text));
  const OtherBases others = OtherBasesOf(fromBase);
  ShowValue(EditOfBase(others.first), value, others.first);
  ShowValue(EditOfBase(others.second), value, others.second);
}
