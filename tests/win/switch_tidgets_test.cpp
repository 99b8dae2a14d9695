// The cursor mover and clipboard-to-text tidgets made through the factory under a
// stand-in bar: clicks, faces, the stored switches, the idle tick, the popup, the
// hot key and the clipboard conversion.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/factory_win.h"
#include "core/shell_win.h"
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
    CTidget* tidget = CreateTidgetWindow(tidgetList.count() - 1, bar.hwnd());
    if (tidget) SetWindowPos(tidget->hwnd, nullptr, 0, 30 * (tidgetList.count() - 1), 24, 24, SWP_NOZORDER);
    return dynamic_cast<Class*>(tidget);
  }

  static void Click(const CTidget& tidget) {
    test_support::MouseDown(tidget.hwnd, 5, 5);
    test_support::MouseUp(tidget.hwnd, 5, 5);
  }
  static COLORREF Face(CTidget& tidget) { return Snapshot::Repainted(tidget).At(0, 0); }
  static bool Dirty(HWND window) {
    RECT dirty{};
    return GetUpdateRect(window, &dirty, FALSE) != FALSE;
  }
  // Whether another window could take Ctrl+Shift+C now (it gives it back at once).
  static bool HotKeyFree() {
    HostWindow other(0, 0, 10, 10);
    const bool taken = RegisterHotKey(other.hwnd(), 7, MOD_CONTROL | MOD_SHIFT, 'C') != FALSE;
    if (taken) UnregisterHotKey(other.hwnd(), 7);
    return taken;
  }
};

// ---------------------------------------------------------------------------
// Cursor mover
// ---------------------------------------------------------------------------

TEST_F(SwitchTidgets, CursorMoverClickSwitchesFaceAndTimerAndTheStateOutlivesTheWindow) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  EXPECT_FALSE(mover->active);
  EXPECT_EQ(Face(*mover), kOffGround);
  Click(*mover);
  EXPECT_TRUE(mover->active);
  EXPECT_EQ(Face(*mover), kOnGround);
  DestroyWindow(mover->hwnd);
  EXPECT_EQ(ini.Int(L"MoveCursor", L"moveCursor"), 1);

  CMoveCursor* stored = Add<CMoveCursor>(u"MoveCursor");  // the next run's, from the same section
  ASSERT_NE(stored, nullptr);
  EXPECT_TRUE(stored->active);
  EXPECT_TRUE(KillTimer(stored->hwnd, 1));
  SetTimer(stored->hwnd, 1, stored->tickMs, nullptr);
  Click(*stored);
  EXPECT_FALSE(stored->active);
  EXPECT_FALSE(KillTimer(stored->hwnd, 1));  // off: no timer left to stop
  DestroyWindow(stored->hwnd);
  EXPECT_EQ(ini.Int(L"MoveCursor", L"moveCursor"), 0);
}

TEST_F(SwitchTidgets, CursorMoverNudgesTheStillCursorOnePixelAtTheTenthTick) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  Click(*mover);
  ASSERT_TRUE(SetCursorPos(300, 300));
  for (int tick = 0; tick < 10; ++tick) SendMessageW(mover->hwnd, WM_TIMER, 1, 0);  // the first records
  EXPECT_EQ(mover->moveCount, 0);
  SendMessageW(mover->hwnd, WM_TIMER, 1, 0);
  EXPECT_EQ(mover->moveCount, 1);
  POINT cursor{};
  EXPECT_TRUE(test_support::PumpUntil([&] { return GetCursorPos(&cursor) && cursor.x == 301; }));
  EXPECT_EQ(cursor.y, 300);
  SendMessageW(mover->hwnd, WM_TIMER, 2, 0);  // another timer id is not the tick
  EXPECT_EQ(mover->idleSec, 0);
}

