#include "widgets/memo/memo_viewer_win.h"

#include <utility>

#include "core/app_messages_win.h"
#include "core/control_win.h"
#include "core/geometry_win.h"
#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/memo/memo_props_win.h"
#include "widgets/base/text_draw_win.h"

namespace {

enum : int { kCloseId = 0, kPropertiesId = 1, kEditId = 2 };
constexpr int kButtonSize = 16;
constexpr int kTitleFontHeight = 15;
constexpr DWORD kViewerStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU | WS_THICKFRAME;


gdi::Font MemoFont(const MemoRecord& memo, Scale scale) {
  return MakeFont({.pixelHeight = scale.Px(memo.fontSize), .face = AsWide(memo.faceName)});
}

}  // namespace

CMemoViewer::CMemoViewer(MemoViewerHost& owner, MemoRecord& memo, unsigned serial)
    : owner(&owner), serial(serial), memo(&memo) {
  props_.texts = &owner.Texts();
}

bool CMemoViewer::Open() {
  const MemoRecord& m = *memo;
  CreateWindowExW(0, kWindowClassName, AsWide(m.title), kViewerStyle, m.left, m.top, m.width, m.height, nullptr,
                  nullptr, appInstance, this);
  if (!hwnd) return false;
  // Creation may adjust the rectangle to the frame; the memo's is the one wanted. Its
  // size is kept in units: pixels are known once the window is on its monitor.
  MoveWindow(hwnd, m.left, m.top, scale.Px(m.width), scale.Px(m.height), FALSE);
  return true;
}

// An owner that has let go leaves no window to lay out.
int CMemoViewer::CaptionUnits() const { return owner ? owner->CaptionUnits() : 0; }

MemoWindowLayout CMemoViewer::Layout() const {
  RECT client{};
  GetClientRect(hwnd, &client);
  return MemoWindowLayoutOf(client.right, client.bottom, CaptionUnits(), scale);
}

void CMemoViewer::SetScale(Scale newScale) {
  CWindow::SetScale(newScale);
  titleFont = SharedFamilyFont(scale.Px(kTitleFontHeight));
  ApplyLook();
  const MemoWindowLayout layout = Layout();
  PlaceChildren(layout);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CMemoViewer::PlaceChildren(const MemoWindowLayout& layout) {
  MoveControl(closeButton, layout.closeButton);
  MoveControl(propButton, layout.propertiesButton);
  MoveControl(edit, layout.edit);
}

LRESULT CMemoViewer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFOCUS:
      ShowMemoText();
      SetFocus(edit);
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = DefWindowProcW(hwnd, msg, wParam, lParam);
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(hwnd, &at);
      return hit == HTCLIENT && at.y < Layout().caption ? HTCAPTION : hit;
    }
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) != edit || !memo) break;
      SetTextColor(reinterpret_cast<HDC>(wParam), memo->textColor);
      SetBkColor(reinterpret_cast<HDC>(wParam), memo->backColor);
      return reinterpret_cast<LRESULT>(editBrush.get());
  }
  return CWindow::WindowProc(msg, wParam, lParam);
}

LRESULT CMemoViewer::OnCreate(WPARAM, LPARAM) {
  titleFont = SharedFamilyFont(scale.Px(kTitleFontHeight));
  closeButton = CreateControl(hwnd, kGrpBtnClass, 0, kCloseId, {0, 0, scale.Px(kButtonSize), scale.Px(kButtonSize)});
  SetGrpBtnImages(closeButton, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, IDB_CLOSE_BLUE);
  propButton = CreateControl(hwnd, kGrpBtnClass, 0, kPropertiesId, {0, 0, scale.Px(kButtonSize), scale.Px(kButtonSize)});
  SetGrpBtnImages(propButton, IDB_PENCIL, IDB_PENCIL_HOVER, IDB_PENCIL_PRESSED, IDB_PENCIL);
  edit = CreateControl(hwnd, L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL, kEditId, {0, 0, 200, 25});
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  ApplyLook();
  ShowMemoText();
  SetFocus(edit);
  textChanged = false;
  return 0;
}

LRESULT CMemoViewer::OnDestroy(WPARAM, LPARAM) {
  StoreRect();
  font.reset();
  titleFont.reset();
  editBrush.reset();
  if (notifyOwner && owner && owner->NoticeWindow())
    PostMessageW(owner->NoticeWindow(), kMsgMemoViewerClosed, reinterpret_cast<WPARAM>(this),
                 static_cast<LPARAM>(serial));
  return 0;
}

