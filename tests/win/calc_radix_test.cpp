// The calculator and radix converter made through the factory under a stand-in bar:
// keys through the real subclassed edit, history, re-input, the real clipboard, the
// context menu, the fields rewriting each other and both layouts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/fonts_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "widgets/calc/calc.h"
#include "widgets/calc/calc_win.h"
#include "widgets/radix/radix_win.h"

namespace {

using test_support::PumpMessages;
using test_support::TextOf;

constexpr char16_t kInvalid[] = u"수식이 잘못되었습니다.";

std::wstring ClipboardText() {
  std::wstring text = L"<none>";
  if (!OpenClipboard(nullptr)) return L"<busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* units = static_cast<const wchar_t*>(GlobalLock(data))) text = units;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

std::vector<LONG> PlaceOf(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Type(HWND edit, const wchar_t* keys) {
  for (; *keys; ++keys) SendMessageW(edit, WM_CHAR, *keys, 1);
}

class CalcWidget : public test_support::WidgetBench {
 protected:
  CCalc* AddCalc(int height = 50) { return Place<CCalc>(u"Calc", 160, height); }

  // Enter through the edit, as the message loop hands it on.
  static void Enter(CCalc& calc, const wchar_t* text = nullptr) {
    if (text) SetWindowTextW(calc.combo, text);
    SendMessageW(calc.comboEdit, WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages();
  }

  static std::vector<std::wstring> History(const CCalc& calc) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < SendMessageW(calc.combo, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t entry[300] = {};
      SendMessageW(calc.combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
      entries.emplace_back(entry);
    }
    return entries;
  }
};

TEST_F(CalcWidget, EnterEvaluatesAndAddsHistoryAtTheTop) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && calc->comboEdit);
  EXPECT_EQ(calc->ShownResult(), u"=0");
  EXPECT_EQ(SendMessageW(calc->comboEdit, EM_GETLIMITTEXT, 0, 0), 255);
  const std::pair<const wchar_t*, const char16_t*> typed[] = {
      {L"1+2*3", u"= 7"}, {L"(1+2)*3", u"= 9"}, {L"(1+2", kInvalid},
      {L"3+", kInvalid}, {L"", u"= 0"}, {L"1+2*3", u"= 7"}};
  for (const auto& [text, shown] : typed) {
    Enter(*calc, text);
    EXPECT_EQ(calc->ShownResult(), shown);
    EXPECT_EQ(TextOf(calc->combo), text);  // the box keeps the typed text
  }
  EXPECT_EQ(History(*calc), (std::vector<std::wstring>{L"1+2*3", L"", L"(1+2)*3", L"1+2*3"}));
}

// Records what the subclass hands on to the edit's own procedure.
std::vector<std::pair<UINT, WPARAM>> handedOn;
WNDPROC realEditProc = nullptr;
LRESULT CALLBACK RecordingEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR) handedOn.emplace_back(msg, wParam);
  return CallWindowProcW(realEditProc, edit, msg, wParam, lParam);
}

TEST_F(CalcWidget, SubclassSwallowsEnterAndTabButHandsOnTabsKeyDown) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && calc->comboEdit);
  realEditProc = std::exchange(calc->editPrevious, &RecordingEditProc);
  handedOn.clear();
  const std::pair<UINT, WPARAM> keys[] = {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}, {WM_CHAR, 13},
                                          {WM_KEYDOWN, VK_TAB},    {WM_KEYUP, VK_TAB},    {WM_CHAR, 9},
                                          {WM_KEYDOWN, 'A'},       {WM_CHAR, 'a'},        {WM_KEYUP, 'A'}};
  for (const auto& [msg, key] : keys) SendMessageW(calc->comboEdit, msg, key, 1);
  calc->editPrevious = realEditProc;
  EXPECT_EQ(handedOn, (std::vector<std::pair<UINT, WPARAM>>{
                          {WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}));
  PumpMessages();  // the posted evaluation of "a", then the re-input
  EXPECT_EQ(calc->ShownResult(), u"= 0");
  EXPECT_EQ(TextOf(calc->combo), L"0 ");
}

