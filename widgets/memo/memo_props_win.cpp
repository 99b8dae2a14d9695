#include "widgets/memo/memo_props_win.h"

#include <commctrl.h>

#include <array>
#include <string_view>

#include "core/colors.h"
#include "core/dpi_win.h"
#include "core/gdi_win.h"
#include "core/text.h"
#include "core/texts_win.h"
#include "core/window_win.h"
#include "core/wide_win.h"
#include "res/resource.h"

namespace {

constexpr int kSwatchHeight = 18;
constexpr int kPaletteSize = 6;
constexpr int kMinFontSize = 8;
constexpr int kMaxFontSize = 64;
// The faces as memos store them, and as the list names them.
constexpr std::array<const wchar_t*, 4> kFaces = {L"굴림", L"바탕", L"궁서", L"맑은 고딕"};
constexpr std::array<TextId, 4> kFaceNames = {TextId::MemoFontGulim, TextId::MemoFontBatang, TextId::MemoFontGungsuh,
                                              TextId::MemoFontMalgun};

const ColorRef* PaletteOf(UINT controlId) {
  if (controlId == IDC_MEMO_BACK_COLOR) return memoBackColors;
  if (controlId == IDC_MEMO_TEXT_COLOR) return memoTextColors;
  return nullptr;
}

MemoPropsTarget* TargetOf(HWND dialog) {
  return reinterpret_cast<MemoPropsTarget*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The item whose palette colour is `color`, else the first.
void FillSwatches(HWND dialog, int id, ColorRef color) {
  const ColorRef* palette = PaletteOf(static_cast<UINT>(id));
  int selected = 0;
  for (int i = 0; i < kPaletteSize; ++i) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, static_cast<LPARAM>(i));
    if (palette[i] == color && selected == 0) selected = i;
  }
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void Init(HWND dialog, const MemoRecord& memo, const TextTable& texts) {
  CheckRadioButton(dialog, IDC_MEMO_PLAIN, IDC_MEMO_FORMATTED, memo.plainText ? IDC_MEMO_PLAIN : IDC_MEMO_FORMATTED);
  SetDlgItemTextW(dialog, IDC_MEMO_TITLE, AsWide(memo.title));
  HWND faces = GetDlgItem(dialog, IDC_MEMO_FONTS);
  for (std::size_t i = 0; i < kFaces.size(); ++i) {
    const LRESULT at = SendMessageW(faces, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(texts, kFaceNames[i])));
    if (AsU16View(kFaces[i]) == FieldView(memo.faceName)) SendMessageW(faces, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
  SendDlgItemMessageW(dialog, IDC_MEMO_FONT_SIZE_SPIN, UDM_SETRANGE32, kMinFontSize, kMaxFontSize);
  SetDlgItemInt(dialog, IDC_MEMO_FONT_SIZE, static_cast<UINT>(memo.fontSize), TRUE);
  FillSwatches(dialog, IDC_MEMO_BACK_COLOR, memo.backColor);
  FillSwatches(dialog, IDC_MEMO_TEXT_COLOR, memo.textColor);
}

void Apply(HWND dialog, MemoRecord& memo) {
  wchar_t title[kMemoTitleUnits] = {};
  GetDlgItemTextW(dialog, IDC_MEMO_TITLE, title, static_cast<int>(kMemoTitleUnits));
  CopyField(memo.title, AsU16View(title));
  const LRESULT face = SendDlgItemMessageW(dialog, IDC_MEMO_FONTS, LB_GETCURSEL, 0, 0);
  if (face >= 0 && face < static_cast<LRESULT>(kFaces.size())) CopyField(memo.faceName, AsU16View(kFaces[face]));
  // Read as typed: not clamped to the spinner's range, 0 when it is not a number.
  memo.fontSize = static_cast<std::int32_t>(GetDlgItemInt(dialog, IDC_MEMO_FONT_SIZE, nullptr, FALSE));
  memo.modified = 1;
}

void PickColor(HWND dialog, UINT id, MemoRecord& memo) {
  const LRESULT index = SendDlgItemMessageW(dialog, static_cast<int>(id), CB_GETCURSEL, 0, 0);
  if (index < 0 || index >= kPaletteSize) return;
  (id == IDC_MEMO_BACK_COLOR ? memo.backColor : memo.textColor) = PaletteOf(id)[index];
}

bool DrawSwatch(const DRAWITEMSTRUCT& item) {
  const ColorRef* palette = PaletteOf(item.CtlID);
  if (!palette) return false;
  const RECT& r = item.rcItem;
  gdi::Brush back = gdi::SolidBrush((item.itemState & ODS_SELECTED) ? RGB(0, 0, 255) : RGB(255, 255, 255));
  FillRect(item.hDC, &r, back);
  if (item.itemID < kPaletteSize) {
    gdi::Brush fill = gdi::SolidBrush(palette[item.itemID]);
    gdi::Selection selected(item.hDC, fill);
    const Scale scale = ScaleOf(item.hwndItem);
    Rectangle(item.hDC, r.left + scale.Px(2), r.top + scale.Px(1), r.right - scale.Px(2), r.bottom - scale.Px(1));
  }
  return true;
}

INT_PTR OnCommand(HWND dialog, WPARAM wParam) {
  MemoPropsTarget* target = TargetOf(dialog);
  MemoRecord* memo = target ? target->memo : nullptr;
  const UINT id = LOWORD(wParam);
  if (HIWORD(wParam) == CBN_SELCHANGE && PaletteOf(id)) {
    if (memo) PickColor(dialog, id, *memo);
    return TRUE;
  }
  if (id == IDOK && memo) {
    Apply(dialog, *memo);
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (id == IDOK || id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* target = reinterpret_cast<MemoPropsTarget*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      target->dialog = dialog;
      if (target->memo && target->texts) Init(dialog, *target->memo, *target->texts);
      return TRUE;
    }
    // Arrives before WM_INITDIALOG, for the two fixed-height drop-downs.
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_COMBOBOX || !PaletteOf(item->CtlID)) return FALSE;
      item->itemHeight = static_cast<UINT>(ScaleOf(dialog).Px(kSwatchHeight));
      return TRUE;
    }
    case WM_DRAWITEM: return DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND: return OnCommand(dialog, wParam);
    case WM_DESTROY:
      if (MemoPropsTarget* target = TargetOf(dialog)) target->dialog = nullptr;
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

INT_PTR RunMemoProperties(HWND owner, MemoPropsTarget& target) {
  target.dialog = nullptr;
  const Language language = target.texts ? target.texts->language() : Language::Korean;
  return RunDialogIn(language, IDD_MEMO_PROPS, owner, Procedure, reinterpret_cast<LPARAM>(&target));
}