TEST_F(SwitchTidgets, CursorMoverPopupShowsItsStateAndClampsTheTypedPeriod) {
  CMoveCursor* mover = Add<CMoveCursor>(u"MoveCursor");
  ASSERT_NE(mover, nullptr);
  mover->moveCount = 3;
  SendMessageW(mover->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(mover->hwnd), test_support::At(5, 5));
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(test_support::TextOf(GetDlgItem(dialog, IDC_MOVECURSOR_COUNT)), L"이동 횟수 : 3번");
  EXPECT_EQ(GetDlgItemInt(dialog, IDC_MOVECURSOR_PERIOD, nullptr, FALSE), 180u);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MOVECURSOR_ACTIVE), BST_UNCHECKED);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MOVECURSOR_SPIN, UDM_GETRANGE, 0, 0), MAKELONG(600, 60));

  // Esc keeps everything.
  SetDlgItemTextW(dialog, IDC_MOVECURSOR_PERIOD, L"300");
  CheckDlgButton(dialog, IDC_MOVECURSOR_ACTIVE, BST_CHECKED);
  PressEscape(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(mover->periodSec, 180);
  EXPECT_FALSE(mover->active);

  struct Case {
    const wchar_t* typed;
    int period;
  } cases[] = {{L"0", 60}, {L"", 60}, {L"abc", 60}, {L"75", 75}, {L"4294967295", 600}};
  for (const Case& c : cases) {
    SendMessageW(mover->hwnd, WM_CONTEXTMENU, 0, 0);
    dialog = activeDialog;
    ASSERT_TRUE(IsWindow(dialog));
    SetDlgItemTextW(dialog, IDC_MOVECURSOR_PERIOD, c.typed);
    CheckDlgButton(dialog, IDC_MOVECURSOR_ACTIVE, BST_CHECKED);
    ValidateRect(mover->hwnd, nullptr);
    Deactivate(dialog);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(mover->periodSec, c.period) << c.typed;
    EXPECT_EQ(mover->tickMs, c.period * 100) << c.typed;
    EXPECT_TRUE(mover->active);
    EXPECT_TRUE(Dirty(mover->hwnd)) << "the face shows the applied state";
  }
  EXPECT_EQ(Face(*mover), kOnGround);
  EXPECT_TRUE(KillTimer(mover->hwnd, 1));
}

// ---------------------------------------------------------------------------
// Clipboard to text
// ---------------------------------------------------------------------------

TEST_F(SwitchTidgets, TextClipHoldsCtrlShiftCOnlyWhileOnAndStoresTheClicks) {
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  EXPECT_EQ(Face(*clip), kOffGround);
  EXPECT_TRUE(HotKeyFree());
  Click(*clip);
  EXPECT_TRUE(clip->active);
  EXPECT_EQ(Face(*clip), kOnGround);
  EXPECT_FALSE(HotKeyFree());
  Click(*clip);
  EXPECT_FALSE(clip->active);
  EXPECT_TRUE(HotKeyFree());
  Click(*clip);
  DestroyWindow(clip->hwnd);
  EXPECT_EQ(ini.Int(L"TextClip", L"ClipToText"), 1);
  EXPECT_TRUE(HotKeyFree());  // released with the window
}

TEST_F(SwitchTidgets, TextClipShowsOffWhileAnotherWindowHoldsTheKeyAndKeepsTheStoredChoice) {
  HostWindow holder(0, 0, 10, 10);
  ASSERT_TRUE(RegisterHotKey(holder.hwnd(), 1, MOD_CONTROL | MOD_SHIFT, 'C'));
  ini.Write(L"TextClip", L"ClipToText", L"1");
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  EXPECT_FALSE(clip->active);
  EXPECT_TRUE(clip->wanted);
  EXPECT_EQ(Face(*clip), kOffGround);
  Click(*clip);  // still taken: stays off
  EXPECT_FALSE(clip->active);
  UnregisterHotKey(holder.hwnd(), 1);
  Click(*clip);  // free now: a click takes it
  EXPECT_TRUE(clip->active);
  EXPECT_FALSE(HotKeyFree());
  ASSERT_TRUE(RegisterHotKey(holder.hwnd(), 1, MOD_CONTROL | MOD_SHIFT, 'C') == FALSE);
  DestroyWindow(clip->hwnd);
  EXPECT_EQ(ini.Int(L"TextClip", L"ClipToText"), 1);
}

// Clipboard contents put by a window of their own, so a rewrite shows as a new owner.
class Clipboard {
 public:
  Clipboard() : owner_(0, 0, 10, 10) {}
  HWND owner() const { return owner_.hwnd(); }

