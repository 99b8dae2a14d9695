// The cursor mover and clipboard-to-text tidgets made through the factory under a
// stand-in bar: clicks, faces, the stored switches, the idle tick, the popup, the
// hot key and the clipboard conversion.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/factory_win.h"
#include "core/fonts_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "tidgets/movecursor_win.h"
#include "tidgets/textclip_win.h"

namespace {

using test_support::HostWindow;
using test_support::Snapshot;

constexpr COLORREF kOnGround = RGB(0x30, 0xB0, 0x40);
constexpr COLORREF kOffGround = RGB(0xC0, 0xC0, 0xC0);

class SwitchTidgets : public test_support::WidgetBench {
 protected:
  void TearDown() override {
    WidgetBench::TearDown();  // the bar takes the tidget windows along
    for (TidgetInfo& record : tidgetList) delete record.tidget;
    tidgetList.Clear();
  }

  template <class Class>
  Class* Add(const char16_t* kind) {
    tidgetList.Append(MakeTidgetInfo(kind, tidgetList));
    CTidget* tidget = CreateTidgetWindow(host, tidgetList[tidgetList.count() - 1], bar.hwnd());
    if (tidget) SetWindowPos(tidget->hwnd, nullptr, 0, 0, 24, 24, SWP_NOZORDER);
    return dynamic_cast<Class*>(tidget);
  }

  static void Click(const CTidget& tidget) {
    test_support::MouseDown(tidget.hwnd, 5, 5);
    test_support::MouseUp(tidget.hwnd, 5, 5);
  }
  static COLORREF Face(CTidget& tidget) { return Snapshot::Repainted(tidget).At(0, 0); }
  // Whether another window could take Ctrl+Shift+C now (it gives it back at once).
  static bool HotKeyFree() {
    HostWindow other(0, 0, 10, 10);
    const bool taken = RegisterHotKey(other.hwnd(), 7, MOD_CONTROL | MOD_SHIFT, 'C') != FALSE;
    if (taken) UnregisterHotKey(other.hwnd(), 7);
    return taken;
  }

  RecordList<TidgetInfo> tidgetList;
};

TEST_F(SwitchTidgets, CursorMoverClickSwitchesFaceAndTimerAndTheStateIsKept) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  EXPECT_EQ(Face(*mover), kOffGround);
  EXPECT_FALSE(write_later::Waiting(mover));
  Click(*mover);
  EXPECT_TRUE(mover->active);
  EXPECT_EQ(Face(*mover), kOnGround);
  write_later::WriteAll();  // once clicks pause, not only at the end
  EXPECT_EQ(ini.Int(L"MoveCursor", L"moveCursor"), 1);
  DestroyWindow(mover->hwnd);
  EXPECT_EQ(ini.Int(L"MoveCursor", L"moveCursor"), 1);

  CMoveCursor* next = Add<CMoveCursor>(u"MoveCursor");  // the next run's, from the same section
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(next->active);
  EXPECT_TRUE(KillTimer(next->hwnd, 1));
  Click(*next);
  EXPECT_FALSE(KillTimer(next->hwnd, 1));  // off: no timer
  DestroyWindow(next->hwnd);
  EXPECT_EQ(ini.Int(L"MoveCursor", L"moveCursor"), 0);
}

TEST_F(SwitchTidgets, CursorMoverNudgesTheStillCursorOnePixelAtTheTenthTick) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  ASSERT_TRUE(SetCursorPos(300, 300));
  for (int tick = 0; tick < 10; ++tick) SendMessageW(mover->hwnd, WM_TIMER, 1, 0);  // the first records
  EXPECT_EQ(mover->moveCount, 0);
  SendMessageW(mover->hwnd, WM_TIMER, 1, 0);
  EXPECT_EQ(mover->moveCount, 1);
  POINT cursor{};
  EXPECT_TRUE(test_support::PumpUntil([&] { return GetCursorPos(&cursor) && cursor.x == 301; }));
  EXPECT_EQ(cursor.y, 300);
}

TEST_F(SwitchTidgets, CursorMoverPopupShowsItsStateAndClampsTheTypedPeriod) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  mover->moveCount = 3;
  HWND dialog = (SendMessageW(mover->hwnd, WM_CONTEXTMENU, 0, 0), activeDialog);
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(test_support::TextOf(GetDlgItem(dialog, IDC_MOVECURSOR_COUNT)), L"이동 횟수 : 3번");
  EXPECT_EQ(GetDlgItemInt(dialog, IDC_MOVECURSOR_PERIOD, nullptr, FALSE), 180u);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MOVECURSOR_SPIN, UDM_GETRANGE, 0, 0), MAKELONG(600, 60));
  CheckDlgButton(dialog, IDC_MOVECURSOR_ACTIVE, BST_CHECKED);
  PressEscape(dialog);  // keeps everything
  EXPECT_FALSE(mover->active);

  const std::pair<const wchar_t*, int> typed[] = {{L"0", 60}, {L"abc", 60}, {L"75", 75}, {L"4294967295", 600}};
  for (const auto& [text, period] : typed) {
    dialog = (SendMessageW(mover->hwnd, WM_CONTEXTMENU, 0, 0), activeDialog);
    ASSERT_TRUE(IsWindow(dialog));
    SetDlgItemTextW(dialog, IDC_MOVECURSOR_PERIOD, text);
    CheckDlgButton(dialog, IDC_MOVECURSOR_ACTIVE, BST_CHECKED);
    ValidateRect(mover->hwnd, nullptr);
    Deactivate(dialog);
    EXPECT_EQ(mover->periodSec, period) << text;
    EXPECT_EQ(mover->tickMs, period * 100) << text;
    RECT dirty{};
    EXPECT_TRUE(GetUpdateRect(mover->hwnd, &dirty, FALSE)) << "the face shows the applied state";
  }
  EXPECT_EQ(Face(*mover), kOnGround);
  EXPECT_TRUE(KillTimer(mover->hwnd, 1));
}

