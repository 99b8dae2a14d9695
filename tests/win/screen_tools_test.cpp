// The LCD test and size meter tidgets and the plain windows they open: the screen
// in the test colours with the help text, the keys and clicks, the state one per
// process, and the size meter's exact client sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "support/widget_bench.h"
#include "support/win_test_support.h"
#include "tidgets/lcdtest_win.h"
#include "tidgets/sizemeter.h"
#include "tidgets/sizemeter_win.h"

namespace {

using test_support::Snapshot;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A tidget of `Class` under a stand-in bar, and the windows its clicks open.
template <class Class>
class ToolBench : public ::testing::Test {
 protected:
  void SetUp() override {
    tidget_ = std::make_unique<Class>(host_, L"도구", L"Tool");
    ASSERT_TRUE(tidget_->Create(bar_.hwnd(), 0, L"", WS_CHILD | WS_VISIBLE));
    SetWindowPos(tidget_->hwnd, nullptr, 0, 0, 24, 24, SWP_NOZORDER);
  }
  void TearDown() override {
    for (HWND window : opened_)
      if (IsWindow(window)) DestroyWindow(window);
    DestroyWindow(tidget_->hwnd);
    test_support::PumpMessages();
  }

  HWND Open(const wchar_t* className) {
    test_support::MouseDown(tidget_->hwnd, 5, 5);
    test_support::MouseUp(tidget_->hwnd, 5, 5);
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, nullptr)))
      if (std::ranges::find(opened_, window) == opened_.end()) break;
    if (window) opened_.push_back(window);
    return window;
  }

  test_support::HostWindow bar_{100, 100, 200, 200};
  test_support::IniSandbox ini_;
  test_support::TestHost host_{ini_.settings, bar_.hwnd()};
  std::unique_ptr<Class> tidget_;
  std::vector<HWND> opened_;
};

class LcdTest : public ToolBench<CLCDTest> {
 protected:
  static Snapshot Shown(HWND window) {
    UpdateWindow(window);
    return Snapshot::OfWindow(window);
  }
  static void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }
  // Help-text ink of `color`: in the lower half only.
  static int HelpInk(const Snapshot& shot, COLORREF color) {
    const int w = shot.width(), h = shot.height();
    auto ink = [color](COLORREF c) { return c == color; };
    EXPECT_EQ(shot.Count({0, 0, w, h / 2}, ink), 0);
    return shot.Count({0, h / 2, w, h}, ink);
  }
};