  bool Put(std::initializer_list<std::pair<UINT, std::string>> items) {
    if (!OpenClipboard(owner_.hwnd())) return false;
    EmptyClipboard();
    bool ok = true;
    for (const auto& [format, bytes] : items) {
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
      std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
      GlobalUnlock(block);
      ok = ok && SetClipboardData(format, block);
    }
    CloseClipboard();
    return ok;
  }

  static std::vector<UINT> Formats() {
    std::vector<UINT> formats;
    if (!OpenClipboard(nullptr)) return formats;
    for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f)) formats.push_back(f);
    CloseClipboard();
    return formats;
  }

  static std::wstring Text() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      text = static_cast<const wchar_t*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }

 private:
  HostWindow owner_;
};

// Keeps the clipboard open from a thread of its own for as long as it lives.
class ClipboardHolder {
 public:
  ClipboardHolder()
      : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = CreateThread(nullptr, 0, &Hold, this, 0, nullptr);
    WaitForSingleObject(opened_, 5000);
  }
  ~ClipboardHolder() {
    SetEvent(release_);
    WaitForSingleObject(thread_, 5000);
    for (HANDLE h : {thread_, opened_, release_}) CloseHandle(h);
  }
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;
  bool holding() const { return holding_; }

 private:
  static DWORD WINAPI Hold(void* self) {
    auto* holder = static_cast<ClipboardHolder*>(self);
    holder->holding_ = OpenClipboard(nullptr) != FALSE;
    SetEvent(holder->opened_);
    WaitForSingleObject(holder->release_, 10000);
    if (holder->holding_) CloseClipboard();
    return 0;
  }

  HANDLE opened_;
  HANDLE release_;
  HANDLE thread_ = nullptr;
  bool holding_ = false;
};

std::string Utf16Bytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

TEST_F(SwitchTidgets, HotKeyLeavesOnlyTheTextOfFormattedContents) {
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  const UINT html = RegisterClipboardFormatW(L"HTML Format");
  const std::wstring text = L"굵은 글씨 <b>bold</b>\r\n둘째 줄";
  Clipboard clipboard;
  ASSERT_TRUE(clipboard.Put({{CF_UNICODETEXT, Utf16Bytes(text)}, {html, "<b>bold</b>"}}));
  ASSERT_TRUE(IsClipboardFormatAvailable(html));

  SendMessageW(clip->hwnd, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'C'));
  EXPECT_FALSE(IsClipboardFormatAvailable(html));
  for (UINT format : Clipboard::Formats())
    EXPECT_TRUE(format == CF_UNICODETEXT || format == CF_TEXT || format == CF_OEMTEXT || format == CF_LOCALE)
        << format;
  EXPECT_EQ(Clipboard::Text(), text);
  EXPECT_EQ(GetClipboardOwner(), bar.hwnd());
}

TEST_F(SwitchTidgets, HotKeyLeavesPlainTextPicturesAndAHeldClipboardAlone) {
  CTextClip* clip = Add<CTextClip>(u"TextClip");
  ASSERT_NE(clip, nullptr);
  const UINT png = RegisterClipboardFormatW(L"PNG");
  const UINT html = RegisterClipboardFormatW(L"HTML Format");
  auto hotKey = [&] { SendMessageW(clip->hwnd, WM_HOTKEY, 0, 0); };
  Clipboard clipboard;

  ASSERT_TRUE(clipboard.Put({{CF_UNICODETEXT, Utf16Bytes(L"plain")}}));
  hotKey();
  EXPECT_EQ(GetClipboardOwner(), clipboard.owner()) << "text alone is not rewritten";

  ASSERT_TRUE(clipboard.Put({{png, "\x89PNG"}}));
  hotKey();
  EXPECT_EQ(GetClipboardOwner(), clipboard.owner());
  EXPECT_TRUE(IsClipboardFormatAvailable(png));

  // Another thread (a clipboard manager) has the clipboard open: nothing is emptied.
  ASSERT_TRUE(clipboard.Put({{CF_UNICODETEXT, Utf16Bytes(L"kept")}, {html, "<i>kept</i>"}}));
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.holding());
    EXPECT_FALSE(ConvertClipboardToText(bar.hwnd()));
  }
  EXPECT_TRUE(IsClipboardFormatAvailable(html));
  EXPECT_EQ(Clipboard::Text(), L"kept");
}

}  // namespace
