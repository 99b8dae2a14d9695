// The calculator and radix converter widgets made through the factory under a
// stand-in bar: keys through the real subclassed edit, the history, re-input, the
// clipboard, the context menu, the fields rewriting each other and both layouts.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "core/shell_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "widgets/calc.h"
#include "widgets/calc_win.h"
#include "widgets/radix_win.h"

namespace {

using test_support::PumpMessages;
using test_support::Snapshot;
using test_support::TextOf;

constexpr COLORREF kPink = RGB(255, 192, 203);

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

std::wstring ClipboardText() {
  std::wstring text = L"<none>";
  if (!OpenClipboard(nullptr)) return L"<busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = units;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const wchar_t* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(block), text, bytes);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

RECT ChildRect(HWND child) {
  RECT place{};
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

class CalcWidget : public test_support::WidgetBench {
 protected:
  CCalc* AddCalc(int width = 160, int height = 50) {
    WidgetInfo record = MakeWidgetInfo(u"Calc");
    record.bgColor = kPink;
    return dynamic_cast<CCalc*>(Place(std::move(record), width, height));
  }

  // Typed into the box, then Enter through the edit, as the message loop hands it on.
  static void Enter(CCalc& calc, const wchar_t* text) {
    SetWindowTextW(calc.combo, text);
    SendMessageW(calc.comboEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PumpMessages();
  }

  static std::vector<std::wstring> History(const CCalc& calc) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(calc.combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
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
  EXPECT_EQ(calc->resultText, u"=0");
  EXPECT_EQ(GetDlgCtrlID(calc->combo), kCalcBoxId);
  EXPECT_EQ(SendMessageW(calc->comboEdit, EM_GETLIMITTEXT, 0, 0), 255);

  Enter(*calc, L"1+2*3");
  EXPECT_EQ(calc->resultText, u"= 7");
  EXPECT_EQ(TextOf(calc->combo), L"1+2*3");  // the box keeps the typed text
  Enter(*calc, L"(1+2)*3");
  EXPECT_EQ(calc->resultText, u"= 9");
  Enter(*calc, L"(1+2");
  EXPECT_EQ(calc->resultText, kInvalidExpression);
  EXPECT_EQ(calc->result, 3.0);
  Enter(*calc, L"3+");
  EXPECT_EQ(calc->resultText, kInvalidExpression);
  Enter(*calc, L"");
  EXPECT_EQ(calc->resultText, u"= 0");
  Enter(*calc, L"1+2*3");
  EXPECT_EQ(History(*calc), (std::vector<std::wstring>{L"1+2*3", L"", L"(1+2)*3", L"1+2*3"}));
}

// Records what the subclass hands on to the edit's own procedure.
std::vector<std::pair<UINT, WPARAM>> handedOn;
WNDPROC realEditProc = nullptr;
LRESULT CALLBACK RecordingEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR) handedOn.emplace_back(msg, wParam);
  return CallWindowProcW(realEditProc, edit, msg, wParam, lParam);
}

TEST_F(CalcWidget, SubclassSwallowsExactlyEnterAndTabExceptTabsKeyDown) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && calc->comboEdit);
  realEditProc = std::exchange(calcEditPrevious, &RecordingEditProc);
  handedOn.clear();
  const std::pair<UINT, WPARAM> keys[] = {{WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}, {WM_CHAR, 13},
                                          {WM_KEYDOWN, VK_TAB},    {WM_KEYUP, VK_TAB},    {WM_CHAR, 9},
                                          {WM_KEYDOWN, 'A'},       {WM_CHAR, 'a'},        {WM_KEYUP, 'A'}};
  for (const auto& [msg, key] : keys) SendMessageW(calc->comboEdit, msg, key, 1);
  calcEditPrevious = realEditProc;
  EXPECT_EQ(handedOn, (std::vector<std::pair<UINT, WPARAM>>{
                          {WM_KEYDOWN, VK_TAB}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}));
  // Enter and Tab posted their evaluation and re-input: "a" evaluates to 0.
  PumpMessages();
  EXPECT_EQ(calc->resultText, u"= 0");
  EXPECT_EQ(TextOf(calc->combo), L"0 ");
}

TEST_F(CalcWidget, TabPutsTheResultBackWithTheCaretAtTheEnd) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc && calc->comboEdit);
  Enter(*calc, L"7/2");
  EXPECT_EQ(calc->resultText, u"= 3.5");
  SendMessageW(calc->comboEdit, WM_KEYDOWN, VK_TAB, 0x000F0001);
  PumpMessages();
  EXPECT_EQ(TextOf(calc->combo), L"3.5 ");
  DWORD start = 0, end = 0;
  SendMessageW(calc->comboEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(end, 4u);
  for (wchar_t typed : {L'*', L'2'}) SendMessageW(calc->comboEdit, WM_CHAR, typed, 1);
  SendMessageW(calc->comboEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PumpMessages();
  EXPECT_EQ(calc->resultText, u"= 7");

  // A negative result taken over is negated, not an operator short of an operand.
  Enter(*calc, L"1-5");
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_REINPUT, 0);
  EXPECT_EQ(TextOf(calc->combo), L"-4 ");
  SendMessageW(calc->comboEdit, WM_CHAR, L'^', 1);
  SendMessageW(calc->comboEdit, WM_CHAR, L'2', 1);
  SendMessageW(calc->comboEdit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PumpMessages();
  EXPECT_EQ(calc->resultText, u"= 16");
}

TEST_F(CalcWidget, HugeResultsAreShownWholeAndNotCutOnReinput) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc);
  Enter(*calc, L"10^200");
  // 200 or 201 digits, as the platform's pow rounds: past the 127 of a fixed field.
  EXPECT_GT(calc->resultText.size(), 200u);
  EXPECT_EQ(calc->resultText, u"= " + FormatNumber(calc->result));
  SendMessageW(calc->hwnd, WM_USER + 2, 0, 0);
  EXPECT_EQ(TextOf(calc->combo), Wide(FormatNumber(calc->result)) + L" ");
  Enter(*calc, L"10^300");
  SendMessageW(calc->hwnd, WM_USER + 2, 0, 0);
  EXPECT_EQ(calc->resultText, kInvalidExpression);
  EXPECT_EQ(TextOf(calc->combo), L"10^300");
}

