#include "widgets/memo/memo_win.h"

#include <imm.h>

#include <initializer_list>

#include "core/app_messages_win.h"
#include "core/bar_settings.h"
#include "core/control_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "core/tooltip_win.h"
#include "core/warning_box_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "widgets/memo/memo_file_win.h"

namespace {

enum : int { kTitleListId = 0, kAddId = 1, kDeleteId = 2, kOpenId = 3, kEditId = 4 };
enum MemoNotice : WPARAM { kUnreadableNotice = 1, kUnwritableNotice = 2 };

// The buttons' faces; their names, which screen readers read, are their tips.
const wchar_t* GlyphOf(UINT_PTR id, const TextTable& texts) {
  switch (id) {
    case kAddId: return L"+";
    case kDeleteId: return L"-";
    case kOpenId: return WideText(texts, TextId::MemoOpenLabel);
    default: return nullptr;
  }
}

void SwitchToHangul(HWND edit) {
  HIMC context = ImmGetContext(edit);
  if (!context) return;
  ImmSetConversionStatus(context, IME_CMODE_NATIVE, IME_SMODE_NONE);
  ImmReleaseContext(edit, context);
}

std::wstring ComboText(HWND combo, int index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

CMemo::~CMemo() {
  write_later::Forget(this);
  // Normally done by OnDestroy; here for an object whose window never closed them.
  for (MemoRecord* memo : memos)
    if (memo->viewer) ReleaseViewer(*memo);
}

LRESULT CMemo::OnCreate(WPARAM, LPARAM) {
  const std::optional<SIZE> size = placed_.TakeClientOf(hwnd);
  const MemoWidgetLayout at = size ? MemoWidgetLayoutOf(size->cx, size->cy, scale) : MemoWidgetLayout{};
  current = -1;
  ReadFile();
  // With no memo to show the edit is made disabled (disabling it after is one more
  // message and style change). Its text comes once it has its font: text given at its
  // making would be laid out in the system's font, which would be loaded for that alone.
  const bool none = !At(current);
  titleList = CreateControl(hwnd, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, kTitleListId, at.titleList);
  const TextTable& texts = host.Texts();
  addButton = CreateTippedControl(hwnd, L"BUTTON", 0, kAddId, at.addButton, TextId::MemoAddTip, texts, scale);
  deleteButton =
      CreateTippedControl(hwnd, L"BUTTON", 0, kDeleteId, at.deleteButton, TextId::MemoDeleteTip, texts, scale);
  openButton = CreateTippedControl(hwnd, L"BUTTON", 0, kOpenId, at.openButton, TextId::MemoOpenTip, texts, scale);
  edit = CreateControl(hwnd, L"EDIT", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | (none ? WS_DISABLED : 0),
                       kEditId, at.edit);
  // The buttons too: the system's dialog font may have no glyph for "ㅁ".
  for (HWND control : {titleList, addButton, deleteButton, openButton, edit})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), FALSE);
  // Lifts the 32,767-character limit on typing and pasting.
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  for (const MemoRecord* memo : memos)
    SendMessageW(titleList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(memo->title)));
  ShowCurrent();
  return 0;
}

LRESULT CMemo::OnDestroy(WPARAM, LPARAM) {
  write_later::Forget(this);
  CloseViewers();
  Flush(current);
  if (changed && !fileBlocked_) WriteFile(true);
  return 0;
}

LRESULT CMemo::OnSize(WPARAM wParam, LPARAM lParam) {
  CWindow::OnSize(wParam, lParam);
  if (placed_.Take(lParam)) PlaceControls(LOWORD(lParam), HIWORD(lParam));
  return 0;
}

void CMemo::SetScale(Scale newScale) {
  CWidget::SetScale(newScale);
  for (HWND control : {titleList, addButton, deleteButton, openButton, edit})
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  RECT client{};
  GetClientRect(hwnd, &client);
  PlaceControls(client.right, client.bottom);
}

void CMemo::TextsChanged() {
  InvalidateRect(openButton, nullptr, TRUE);
  if (!At(current)) SetEditText(host.Texts()[TextId::MemoEmpty]);
}

