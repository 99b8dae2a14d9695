#include "tidgets/tetris.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::pair<int, int>> Blocks(int kind, int rotation) {
  std::set<std::pair<int, int>> cells;
  for (const BlockOffset& b : BlocksOf(kind, rotation)) cells.insert({b.dx, b.dy});
  return cells;
}

std::set<std::pair<int, int>> Parse(const std::string& text) {
  std::set<std::pair<int, int>> cells;
  std::istringstream in(text);
  for (int dx, dy; in >> dx >> dy;) cells.insert({dx, dy});
  return cells;
}

// A running game on the 10 × 20 well whose pieces are all of one kind.
std::unique_ptr<TetrisGame> Running(int kind) {
  auto game = std::make_unique<TetrisGame>();
  game->random = [kind] { return kind; };
  EXPECT_TRUE(game->NewGame());
  return game;
}

// Rows full of blocks but for the holes.
void Fill(TetrisGame& game, int fromRow, int toRow, std::set<int> holes) {
  for (int y = fromRow; y <= toRow; ++y)
    for (int x = 1; x <= game.cols; ++x) game.board[x][y] = holes.count(x) ? kEmptyCell : 3;
}

void DropAndLand(TetrisGame& game) {
  while (game.StepDown()) {
  }
  game.Land();
}

TEST(Tetris, AllTwentyFourShapesAsTabled) {
  const char* const table[6][4] = {
      {"0 0 1 0 2 0 -1 0", "0 0 0 1 0 -1 0 -2", "0 0 1 0 2 0 -1 0", "0 0 0 1 0 -1 0 -2"},
      {"0 0 1 0 0 1 1 1", "0 0 1 0 0 1 1 1", "0 0 1 0 0 1 1 1", "0 0 1 0 0 1 1 1"},
      {"0 0 -1 0 0 -1 1 -1", "0 0 0 1 -1 0 -1 -1", "0 0 -1 0 0 -1 1 -1", "0 0 0 1 -1 0 -1 -1"},
      {"0 0 -1 -1 0 -1 1 0", "0 0 -1 0 -1 1 0 -1", "0 0 -1 -1 0 -1 1 0", "0 0 -1 0 -1 1 0 -1"},
      {"0 0 -1 0 1 0 -1 -1", "0 0 0 -1 0 1 -1 1", "0 0 -1 0 1 0 1 1", "0 0 0 -1 0 1 1 -1"},
      {"0 0 1 0 -1 0 1 -1", "0 0 0 1 0 -1 -1 -1", "0 0 1 0 -1 0 -1 1", "0 0 0 -1 0 1 1 1"},
  };
  for (int kind = 0; kind < kPieceKinds; ++kind)
    for (int rotation = 0; rotation < 4; ++rotation)
      EXPECT_EQ(Blocks(kind, rotation), Parse(table[kind][rotation])) << kind << "/" << rotation;
}

TEST(Tetris, FitsStopsAtTheWallsAndARefusedRotationKeepsItsRotation) {
  auto game = Running(0);  // I piece, flat from x − 1 to x + 2
  EXPECT_FALSE(game->Fits(0, 0, 1, 5));
  EXPECT_TRUE(game->Fits(0, 0, 2, 5));
  EXPECT_TRUE(game->Fits(0, 0, 8, 5));
  EXPECT_FALSE(game->Fits(0, 0, 9, 5));
  EXPECT_FALSE(game->Fits(0, 1, 5, 20));  // the floor
  EXPECT_FALSE(game->Fits(0, 0, -5, 5));  // never reads outside the board
  ASSERT_TRUE(game->Rotate());
  while (game->Shift(-1)) {
  }
  EXPECT_EQ(game->pieceX, 1);
  EXPECT_FALSE(game->Rotate());
  EXPECT_EQ(game->rotation, 1);
}

TEST(Tetris, FourLinesScoreTwentyAndTwoLinesThree) {
  auto game = Running(0);
  Fill(*game, 17, 20, {5});
  ASSERT_TRUE(game->Rotate());  // upright in column 5
  while (game->StepDown()) {
  }
  int shown = 0;
  EXPECT_EQ(game->Land([&] { ++shown; }).lines, 4);
  EXPECT_EQ(shown, 4);  // each removed line is offered for display
  EXPECT_EQ(game->score, 20);
  EXPECT_EQ(game->board[1][20], kEmptyCell);

  auto two = Running(1);  // O piece in columns 5 and 6
  Fill(*two, 19, 20, {5, 6});
  DropAndLand(*two);
  EXPECT_EQ(two->score, 3);
  EXPECT_EQ(LinesScore(9), 20);  // never read past the table's end
}

TEST(Tetris, ARemovedRowLeavesRowOneEmptyAndACompleteRowOneGoesToo) {
  auto game = Running(1);
  game->board[3][1] = 5;
  Fill(*game, 19, 20, {5, 6});
  DropAndLand(*game);
  EXPECT_EQ(game->board[3][1], kEmptyCell);
  EXPECT_EQ(game->board[3][2], kEmptyCell);
  EXPECT_EQ(game->board[3][3], 5);  // moved down two rows, not copied

  auto top = Running(1);
  Fill(*top, 1, 1, {});
  top->Land();
  EXPECT_EQ(top->score, 1);
  EXPECT_EQ(top->board[7][1], kEmptyCell);
}

TEST(Tetris, EveryTenthPieceFixedSpeedsUpByFiftyNeverBelowTwoHundred) {
  auto game = Running(1);
  for (int piece = 1; piece <= 400; ++piece) {
    while (game->StepDown()) {
    }
    EXPECT_EQ(game->Land().faster, piece % 10 == 0 && piece <= 160) << piece;
    Fill(*game, 1, 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});  // never a game over
    if (piece == 10) EXPECT_EQ(game->interval, 950);
  }
  EXPECT_EQ(game->interval, kFastestInterval);
}

TEST(Tetris, OnlyKindsZeroToFiveAndGameOverWhenTheSpawnDoesNotFit) {
  auto game = Running(0);
  for (int value : {0, 5, 6, 11, INT_MAX, -1}) {
    game->random = [value] { return value; };
    game->Spawn();
    EXPECT_EQ(game->nextPiece, static_cast<int>(static_cast<unsigned>(value) % 6)) << value;
  }
  game->board[5][3] = 2;
  EXPECT_FALSE(game->Spawn());
  EXPECT_EQ(game->state, kStopped);
  EXPECT_FALSE(game->StepDown());
}

// A whole game played by random moves until the well is full.
TEST(Tetris, RandomPlayEndsWithConsistentScoreCountAndSpeed) {
  auto game = std::make_unique<TetrisGame>();
  std::mt19937 dice(17);
  game->random = [&] { return static_cast<int>(dice() % 1000); };
  ASSERT_TRUE(game->NewGame());
  int score = 0, landings = 0;
  for (; game->state == kRunning && landings < 5000; ++landings) {
    for (int turns = dice() % 4; turns > 0; --turns) game->Rotate();
    for (int dx = static_cast<int>(dice() % 9) - 4; dx != 0; dx += dx < 0 ? 1 : -1) game->Shift(dx < 0 ? -1 : 1);
    while (game->StepDown()) {
    }
    score += LinesScore(game->Land().lines);
  }
  EXPECT_EQ(game->state, kStopped);
  EXPECT_EQ(game->score, score);
  EXPECT_EQ(game->pieceCount, landings + 1);
  EXPECT_EQ(game->interval, std::max(kFastestInterval, kFirstInterval - kSpeedUpStep * (landings / 10)));
}

}  // namespace