TEST_F(CalcWidget, CopyButtonAndAutoCopyUseTheClipboard) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc);
  PutOnClipboard(L"before");
  Enter(*calc, L"7/2");
  EXPECT_EQ(ClipboardText(), L"before");  // auto-copy starts off
  const RECT button = ChildRect(calc->copyButton);
  EXPECT_EQ(button.left, 160 - 18);
  EXPECT_EQ(button.top, 29);
  test_support::MouseDown(calc->copyButton, 8, 8);
  test_support::MouseUp(calc->copyButton, 8, 8);
  PumpMessages();
  EXPECT_EQ(ClipboardText(), L"3.5");

  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  EXPECT_TRUE(calc->autoCopy);
  Enter(*calc, L"2^10");
  EXPECT_EQ(ClipboardText(), L"1024");
  Enter(*calc, L"(5");  // rejected: the clipboard is left alone
  EXPECT_EQ(ClipboardText(), L"1024");
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  Enter(*calc, L"-3+5");
  EXPECT_EQ(calc->resultText, u"= 2");
  EXPECT_EQ(ClipboardText(), L"1024");
}

TEST_F(CalcWidget, ContextMenuChecksAutoCopyWhileOn) {
  CCalc* calc = AddCalc();
  ASSERT_TRUE(calc);
  auto shownCheck = [&] {
    int checked = -1;
    test_support::WhileModal(
        [&] { SendMessageW(calc->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(calc->hwnd), MAKELPARAM(120, 130)); },
        [&] {
          for (HWND shown = nullptr; (shown = FindWindowExW(nullptr, shown, L"#32768", nullptr));) {
            auto menu = reinterpret_cast<HMENU>(SendMessageW(shown, 0x01E1 /* MN_GETHMENU */, 0, 0));
            if (!IsWindowVisible(shown) || !menu) continue;
            if (GetMenuItemID(menu, 0) == ID_CALC_REINPUT)
              checked = (GetMenuState(menu, ID_CALC_AUTOCOPY, MF_BYCOMMAND) & MF_CHECKED) != 0;
            EndMenu();
            return true;
          }
          return false;
        });
    return checked;
  };
  EXPECT_EQ(shownCheck(), 0);
  SendMessageW(calc->hwnd, WM_COMMAND, ID_CALC_AUTOCOPY, 0);
  EXPECT_EQ(shownCheck(), 1);
}