void CMemo::PlaceControls(int width, int height) {
  const MemoWidgetLayout layout = MemoWidgetLayoutOf(width, height, scale);
  MoveControl(titleList, layout.titleList);
  MoveControl(addButton, layout.addButton);
  MoveControl(deleteButton, layout.deleteButton);
  MoveControl(openButton, layout.openButton);
  MoveControl(edit, layout.edit);
}

LRESULT CMemo::OnCommand(WPARAM wParam, LPARAM) {
  const int code = HIWORD(wParam);
  switch (LOWORD(wParam)) {
    case kTitleListId:
      if (code == CBN_SELCHANGE) SelectionChanged();
      break;
    case kAddId: AddMemo(); break;
    case kDeleteId: DeleteSelected(); break;
    case kOpenId: OpenViewer(); break;
    case kEditId:
      if (code != EN_CHANGE || settingText_) break;
      if (MemoRecord* memo = At(current)) {
        memo->modified = 1;
        changed = true;
        SaveLater();
      }
      break;
  }
  return 0;
}

LRESULT CMemo::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kMsgMemoViewerClosed:
      ViewerClosed(reinterpret_cast<const CMemoViewer*>(wParam), static_cast<unsigned>(lParam));
      return 0;
    case kMsgMemoFileNotice: ShowFileNotice(wParam); return 0;
    case WM_NOTIFY: {
      const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
      const wchar_t* glyph = draw.hdr.code == NM_CUSTOMDRAW ? GlyphOf(draw.hdr.idFrom, host.Texts()) : nullptr;
      return glyph ? DrawGlyphLabel(draw, glyph) : CWidget::WindowProc(msg, wParam, lParam);
    }
    default: return CWidget::WindowProc(msg, wParam, lParam);
  }
}

void CMemo::ShowFileNotice(WPARAM notice) {
  const TextTable& texts = host.Texts();
  const std::wstring text =
      WideText(texts, notice == kUnreadableNotice ? TextId::MemoUnreadable : TextId::MemoUnwritable) + filePath_;
  ShowBoxOverBar(host.BarWindow(), text, WideText(texts, TextId::CaptionError), MB_ICONWARNING);
}

void CMemo::SaveLater(bool atOnce) {
  write_later::Changed(this, [this] { SaveChanges(); }, atOnce);
}

// The same as the widget's end writes, except that open memo windows stay open.
void CMemo::SaveChanges() {
  for (MemoRecord* memo : memos) {
    if (!memo->viewer) continue;
    memo->viewer->StoreText();
    memo->viewer->StoreRect();
  }
  Flush(current);
  if (changed && !fileBlocked_) WriteFile(false);
}

void CMemo::ViewerClosed(const CMemoViewer* gone, unsigned serial) {
  // The pointer is only compared, never followed: a viewer that is no longer any
  // memo's has been deleted already.
  for (MemoRecord* memo : memos)
    if (memo->viewer == gone && gone && memo->viewer->serial == serial) ReleaseViewer(*memo);
}

int CMemo::CaptionUnits() const { return host.BarOptions().capThick; }

void CMemo::Flush(std::int32_t index) {
  MemoRecord* memo = At(index);
  if (!memo || memo->modified != 1) return;
  memo->Reserve(GetWindowTextLengthW(edit) + 1);
  GetWindowTextW(edit, AsWide(memo->text.get()), memo->textCapacity);
  memo->modified = 0;
  changed = true;
}

void CMemo::FlushIfShown(const MemoRecord* memo) {
  if (memo && At(current) == memo) Flush(current);
}

void CMemo::TextStoredByViewer(const MemoRecord* memo) {
  changed = true;
  if (!memo || At(current) != memo) return;
  SetEditText(memo->Text());
  At(current)->modified = 0;
}

void CMemo::LookChangedByViewer(const MemoRecord* memo) {
  changed = true;
  SaveLater(true);
  TitleChanged(memo);
}