TEST_F(LcdTest, FirstWindowCoversTheScreenInBlueWithTheHelpText) {
  HWND lcd = Open(kLcdTestClass);
  ASSERT_TRUE(lcd);
  RECT shown{};
  GetWindowRect(lcd, &shown);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_TRUE(EqualRect(&shown, &screen));
  EXPECT_TRUE(GetWindowLongW(lcd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(lcd, GW_OWNER), bar_.hwnd());
  const Snapshot shot = Shown(lcd);
  EXPECT_EQ(shot.At(5, 5), kBlue);
  EXPECT_EQ(shot.At(shot.width() - 5, shot.height() - 5), kBlue);
  EXPECT_GT(HelpInk(shot, kBlack), 100);

  // One monitor: right clicks and M neither move it nor change the colour.
  ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  SendMessageW(lcd, WM_RBUTTONDOWN, MK_RBUTTON, test_support::At(5, 5));
  Key(lcd, 'M');
  GetWindowRect(lcd, &shown);
  EXPECT_TRUE(EqualRect(&shown, &screen));
  EXPECT_EQ(Shown(lcd).At(5, 5), kBlue);
}

TEST_F(LcdTest, SpaceAndClicksCycleTheColoursAndLettersPickThem) {
  HWND lcd = Open(kLcdTestClass);
  ASSERT_TRUE(lcd);
  for (COLORREF color : {kWhite, kBlack, RGB(255, 0, 0), RGB(0, 255, 0), kBlue}) {
    Key(lcd, VK_SPACE);
    EXPECT_EQ(Shown(lcd).At(5, 5), color);
  }
  SendMessageW(lcd, WM_LBUTTONDOWN, MK_LBUTTON, test_support::At(5, 5));
  EXPECT_EQ(Shown(lcd).At(5, 5), kWhite);
  const std::pair<WPARAM, COLORREF> letters[] = {
      {'R', RGB(255, 0, 0)}, {'G', RGB(0, 255, 0)}, {'B', kBlue}, {'W', kWhite}, {'K', kBlack}, {'X', kBlack}};
  for (const auto& [key, color] : letters) {
    Key(lcd, key);
    EXPECT_EQ(Shown(lcd).At(5, 5), color) << static_cast<char>(key);
  }
  EXPECT_GT(HelpInk(Shown(lcd), kWhite), 100);  // white help on black only
}

TEST_F(LcdTest, EnterHidesTheHelpForLaterWindowsAndEscCloses) {
  HWND first = Open(kLcdTestClass);
  ASSERT_TRUE(first);
  Key(first, 'K');
  Key(first, VK_RETURN);
  EXPECT_EQ(HelpInk(Shown(first), kWhite), 0);
  Key(first, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(first));

  HWND second = Open(kLcdTestClass);
  ASSERT_TRUE(second);
  const Snapshot shot = Shown(second);
  EXPECT_EQ(shot.At(5, 5), kBlack);
  EXPECT_EQ(HelpInk(shot, kWhite), 0);
  const int live = gdi::LiveObjects();
  Key(second, VK_RETURN);
  EXPECT_GT(HelpInk(Shown(second), kWhite), 100);
  EXPECT_EQ(gdi::LiveObjects(), live);
}

using SizeMeter = ToolBench<CSizeMeter>;

TEST_F(SizeMeter, DigitKeysGiveExactClientSizesAndKeepTheCorner) {
  HWND meter = Open(kSizeMeterClass);
  ASSERT_TRUE(meter);
  EXPECT_EQ(GetWindow(meter, GW_OWNER), nullptr);
  RECT start{}, client{}, frame{};
  GetWindowRect(meter, &start);
  // The sizes that fit the 1366 x 1024 test screen with the frame.
  const SIZE sizes[] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};
  for (int i = 0; i < 4; ++i) {
    SendMessageW(meter, WM_KEYDOWN, '1' + i, 0);
    GetClientRect(meter, &client);
    GetWindowRect(meter, &frame);
    EXPECT_EQ(client.right, sizes[i].cx) << i + 1;
    EXPECT_EQ(client.bottom, sizes[i].cy) << i + 1;
    EXPECT_EQ(frame.left, start.left);
    EXPECT_EQ(frame.top, start.top);
  }
  SendMessageW(meter, WM_KEYDOWN, VK_NUMPAD1, 0);  // the keypad is not handled
  GetClientRect(meter, &client);
  EXPECT_EQ(client.right, 1024);
}

TEST_F(SizeMeter, ShowsItsSizeInTheMiddleAndClosingLeavesTheProgramRunning) {
  HWND meter = Open(kSizeMeterClass);
  ASSERT_TRUE(meter);
  SendMessageW(meter, WM_KEYDOWN, '2', 0);
  UpdateWindow(meter);
  const Snapshot shot = Snapshot::OfWindow(meter);
  const COLORREF paper = GetSysColor(COLOR_WINDOW);
  EXPECT_GT(shot.CountNot({220, 240, 420, 260}, paper), 20);  // "640 x 480" below (320, 240)
  EXPECT_GT(shot.CountNot({220, 270, 420, 290}, paper), 20);  // the hint 30 pixels lower
  EXPECT_EQ(shot.CountNot({0, 0, 640, 230}, paper), 0);
  SendMessageW(meter, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(meter));
  MSG quit{};
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The size meter's hint and the LCD test's help are Korean: the font they are drawn
// with maps every letter (the default font of most systems, Wine's too, draws boxes),
// and is as high as the default font.
TEST_F(SizeMeter, HintAndHelpAreDrawnWithAFontThatHasTheirLetters) {
  HWND meter = Open(kSizeMeterClass);
  ASSERT_TRUE(meter);
  gdi::WindowDC dc(meter);
  TEXTMETRICW plain{};
  GetTextMetricsW(dc, &plain);
  gdi::Font font = DefaultHeightSharedFont(meter);
  gdi::Selection selected(dc, font);
  TEXTMETRICW chosen{};
  GetTextMetricsW(dc, &chosen);
  EXPECT_EQ(chosen.tmHeight, plain.tmHeight);
  for (std::u16string_view text : {host_.texts[TextId::SizeMeterHint], host_.texts[TextId::LcdHelp]}) {
    std::u16string letters;
    for (char16_t c : text)
      if (c >= u' ') letters += c;
    std::vector<WORD> glyphs(letters.size());
    GetGlyphIndicesW(dc, AsWide(letters.c_str()), static_cast<int>(letters.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_EQ(std::ranges::count(glyphs, WORD{0xFFFF}), 0) << AsWide(letters.c_str());
  }
}

}  // namespace
