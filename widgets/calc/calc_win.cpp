#include "widgets/calc/calc_win.h"

#include <windowsx.h>

#include <iterator>

#include "core/control_win.h"
#include "core/app_messages_win.h"
#include "core/clipboard_win.h"
#include "core/menu_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/calc/calc.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/base/text_draw_win.h"

namespace {

LRESULT CALLBACK CalcEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The edit's parent is the combobox, whose parent is the widget.
  HWND widget = GetParent(GetParent(edit));
  const auto* calc = dynamic_cast<const CCalc*>(window_table::Find(widget));
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        PostMessageW(widget, kMsgCalcEvaluate, 0, 0);
        return 0;
      }
      if (wParam == VK_TAB) PostMessageW(widget, kMsgCalcReinput, 0, 0);
      break;
    case WM_KEYUP:
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_TAB) return 0;
      break;
    default: break;
  }
  // The widget lives until after its box is gone; no widget, no subclass to pass on from.
  return calc && calc->editPrevious ? CallWindowProcW(calc->editPrevious, edit, msg, wParam, lParam)
                                    : DefWindowProcW(edit, msg, wParam, lParam);
}

HWND EditOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

LRESULT CCalc::OnCreate(WPARAM, LPARAM) {
  // The back buffer is copied over the whole client area; the children keep their pixels.
  SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_CLIPCHILDREN);
  const std::optional<SIZE> size = placed_.TakeClientOf(hwnd);
  const std::optional<CalcLayout> at = size ? std::optional(CalcLayoutOf(size->cx, size->cy, scale)) : std::nullopt;
  combo = CreateControl(hwnd, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL, kCalcBoxId,
                        at ? at->box : Rect{2, 2, 162, 127});
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  // What is evaluated is what is shown: the text is read into 256 units.
  SendMessageW(combo, CB_LIMITTEXT, kExpressionLimit, 0);
  comboEdit = EditOf(combo);
  if (comboEdit)
    editPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(comboEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CalcEditProc)));

  const Rect copyPlace = at ? at->copyButton : scale.Px(Rect{0, 0, 16, 16});
  copyButton = CreateTippedControl(hwnd, kGrpBtnClass, 0, kCalcCopyButtonId, copyPlace, TextId::CalcCopyTip,
                                   host.Texts(), scale);
  SetGrpBtnImages(copyButton, IDB_CALC_COPY, IDB_CALC_COPY, IDB_CALC_COPY, IDB_CALC_COPY);
  return 0;
}

void CCalc::Draw(HDC dc, RECT client) {
  const CalcLayout layout = CalcLayoutOf(client.right, client.bottom, scale);
  gdi::Selection font(dc, normalFont);
  SetBkMode(dc, TRANSPARENT);
  TextOut16(dc, layout.textLeft, layout.copyButton.top, ShownResult());
}

LRESULT CCalc::OnSize(WPARAM wParam, LPARAM lParam) {
  CWidget::OnSize(wParam, lParam);
  if (!placed_.Take(lParam)) return 0;
  const CalcLayout layout = CalcLayoutOf(LOWORD(lParam), HIWORD(lParam), scale);
  MoveControl(combo, layout.box);
  MoveControl(copyButton, layout.copyButton);
  return 0;
}

void CCalc::SetScale(Scale newScale) {
  CWidget::SetScale(newScale);
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  RECT client{};
  GetClientRect(hwnd, &client);
  const CalcLayout layout = CalcLayoutOf(client.right, client.bottom, scale);
  MoveControl(combo, layout.box);
  MoveControl(copyButton, layout.copyButton);
}

LRESULT CCalc::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case kCalcCopyButtonId:
      if (HIWORD(wParam) == BN_CLICKED) CopyResult();
      break;
    case ID_CALC_AUTOCOPY: autoCopy = !autoCopy; break;
    case ID_CALC_REINPUT: Reinput(); break;
    default: break;
  }
  return 0;
}

LRESULT CCalc::OnContextMenu(WPARAM, LPARAM lParam) {
  MenuOwner menu(LoadMenuIn(host.Texts().language(), IDM_POPUPS));
  HMENU popup = GetSubMenu(menu.get(), 1);
  if (!popup) return 0;
  CheckMenuItem(popup, ID_CALC_AUTOCOPY, MF_BYCOMMAND | (autoCopy ? MF_CHECKED : MF_UNCHECKED));
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, hwnd,
                 nullptr);
  return 0;
}

LRESULT CCalc::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kMsgCalcEvaluate: Evaluate(); return 0;
    case kMsgCalcReinput: Reinput(); return 0;
    default: return CWidget::WindowProc(msg, wParam, lParam);
  }
}

void CCalc::Evaluate() {
  wchar_t text[kExpressionLimit + 1] = {};
  GetWindowTextW(combo, text, static_cast<int>(std::size(text)));
  const Evaluation evaluation = ::Evaluate(AsU16View(text));
  result = evaluation.value;
  resultText = ResultText(evaluation, host.Texts());
  resultRefused = !evaluation.valid;
  if (evaluation.valid) {
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (autoCopy) CopyResult();
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CCalc::Reinput() {
  const std::u16string text = ReinputText(result);
  if (text.empty()) {
    // Longer than the box holds: cut, it would be another number.
    resultRefused = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    return;
  }
  SetWindowTextW(combo, AsWide(text.c_str()));
  SetFocus(combo);
  SendMessageW(comboEdit, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
}

std::u16string CCalc::ShownResult() const {
  return resultRefused ? host.Texts()[TextId::CalcInvalid] : resultText;
}

void CCalc::CopyResult() const {
  const std::u16string text = FormatNumber(result);
  CopyUnicodeText(hwnd, AsWide(text.c_str()), static_cast<int>(text.size()));
}