void CMemo::TitleChanged(const MemoRecord* memo) {
  const std::int32_t index = IndexOf(memo);
  if (index < 0 || ComboText(titleList, index) == AsWide(memo->title)) return;
  const LRESULT selected = SendMessageW(titleList, CB_GETCURSEL, 0, 0);
  SendMessageW(titleList, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(titleList, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(AsWide(memo->title)));
  SendMessageW(titleList, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void CMemo::ReadFile() {
  filePath_ = ToWide(MemoFilePath(AsU16View(host.DataProgramPath().c_str()), AsU16View(Section())));
  if (ReadMemoFile(filePath_, *this) != MemoFileRead::kUnreadable) return;
  fileBlocked_ = true;
  PostMessageW(hwnd, kMsgMemoFileNotice, kUnreadableNotice, 0);
}

void CMemo::WriteFile(bool closing) {
  if (WriteMemoFile(filePath_, *this)) {
    changed = false;
    writeFailureTold_ = false;
    return;
  }
  if (writeFailureTold_) return;
  writeFailureTold_ = true;
  if (!closing)
    PostMessageW(hwnd, kMsgMemoFileNotice, kUnwritableNotice, 0);
  else
    ShowBoxWhileEnding(WideText(host.Texts(), TextId::MemoUnwritable) + filePath_,
                       WideText(host.Texts(), TextId::CaptionError));
}

void CMemo::ShowCurrent() {
  const MemoRecord* memo = At(current);
  if (!memo) {
    SetEditText(host.Texts()[TextId::MemoEmpty]);
    EnableWindow(edit, FALSE);
    return;
  }
  SendMessageW(titleList, CB_SETCURSEL, static_cast<WPARAM>(current), 0);
  SetEditText(memo->Text());
  EnableWindow(edit, TRUE);
}

void CMemo::SetEditText(std::u16string_view text) {
  settingText_ = true;
  SetWindowTextW(edit, ToWide(text).c_str());
  settingText_ = false;
}

void CMemo::SelectionChanged() {
  Flush(current);
  current = static_cast<std::int32_t>(SendMessageW(titleList, CB_GETCURSEL, 0, 0));
  ClampCurrent();
  ShowCurrent();
}

void CMemo::AddMemo() {
  Flush(current);
  current = AddNew(host.Texts()[TextId::MemoNewTitle]);
  SendMessageW(titleList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(memos[current]->title)));
  ShowCurrent();
  SwitchToHangul(edit);
  SetFocus(edit);
  changed = true;
  SaveLater(true);
}

void CMemo::DeleteSelected() {
  const auto selected = static_cast<std::int32_t>(SendMessageW(titleList, CB_GETCURSEL, 0, 0));
  MemoRecord* memo = At(selected);
  if (!memo) return;
  const std::u16string question = DeleteQuestion(host.Texts(), memo->Title());
  if (MessageBoxW(hwnd, AsWide(question.c_str()), WideText(host.Texts(), TextId::CaptionQuestion), MB_YESNO) != IDYES)
    return;
  // The viewer goes first: it stores its rectangle into the memo as it closes.
  if (memo->viewer) ReleaseViewer(*memo);
  Remove(selected);
  SendMessageW(titleList, CB_DELETESTRING, static_cast<WPARAM>(selected), 0);
  ShowCurrent();
  changed = true;
  SaveLater(true);
}

void CMemo::OpenViewer() {
  MemoRecord* memo = At(current);
  if (!memo) return;
  Flush(current);
  // A viewer whose window has gone but whose notice has not arrived yet is let go now.
  if (memo->viewer && !memo->viewer->hwnd) ReleaseViewer(*memo);
  if (memo->viewer) {
    SetForegroundWindow(memo->viewer->hwnd);
    SetFocus(memo->viewer->hwnd);
    return;
  }
  auto* viewer = new CMemoViewer(*this, *memo, ++lastViewerSerial_);
  memo->viewer = viewer;
  if (viewer->Open()) return;
  memo->viewer = nullptr;
  delete viewer;
}

void CMemo::CloseViewers() {
  for (MemoRecord* memo : memos) {
    if (!memo->viewer) continue;
    memo->viewer->StoreText();
    ReleaseViewer(*memo);
  }
}

void CMemo::ReleaseViewer(MemoRecord& memo) {
  CMemoViewer* viewer = memo.viewer;
  memo.viewer = nullptr;
  viewer->Detach();
  if (viewer->Deletable()) delete viewer;
}