TEST_F(CalcWidget, LayoutAndResultTextFollowTheSize) {
  CCalc* calc = AddCalc(160, 100);
  ASSERT_TRUE(calc);
  const RECT box = ChildRect(calc->combo);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 24);
  EXPECT_EQ(box.right, 158);
  EXPECT_EQ(ChildRect(calc->copyButton).top, 51);

  Enter(*calc, L"1+2*3");
  Snapshot::Repainted(*calc);  // the back buffer exists from here on
  const int live = gdi::LiveObjects();
  const Snapshot shown = Snapshot::Repainted(*calc);
  auto inked = [](COLORREF c) { return c != kPink; };
  EXPECT_GT(shown.Count({2, 51, 60, 67}, inked), 10);  // "= 7" at the button's top
  EXPECT_EQ(shown.Count({2, 70, 140, 100}, inked), 0);
  for (int i = 0; i < 5; ++i) Snapshot::Repainted(*calc);
  EXPECT_EQ(gdi::LiveObjects(), live);
}

// ---------------------------------------------------------------------------
// Radix converter
// ---------------------------------------------------------------------------

class RadixWidget : public test_support::WidgetBench {
 protected:
  CRadix* AddRadix(int width = 120, int height = 100) {
    return dynamic_cast<CRadix*>(Place(MakeWidgetInfo(u"Radix"), width, height));
  }
};

TEST_F(RadixWidget, TypingInOneFieldRewritesTheOtherTwo) {
  CRadix* radix = AddRadix();
  ASSERT_TRUE(radix);
  EXPECT_EQ(GetDlgCtrlID(radix->binEdit), 2);
  EXPECT_EQ(GetDlgCtrlID(radix->decEdit), 10);
  EXPECT_EQ(GetDlgCtrlID(radix->hexEdit), 16);
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
  CRadix* radix = AddRadix(100, 50);
  ASSERT_TRUE(radix);
  auto at = [](HWND edit) {
    const RECT r = ChildRect(edit);
    return std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  EXPECT_EQ(at(radix->binEdit), (std::vector<LONG>{20, -10, 75, 20}));
  EXPECT_EQ(at(radix->decEdit), (std::vector<LONG>{20, 15, 75, 20}));
  EXPECT_EQ(at(radix->hexEdit), (std::vector<LONG>{20, 40, 75, 20}));
  EXPECT_EQ(SendMessageW(radix->hexEdit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(normalFont.get()));

  SetWindowPos(radix->hwnd, nullptr, 0, 0, 101, 50, SWP_NOZORDER | SWP_NOMOVE);
  EXPECT_EQ(at(radix->binEdit), (std::vector<LONG>{20, 3, 76, 20}));
  EXPECT_EQ(at(radix->decEdit), (std::vector<LONG>{20, 28, 30, 20}));
  EXPECT_EQ(at(radix->hexEdit), (std::vector<LONG>{75, 28, 20, 20}));

  // The labels sit in the margins left of the fields (and between them when wide).
  SetWindowPos(radix->hwnd, nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
  const Snapshot wide = Snapshot::Repainted(*radix);
  const COLORREF background = wide.At(1, 1);
  EXPECT_GT(wide.CountNot({2, 30, 19, 50}, background), 5);    // "2"
  EXPECT_GT(wide.CountNot({2, 53, 19, 73}, background), 5);    // "10"
  EXPECT_GT(wide.CountNot({105, 53, 125, 73}, background), 5);  // "16"
  const int live = gdi::LiveObjects();
  for (int i = 0; i < 5; ++i) Snapshot::Repainted(*radix);
  EXPECT_EQ(gdi::LiveObjects(), live);
}

}  // namespace