TEST_F(SwitchTidgets, TextClipClickTurnsTheWishOverEvenWhileAnotherProgramHoldsTheKey) {
  HostWindow holder(0, 0, 10, 10);
  ASSERT_TRUE(RegisterHotKey(holder.hwnd(), 1, MOD_CONTROL | MOD_SHIFT, 'C'));
  ini.Write(L"TextClip", L"ClipToText", L"1");
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  EXPECT_FALSE(clip->active);
  EXPECT_EQ(Face(*clip), kOffGround);
  Click(*clip);  // asks for off
  DestroyWindow(clip->hwnd);
  EXPECT_EQ(ini.Int(L"TextClip", L"ClipToText"), 0);
  UnregisterHotKey(holder.hwnd(), 1);
  EXPECT_TRUE(HotKeyFree());

  CTextClip* next = Add<CTextClip>(u"TextClip");  // the next run's, with the key free
  ASSERT_NE(next, nullptr);
  Click(*next);
  EXPECT_TRUE(next->active);
  EXPECT_EQ(Face(*next), kOnGround);
  EXPECT_FALSE(HotKeyFree());
  Click(*next);
  EXPECT_TRUE(HotKeyFree());
  EXPECT_EQ(Face(*next), kOffGround);
}

// Puts formats on the clipboard as `owner`, so that a rewrite shows as a new owner.
bool Put(HWND owner, const std::vector<std::pair<UINT, std::wstring>>& items) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool ok = true;
  for (const auto& [format, text] : items) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    ok = SetClipboardData(format, block) && ok;
  }
  CloseClipboard();
  return ok;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// The conversion while another thread (a clipboard manager) keeps the clipboard open.
bool ConvertWhileHeld(HWND owner) {
  HANDLE events[2] = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  auto hold = [](void* shared) -> DWORD {
    HANDLE* e = static_cast<HANDLE*>(shared);
    const BOOL opened = OpenClipboard(nullptr);
    SetEvent(e[0]);
    WaitForSingleObject(e[1], 10000);
    if (opened) CloseClipboard();
    return opened;
  };
  HANDLE thread = CreateThread(nullptr, 0, hold, events, 0, nullptr);
  WaitForSingleObject(events[0], 5000);
  const bool converted = ConvertClipboardToText(owner);
  SetEvent(events[1]);
  WaitForSingleObject(thread, 5000);
  DWORD held = 0;
  GetExitCodeThread(thread, &held);
  for (HANDLE h : {thread, events[0], events[1]}) CloseHandle(h);
  return held && !converted;
}

TEST_F(SwitchTidgets, CtrlShiftCLeavesOnlyTheTextOfFormattedContents) {
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  Click(*clip);
  const UINT html = RegisterClipboardFormatW(L"HTML Format");
  const std::wstring text = L"굵은 글씨 <b>bold</b>\r\n둘째 줄";
  HostWindow source(0, 0, 10, 10);
  ASSERT_TRUE(Put(source.hwnd(), {{CF_UNICODETEXT, text}, {html, L"<b>bold</b>"}}));
  for (int key : {VK_CONTROL, VK_SHIFT, int{'C'}}) keybd_event(static_cast<BYTE>(key), 0, 0, 0);
  for (int key : {int{'C'}, VK_SHIFT, VK_CONTROL}) keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(test_support::PumpUntil([&] { return !IsClipboardFormatAvailable(html); }));
  ASSERT_TRUE(OpenClipboard(nullptr));
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f))
    EXPECT_TRUE(f == CF_UNICODETEXT || f == CF_TEXT || f == CF_OEMTEXT || f == CF_LOCALE) << f;
  CloseClipboard();
  EXPECT_EQ(ClipboardText(), text);
  EXPECT_EQ(GetClipboardOwner(), bar.hwnd());
}

TEST_F(SwitchTidgets, ConversionLeavesPlainTextPicturesAndAHeldClipboardAlone) {
  const UINT png = RegisterClipboardFormatW(L"PNG");
  const UINT html = RegisterClipboardFormatW(L"HTML Format");
  HostWindow source(0, 0, 10, 10);
  ASSERT_TRUE(Put(source.hwnd(), {{CF_UNICODETEXT, L"plain"}}));
  EXPECT_FALSE(ConvertClipboardToText(bar.hwnd()));
  EXPECT_EQ(GetClipboardOwner(), source.hwnd());

  ASSERT_TRUE(Put(source.hwnd(), {{png, L"\x89PNG"}}));
  EXPECT_FALSE(ConvertClipboardToText(bar.hwnd()));
  EXPECT_TRUE(IsClipboardFormatAvailable(png));

  ASSERT_TRUE(Put(source.hwnd(), {{CF_UNICODETEXT, L"kept"}, {html, L"<i>kept</i>"}}));
  EXPECT_TRUE(ConvertWhileHeld(bar.hwnd()));
  EXPECT_TRUE(IsClipboardFormatAvailable(html));
  EXPECT_EQ(ClipboardText(), L"kept");
}

}  // namespace