TEST_F(CalcWidget, TabPutsTheResultBackWithTheCaretAtTheEnd) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && calc->comboEdit);
  Enter(*calc, L"7/2");
  SendMessageW(calc->comboEdit, WM_KEYDOWN, VK_TAB, 1);
  PumpMessages();
  EXPECT_EQ(TextOf(calc->combo), L"3.5 ");
  DWORD start = 0, end = 0;
  SendMessageW(calc->comboEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(end, 4u);
  Type(calc->comboEdit, L"*2");
  Enter(*calc);
  EXPECT_EQ(calc->ShownResult(), u"= 7");

  // A negative result taken over is negated, not an operator short of an operand.
  Enter(*calc, L"1-5");
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_REINPUT, 0);
  Type(calc->comboEdit, L"^2");
  Enter(*calc);
  EXPECT_EQ(calc->ShownResult(), u"= 16");

  // A result too long for the box is not cut into another number.
  Enter(*calc, L"10^300");
  EXPECT_EQ(calc->ShownResult(), u"= " + FormatNumber(calc->result));  // over 300 characters
  SendMessageW(calc->comboEdit, WM_KEYDOWN, VK_TAB, 1);
  PumpMessages();
  EXPECT_EQ(calc->ShownResult(), kInvalid);
  EXPECT_EQ(TextOf(calc->combo), L"10^300");
}

TEST_F(CalcWidget, CopyButtonAndAutoCopyUseTheClipboard) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  Enter(*calc, L"7/2");
  EXPECT_EQ(ClipboardText(), L"<none>");  // automatic copying starts off
  test_support::MouseDown(calc->copyButton, 8, 8);
  test_support::MouseUp(calc->copyButton, 8, 8);
  PumpMessages();
  EXPECT_EQ(ClipboardText(), L"3.5");

  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  Enter(*calc, L"2^10");
  EXPECT_EQ(ClipboardText(), L"1024");
  Enter(*calc, L"(5");  // rejected: the clipboard is left alone
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  Enter(*calc, L"-3+5");
  EXPECT_EQ(calc->ShownResult(), u"= 2");
  EXPECT_EQ(ClipboardText(), L"1024");
}

TEST_F(CalcWidget, ContextMenuChecksAutoCopyWhileOn) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc);
  auto shownCheck = [&] {
    int checked = -1;
    auto read = [&] {
      HWND shown = FindWindowExW(nullptr, nullptr, L"#32768", nullptr);
      auto menu = reinterpret_cast<HMENU>(SendMessageW(shown, 0x01E1 /* MN_GETHMENU */, 0, 0));
      if (!shown || !IsWindowVisible(shown) || !menu) return false;
      if (GetMenuItemID(menu, 0) == ID_CALC_REINPUT)
        checked = (GetMenuState(menu, ID_CALC_AUTOCOPY, MF_BYCOMMAND) & MF_CHECKED) != 0;
      EndMenu();
      return true;
    };
    test_support::WhileModal([&] { SendMessageW(calc->hwnd, WM_CONTEXTMENU, 0, MAKELPARAM(120, 130)); }, read);
    return checked;
  };
  EXPECT_EQ(shownCheck(), 0);
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  EXPECT_EQ(shownCheck(), 1);
}

TEST_F(CalcWidget, LayoutAndResultTextFollowTheHeight) {
  CCalc* calc = AddCalc(100);
  ASSERT_TRUE(calc);
  EXPECT_EQ(PlaceOf(calc->combo)[0], 2);
  EXPECT_EQ(PlaceOf(calc->combo)[1], 24);
  EXPECT_EQ(PlaceOf(calc->copyButton), (std::vector<LONG>{142, 51, 16, 16}));
  Enter(*calc, L"1+2*3");
  test_support::Snapshot::Repainted(*calc);  // the back buffer exists from here on
  const int live = gdi::LiveObjects();
  const auto shown = test_support::Snapshot::Repainted(*calc);
  const COLORREF background = shown.At(1, 1);
  EXPECT_GT(shown.CountNot({2, 51, 60, 67}, background), 10);  // "= 7" at the button's top
  EXPECT_EQ(shown.CountNot({2, 70, 140, 100}, background), 0);
  EXPECT_EQ(gdi::LiveObjects(), live);
}

