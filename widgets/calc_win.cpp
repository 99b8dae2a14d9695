#include "widgets/calc_win.h"

#include <windowsx.h>

#include <iterator>

#include "core/clipboard_win.h"
#include "core/menu_win.h"
#include "core/shell_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/calc.h"
#include "widgets/grpbtn_win.h"
#include "widgets/text_draw_win.h"

WNDPROC calcEditPrevious = nullptr;

namespace {

LRESULT CALLBACK CalcEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The edit's parent is the combobox, whose parent is the widget.
  HWND widget = GetParent(GetParent(edit));
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        PostMessageW(widget, WM_USER + 1, 0, 0);
        return 0;
      }
      if (wParam == VK_TAB) PostMessageW(widget, WM_USER + 2, 0, 0);
      break;
    case WM_KEYUP:
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_TAB) return 0;
      break;
    default: break;
  }
  return CallWindowProcW(calcEditPrevious, edit, msg, wParam, lParam);
}

HWND EditOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

HWND CreateChild(const wchar_t* windowClass, DWORD style, const Rect& place, HWND parent, int id) {
  return CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.Width(),
                         place.Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), appInstance,
                         nullptr);
}

void Place(HWND child, const Rect& place) {
  MoveWindow(child, place.left, place.top, place.Width(), place.Height(), TRUE);
}

}  // namespace

LRESULT CCalc::OnCreate(WPARAM, LPARAM) {
  // The back buffer is copied over the whole client area; the children keep their pixels.
  SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_CLIPCHILDREN);
  combo = CreateChild(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL, {2, 2, 162, 127}, hwnd, kCalcBoxId);
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  // What is evaluated is what is shown: the text is read into 256 units.
  SendMessageW(combo, CB_LIMITTEXT, kExpressionLimit, 0);
  comboEdit = EditOf(combo);
  if (comboEdit)
    calcEditPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(comboEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CalcEditProc)));

  copyButton = CreateChild(kGrpBtnClass, 0, scale.Px(Rect{0, 0, 16, 16}), hwnd, kCalcCopyButtonId);
  SetGrpBtnImages(copyButton, IDB_CALC_COPY, IDB_CALC_COPY, IDB_CALC_COPY, IDB_CALC_COPY);
  AddTooltip(copyButton, L"결과 복사");
  return 0;
}

void CCalc::Draw(HDC dc, RECT client) {
  const CalcLayout layout = CalcLayoutOf(client.right, client.bottom, scale);
  gdi::Selection font(dc, normalFont);
  SetBkMode(dc, TRANSPARENT);
  TextOut16(dc, layout.textLeft, layout.copyButton.top, resultText);
}

LRESULT CCalc::OnSize(WPARAM wParam, LPARAM lParam) {
  CWidget::OnSize(wParam, lParam);
  if (SizedToNothing(lParam)) return 0;
  const CalcLayout layout = CalcLayoutOf(LOWORD(lParam), HIWORD(lParam), scale);
  Place(combo, layout.box);
  Place(copyButton, layout.copyButton);
  return 0;
}

void CCalc::SetScale(Scale newScale) {
  CWidget::SetScale(newScale);
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  RECT client{};
  GetClientRect(hwnd, &client);
  const CalcLayout layout = CalcLayoutOf(client.right, client.bottom, scale);
  Place(combo, layout.box);
  Place(copyButton, layout.copyButton);
}

LRESULT CCalc::OnCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case kCalcCopyButtonId:
      if (HIWORD(wParam) == BN_CLICKED) CopyResult();
      break;
    case ID_CALC_AUTOCOPY: autoCopy = !autoCopy; break;
    case ID_CALC_REINPUT: SendMessageW(hwnd, WM_USER + 2, 0, 0); break;
    default: break;
  }
  return 0;
}

LRESULT CCalc::OnContextMenu(WPARAM, LPARAM lParam) {
  MenuOwner menu(LoadMenuW(appInstance, MAKEINTRESOURCEW(IDM_POPUPS)));
  HMENU popup = GetSubMenu(menu.get(), 1);
  if (!popup) return 0;
  CheckMenuItem(popup, ID_CALC_AUTOCOPY, MF_BYCOMMAND | (autoCopy ? MF_CHECKED : MF_UNCHECKED));
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0, hwnd,
                 nullptr);
  return 0;
}

LRESULT CCalc::OnUserMessage1(WPARAM, LPARAM) {
  wchar_t text[kExpressionLimit + 1] = {};
  GetWindowTextW(combo, text, static_cast<int>(std::size(text)));
  const Evaluation evaluation = Evaluate(AsU16View(text));
  result = evaluation.value;
  resultText = ResultText(evaluation);
  if (evaluation.valid) {
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (autoCopy) CopyResult();
  }
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT CCalc::OnUserMessage2(WPARAM, LPARAM) {
  const std::u16string text = ReinputText(result);
  if (text.empty()) {
    // Longer than the box holds: cut, it would be another number.
    resultText = kInvalidExpression;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 0;
  }
  SetWindowTextW(combo, AsWide(text.c_str()));
  SetFocus(combo);
  SendMessageW(comboEdit, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
  return 0;
}

void CCalc::CopyResult() const {
  const std::u16string text = FormatNumber(result);
  CopyUnicodeText(hwnd, AsWide(text.c_str()), static_cast<int>(text.size()));
}
