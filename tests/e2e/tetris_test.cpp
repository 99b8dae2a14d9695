// The Tetris tidget in the real program: a click on its button opens a game window
// beside the bar, Enter starts a game there, closing it leaves the bar running and
// nothing of the game in the settings.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"

namespace {

using e2e::Pelgra;
using e2e::Sandbox;

// The one tidget button: the bar's only grandchild of class "CWindow".
HWND TidgetButton(HWND bar) {
  struct Search {
    HWND bar;
    HWND found;
  } search{bar, nullptr};
  EnumChildWindows(
      bar,
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (GetParent(window) == s->bar || std::wstring(name) != L"CWindow") return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return color;
}

TEST(TetrisRun, TidgetClickOpensAGameThatEnterStartsAndClosingLeavesTheBar) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=0\r\ntnum=1\r\ntidget_0=테트리스§Tetris§Tetris§1\r\n"));
  Pelgra run(box);
  ASSERT_TRUE(run.bar());
  HWND button = TidgetButton(run.bar());
  ASSERT_TRUE(button);
  run.ClickOn(button);
  HWND game = run.WaitForWindow(L"Tetris");
  ASSERT_TRUE(game);
  RECT client{};
  GetClientRect(game, &client);
  EXPECT_EQ(client.right, 528);
  EXPECT_EQ(client.bottom, 528);

  // The pivot cell (5, 3) of the first piece: background before Enter, a block after.
  constexpr int kPivotX = 5 * 24 + 6, kPivotY = 3 * 24 + 6;
  EXPECT_TRUE(e2e::WaitUntil(3000, [&] { return ScreenPixel(game, kPivotX, kPivotY) == RGB(192, 192, 192); }));
  PostMessageW(game, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(e2e::WaitUntil(3000, [&] {
    const COLORREF c = ScreenPixel(game, kPivotX, kPivotY);
    return c != RGB(192, 192, 192) && c != CLR_INVALID;
  }));

  PostMessageW(game, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(game); }));
  EXPECT_TRUE(run.running());
  ASSERT_TRUE(run.Close());
  EXPECT_EQ(run.ExitCode(), 0u);
  EXPECT_TRUE(box.IniSection(L"Tetris").empty());
}

}  // namespace