void CMemoViewer::Draw(HDC dc, RECT client) {
  if (!memo) return;
  const MemoWindowLayout layout = MemoWindowLayoutOf(client.right, client.bottom, CaptionUnits(), scale);
  const RECT strip{0, 0, client.right, layout.caption};
  gdi::Brush back = gdi::SolidBrush(memo->backColor);
  FillRect(dc, &strip, back);
  {
    gdi::Brush grey = gdi::SolidBrush(RGB(128, 128, 128));
    const RECT rule = ToRECT(layout.rule);
    FillRect(dc, &rule, grey);
  }
  gdi::Selection selectedFont(dc, titleFont);
  SetBkMode(dc, TRANSPARENT);
  const std::u16string_view title = memo->Title();
  const SIZE size = TextExtent16(dc, title.empty() ? u" " : title);
  TextOut16(dc, layout.titleLeft, layout.titleMiddle - size.cy / 2, title);
}

LRESULT CMemoViewer::OnSize(WPARAM wParam, LPARAM lParam) {
  CWindow::OnSize(wParam, lParam);
  PlaceChildren(MemoWindowLayoutOf(LOWORD(lParam), HIWORD(lParam), CaptionUnits(), scale));
  return 0;
}

LRESULT CMemoViewer::OnCommand(WPARAM wParam, LPARAM) {
  const int code = HIWORD(wParam);
  switch (LOWORD(wParam)) {
    case kCloseId: DestroyWindow(hwnd); break;
    case kPropertiesId: RunProperties(); break;
    case kEditId:
      if (code == EN_CHANGE && !settingText_) {
        textChanged = true;
        if (owner) owner->ViewerTyped();
      }
      if (code == EN_KILLFOCUS) StoreText();
      break;
  }
  return 0;
}

void CMemoViewer::StoreText() {
  if (!textChanged || !memo || !hwnd || !edit) return;
  // Text typed in the widget's edit goes in first, so a later flush cannot put it back over this.
  if (owner) owner->FlushIfShown(memo);
  memo->Reserve(GetWindowTextLengthW(edit) + 1);
  GetWindowTextW(edit, AsWide(memo->text.get()), memo->textCapacity);
  textChanged = false;
  if (owner) owner->TextStoredByViewer(memo);
}

void CMemoViewer::StoreRect() {
  RECT r{};
  if (!memo || !hwnd || !GetWindowRect(hwnd, &r)) return;
  memo->left = r.left;
  memo->top = r.top;
  // The size in units, so the file means the same at any scale; the place as it is.
  memo->width = scale.Units(r.right - r.left);
  memo->height = scale.Units(r.bottom - r.top);
}

void CMemoViewer::Detach() {
  notifyOwner = false;
  owner = nullptr;
  if (inDialog_) {
    deleteAfterDialog_ = true;
    props_.memo = nullptr;
    if (props_.dialog) EndDialog(props_.dialog, IDCANCEL);
  }
  if (hwnd) DestroyWindow(hwnd);
  memo = nullptr;
}

void CMemoViewer::ShowMemoText() {
  if (!memo) return;
  if (owner) owner->FlushIfShown(memo);
  settingText_ = true;
  SetWindowTextW(edit, ToWide(memo->Text()).c_str());
  settingText_ = false;
  textChanged = false;
}

void CMemoViewer::ApplyLook() {
  if (!memo) return;
  // The edit lets go of the old font before it is deleted.
  gdi::Font fresh = MemoFont(*memo, scale);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(fresh.get()), TRUE);
  font = std::move(fresh);
  editBrush = gdi::SolidBrush(memo->backColor);
  InvalidateRect(edit, nullptr, TRUE);
}

void CMemoViewer::RunProperties() {
  const ColorRef back = memo->backColor;
  const ColorRef text = memo->textColor;
  props_.memo = memo;
  inDialog_ = true;
  const INT_PTR result = RunMemoProperties(hwnd, props_);
  inDialog_ = false;
  if (deleteAfterDialog_) {
    // The owner let go of this viewer while the dialog ran; nothing here is valid any more.
    delete this;
    return;
  }
  if (!memo) return;
  // A picked colour stays after Cancel, so the look is renewed either way.
  ApplyLook();
  if (owner && (result == IDOK || memo->backColor != back || memo->textColor != text))
    owner->LookChangedByViewer(memo);
  SetWindowTextW(hwnd, AsWide(memo->title));
  InvalidateRect(hwnd, nullptr, TRUE);
}
