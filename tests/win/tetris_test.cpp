// The Tetris tidget and its game windows with real messages: a window per click, the
// size keys, Enter, game over, and repaints cell by cell against a whole draw.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "app/factory_win.h"
#include "core/fonts_win.h"
#include "support/widget_bench.h"
#include "support/win_test_support.h"
#include "tidgets/tetris_win.h"

namespace {

using test_support::Snapshot;

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

class TetrisWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateSharedFonts();
    live = gdi::LiveObjects();
    game = CTetrisGame::Open(texts);
    ASSERT_NE(game, nullptr);
  }
  void TearDown() override {
    if (game) DestroyWindow(game->hwnd);
    EXPECT_EQ(gdi::LiveObjects(), live);
    ReleaseSharedFonts();
  }
  void Key(WPARAM key) const { SendMessageW(game->hwnd, WM_KEYDOWN, key, 0); }

  int live = 0;
  const TextTable texts = LoadTexts(Language::Korean);
  CTetrisGame* game = nullptr;
};

TEST(TetrisTidget, EachClickOpensAnotherGameFreedWithItsWindow) {
  test_support::HostWindow strip(100, 100, 200, 40);
  test_support::IniSandbox ini;
  test_support::TestHost host(ini.settings, strip.hwnd());
  std::unique_ptr<CTidget> tidget(CreateTidgetObject(host, L"Tetris", L"테트리스", L"Tetris"));
  ASSERT_TRUE(dynamic_cast<CTetris*>(tidget.get()));
  tidget->Create(strip.hwnd(), 0, L"", WS_CHILD | WS_VISIBLE);
  MoveWindow(tidget->hwnd, 0, 0, 24, 24, TRUE);
  EXPECT_EQ(test_support::BitmapSize(dynamic_cast<CTetris&>(*tidget).icon).cx, 24);
  const int windows = window_table::Count();
  const int live = gdi::LiveObjects();
  for (int click = 0; click < 2; ++click) {
    test_support::MouseDown(tidget->hwnd, 5, 5);
    test_support::MouseUp(tidget->hwnd, 5, 5);
  }
  ASSERT_EQ(window_table::Count(), windows + 2);
  for (int i = 0; i < 2; ++i) {
    HWND game = FindWindowW(L"CWindow", L"Tetris");
    ASSERT_TRUE(game);
    EXPECT_EQ(ClientSize(game).cx, 528);  // (10 + 12) × 24
    EXPECT_EQ(ClientSize(game).cy, 528);  // (20 + 2) × 24
    DestroyWindow(game);
  }
  EXPECT_EQ(window_table::Count(), windows);
  EXPECT_EQ(gdi::LiveObjects(), live);
  DestroyWindow(tidget->hwnd);
}

TEST_F(TetrisWindow, SizeKeysResizeOnlyWhileStopped) {
  Key('1');
  EXPECT_EQ(ClientSize(game->hwnd).cx, 640);
  EXPECT_EQ(ClientSize(game->hwnd).cy, 576);
  Key(VK_RETURN);
  Key('2');
  Key(VK_RETURN);  // paused
  Key('2');
  EXPECT_EQ(game->cols, 8);
  game->state = kStopped;
  Key('2');
  EXPECT_EQ(ClientSize(game->hwnd).cx, 528);
  EXPECT_EQ(ClientSize(game->hwnd).cy, 528);
}

TEST_F(TetrisWindow, EnterStartsPausesAndResumesGravity) {
  game->random = [] { return 1; };
  Key(VK_RETURN);
  ASSERT_EQ(game->state, kRunning);
  EXPECT_TRUE(test_support::PumpUntil([&] { return game->pieceY == 4; }, 2500));  // timer 1, 1000 ms
  Key(VK_RETURN);
  EXPECT_EQ(game->state, kPaused);
  SendMessageW(game->hwnd, WM_TIMER, 1, 0);
  Key(VK_LEFT);
  Key(VK_SPACE);
  EXPECT_EQ(game->pieceY, 4);
  EXPECT_EQ(game->pieceX, 5);
  EXPECT_FALSE(KillTimer(game->hwnd, 1));
  Key(VK_RETURN);
  Key(VK_LEFT);
  SendMessageW(game->hwnd, WM_TIMER, 1, 0);
  EXPECT_EQ(game->pieceX, 4);
  EXPECT_EQ(game->pieceY, 5);
  EXPECT_TRUE(KillTimer(game->hwnd, 1));
}

TEST_F(TetrisWindow, GameOverThenASizeKeyEmptiesTheWellDisplay) {
  game->random = [] { return 1; };  // O pieces
  Key(VK_RETURN);
  for (int y = 5; y <= 20; ++y)
    for (int x = 1; x <= 9; ++x) game->board[x][y] = 3;
  const test_support::Answered box = test_support::AnswerModal(game->hwnd, IDOK, [&] { Key(VK_SPACE); });
  EXPECT_EQ(box.caption, L"알림");
  EXPECT_EQ(box.text, L"GAME OVER");
  EXPECT_EQ(game->state, kStopped);
  EXPECT_FALSE(KillTimer(game->hwnd, 1));
  EXPECT_EQ(Snapshot::Repainted(*game).At(5 * 24 + 5, 10 * 24 + 5), RGB(255, 0, 0));  // the board stays

  Key('2');
  const Snapshot shot = Snapshot::Repainted(*game);
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 10; ++x) {
      EXPECT_EQ(shot.At(x * 24 + 5, y * 24 + 5), kLightGrey) << x << "," << y;
      EXPECT_EQ(shot.At(x * 24 + 11, y * 24 + 11), kBlack) << x << "," << y;  // the dot
    }
  test_support::ExpectPixels(shot, {{5, 5, kBlack}, {11 * 24 + 5, 5, kBlack}, {23, 5, kLightGrey}});
}

// Moves, drops and line removals repainted cell by cell leave the same picture as a
// whole draw of the same game, on the usual board and on the largest one.
TEST_F(TetrisWindow, CellByCellRepaintsMatchAWholeDraw) {
  for (WPARAM sizeKey : {'2', '9'}) {
    game->state = kStopped;
    Key(sizeKey);
    std::mt19937 dice(5);
    game->random = [&] { return static_cast<int>(dice() % 6); };
    Key(VK_RETURN);
    for (int y = game->rows - 3; y <= game->rows; ++y)
      for (int x = 1; x <= game->cols; ++x) game->board[x][y] = x == 4 ? 0 : 1 + static_cast<int>(dice() % 7);
    Snapshot::Repainted(*game);
    for (int turn = 0; turn < 12 && game->state == kRunning; ++turn) {
      const WPARAM keys[] = {VK_UP, VK_LEFT, VK_RIGHT, VK_DOWN, VK_SPACE};
      Key(keys[dice() % 5]);
      Snapshot::Repainted(*game);
    }
    const Snapshot byCells = Snapshot::Repainted(*game);
    SendMessageW(game->hwnd, WM_SIZE, SIZE_RESTORED, 0);
    const Snapshot whole = Snapshot::Repainted(*game);
    ASSERT_EQ(byCells.width(), whole.width());
    ASSERT_EQ(byCells.height(), whole.height());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
      for (int x = 0; x < whole.width(); ++x) differing += byCells.At(x, y) != whole.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "size key " << static_cast<char>(sizeKey);
  }
}

}  // namespace
