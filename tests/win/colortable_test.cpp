// The colour table tidget made through the factory: the window its click opens, list
// switching and swatch clicks read back from the window's own bitmap, the clipboard.
// Its placement is tested end to end (tests/e2e/colortable_test.cpp).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/factory_win.h"
#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "support/widget_bench.h"
#include "support/win_test_support.h"
#include "tidgets/colortable_win.h"

namespace {

using test_support::Snapshot;
using test_support::TextOf;

constexpr COLORREF kIndianRed = RGB(0xCD, 0x5C, 0x5C);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr Point kSelectedBox{70, 235};
constexpr Point kPreviousBox{70, 370};

BOOL CALLBACK CollectTable(HWND window, LPARAM found) {
  if (TextOf(window) == L"색상표") reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> OpenTables() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectTable, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<std::wstring> ButtonTexts(const CColorTableApp& app) {
  std::vector<std::wstring> texts;
  for (HWND button : app.buttons) texts.push_back(TextOf(button));
  return texts;
}

std::wstring ClipboardText() {
  std::wstring text = L"<none>";
  HANDLE data = OpenClipboard(nullptr) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
  if (data) text = static_cast<const wchar_t*>(GlobalLock(data));
  if (data) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

COLORREF At(const Snapshot& shot, Point p) { return shot.At(p.x, p.y); }

class ColorTableTool : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateSharedFonts();
    tidget_.reset(CreateTidgetObject(host_, L"ColorTable", L"색상표", L"ColorTable"));
    ASSERT_NE(tidget_, nullptr);
    ASSERT_NE(tidget_->Create(bar_.hwnd(), 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
    MoveWindow(tidget_->hwnd, 0, 0, 24, 24, TRUE);
  }
  void TearDown() override {
    for (HWND table : OpenTables()) DestroyWindow(table);
    DestroyWindow(bar_.hwnd());
    tidget_.reset();
    ReleaseSharedFonts();
    test_support::PumpMessages();
  }

  CColorTableApp* Click() {
    test_support::MouseDown(tidget_->hwnd, 5, 5);
    test_support::MouseUp(tidget_->hwnd, 5, 5);
    const std::vector<HWND> tables = OpenTables();
    return tables.empty() ? nullptr : dynamic_cast<CColorTableApp*>(window_table::Find(tables.front()));
  }

  static void ChooseList(CColorTableApp& app, int index) {
    SendMessageW(app.listBox, LB_SETCURSEL, index, 0);
    SendMessageW(app.hwnd, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(app.listBox));
  }

  static void ClickSwatch(CColorTableApp& app, int index) {
    const Rect cell = app.table.Cell(index);
    test_support::MouseDown(app.hwnd, cell.left + cell.Width() / 2, cell.top + cell.Height() / 2);
  }

  test_support::IniSandbox ini_;
  test_support::HostWindow bar_{0, 0, 40, 200};
  test_support::TestHost host_{ini_.settings, bar_.hwnd()};
  std::unique_ptr<CTidget> tidget_;
};

TEST_F(ColorTableTool, ClickOpensAWindowShowingTheFirstColourOnButtonsThatCopyTheirText) {
  const int windowsBefore = window_table::Count();
  CColorTableApp* app = Click();
  ASSERT_NE(app, nullptr);
  EXPECT_TRUE(IsWindowVisible(app->hwnd));
  EXPECT_FALSE(write_later::Waiting(app));  // being placed at opening is no move
  MoveWindow(app->hwnd, 30, 40, 900, 700, TRUE);
  write_later::WriteAll();  // once moves pause, not only when it closes
  EXPECT_EQ(ini_.Int(L"ColorTableApp", L"left"), 30);
  EXPECT_EQ(ButtonTexts(*app),
            (std::vector<std::wstring>{L"IndianRed", L"RGB(205, 92, 92)", L"0XCD5C5C", L"#CD5C5C"}));
  EXPECT_EQ(At(Snapshot::Repainted(*app), kSelectedBox), kIndianRed);
  SendMessageW(app->buttons[3], BM_CLICK, 0, 0);
  EXPECT_EQ(ClipboardText(), L"#CD5C5C");
  Click();
  EXPECT_EQ(OpenTables().size(), 2u) << "each click opens another";
  for (HWND table : OpenTables()) DestroyWindow(table);
  EXPECT_EQ(window_table::Count(), windowsBefore);
}

TEST_F(ColorTableTool, SwitchingListsMarksTheFirstSwatchAndKeepsTheButtonsUntilASwatchClick) {
  CColorTableApp* app = Click();
  ASSERT_NE(app, nullptr);
  Snapshot::Repainted(*app);
  const int live = gdi::LiveObjects();
  ChooseList(*app, kWebSafe);
  Snapshot shown = Snapshot::Repainted(*app);
  EXPECT_EQ(gdi::LiveObjects(), live);
  EXPECT_EQ(ButtonTexts(*app)[0], L"IndianRed");
  EXPECT_EQ(At(shown, kSelectedBox), kBlack);
  EXPECT_EQ(At(shown, kPreviousBox), kBlack);
  EXPECT_EQ(shown.At(ColorTable::kLeftPanel + 1, 1), kBlue) << "the first swatch is marked";

  ClickSwatch(*app, 52);
  EXPECT_EQ(ButtonTexts(*app),
            (std::vector<std::wstring>{L"3366CC", L"RGB(51, 102, 204)", L"0X3366CC", L"#3366CC"}));
  shown = Snapshot::Repainted(*app);
  EXPECT_EQ(At(shown, kSelectedBox), RGB(0x33, 0x66, 0xCC));
  EXPECT_EQ(At(shown, kPreviousBox), kBlack);
  const Rect cell = app->table.Cell(52);
  EXPECT_EQ(shown.At(cell.left + 1, cell.top + 1), kBlue) << "the mark moved";
  EXPECT_EQ(shown.At(cell.left + cell.Width() / 2, cell.top + 10), RGB(0x33, 0x66, 0xCC)) << "no name line";
}

TEST_F(ColorTableTool, NameOrderAgreesWithTheLocaleComparison) {
  ColorTable table;
  table.BuildList(kNamedByName);
  for (int i = 1; i < table.count; ++i)
    EXPECT_LE(lstrcmpW(AsWide(table.entries[i - 1].name.c_str()), AsWide(table.entries[i].name.c_str())), 0)
        << i;
}

}  // namespace