// ---------------------------------------------------------------------------
// Radix converter
// ---------------------------------------------------------------------------

using RadixWidget = test_support::WidgetBench;

TEST_F(RadixWidget, TypingInOneFieldRewritesTheOtherTwo) {
  CRadix* radix = Place<CRadix>(u"Radix", 120, 100);
  ASSERT_TRUE(radix);
  struct Typing {
    int field;
    const wchar_t* text;
    const wchar_t *bin, *dec, *hex;
  };
  const Typing cases[] = {
      {10, L"255", L"11111111", L"255", L"ff"},
      {16, L"FF", L"11111111", L"255", L"FF"},
      {2, L"102", L"102", L"2", L"2"},
      {16, L"FFFFFFFFF", L"11111111111111111111111111111111", L"4294967295", L"FFFFFFFFF"},
      {10, L"4294967296", L"0", L"4294967296", L"0"},
      {10, L"-1", L"0", L"-1", L"0"},
      {16, L"-2", L"11111111111111111111111111111110", L"4294967294", L"-2"},
      {10, L"0042", L"101010", L"0042", L"2a"},
      {2, L"", L"", L"0", L"0"},
  };
  for (const Typing& c : cases) {
    SetWindowTextW(GetDlgItem(radix->hwnd, c.field), c.text);
    EXPECT_EQ(TextOf(radix->binEdit), c.bin) << c.text;
    EXPECT_EQ(TextOf(radix->decEdit), c.dec) << c.text;
    EXPECT_EQ(TextOf(radix->hexEdit), c.hex) << c.text;
    EXPECT_FALSE(radix->updating);
  }
}

TEST_F(RadixWidget, TwoLayoutsSplitAtOneHundredPixels) {
  CRadix* radix = Place<CRadix>(u"Radix", 100, 50);
  ASSERT_TRUE(radix);
  EXPECT_EQ(PlaceOf(radix->binEdit), (std::vector<LONG>{20, -10, 75, 20}));
  EXPECT_EQ(PlaceOf(radix->decEdit), (std::vector<LONG>{20, 15, 75, 20}));
  EXPECT_EQ(PlaceOf(radix->hexEdit), (std::vector<LONG>{20, 40, 75, 20}));
  EXPECT_EQ(SendMessageW(radix->hexEdit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(normalFont.get()));
  SetWindowPos(radix->hwnd, nullptr, 0, 0, 101, 50, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_EQ(PlaceOf(radix->binEdit), (std::vector<LONG>{20, 3, 76, 20}));
  EXPECT_EQ(PlaceOf(radix->decEdit), (std::vector<LONG>{20, 28, 30, 20}));
  EXPECT_EQ(PlaceOf(radix->hexEdit), (std::vector<LONG>{75, 28, 20, 20}));

  // The labels sit in the margins left of the fields, and between them when wide.
  SetWindowPos(radix->hwnd, nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
  test_support::Snapshot::Repainted(*radix);
  const int live = gdi::LiveObjects();
  const auto wide = test_support::Snapshot::Repainted(*radix);
  const COLORREF background = wide.At(1, 1);
  EXPECT_GT(wide.CountNot({2, 30, 19, 50}, background), 5);     // "2"
  EXPECT_GT(wide.CountNot({2, 53, 19, 73}, background), 5);     // "10"
  EXPECT_GT(wide.CountNot({105, 53, 125, 73}, background), 5);  // "16"
  EXPECT_EQ(gdi::LiveObjects(), live);
}

}  // namespace
