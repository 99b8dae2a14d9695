#include "tidgets/tetris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <random>
#include <set>
#include <utility>

namespace {

using Cells = std::set<std::pair<int, int>>;

Cells CellsOf(int kind, int rotation) {
  Cells cells;
  for (const BlockOffset& b : BlocksOf(kind, rotation)) cells.insert({b.dx, b.dy});
  return cells;
}

// A running game on the 10 × 20 well whose pieces all come from `kind`.
std::unique_ptr<TetrisGame> Running(int kind) {
  auto game = std::make_unique<TetrisGame>();
  game->random = [kind] { return kind; };
  EXPECT_TRUE(game->NewGame());
  return game;
}

void FillRow(TetrisGame& game, int y, std::initializer_list<int> holes = {}) {
  for (int x = 1; x <= game.cols; ++x)
    game.board[x][y] = std::find(holes.begin(), holes.end(), x) == holes.end() ? 3 : kEmptyCell;
}

TEST(TetrisPieces, AllTwentyFourShapesAsTabled) {
  const Cells i0{{0, 0}, {1, 0}, {2, 0}, {-1, 0}}, i1{{0, 0}, {0, 1}, {0, -1}, {0, -2}};
  const Cells o{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  const Cells s0{{0, 0}, {-1, 0}, {0, -1}, {1, -1}}, s1{{0, 0}, {0, 1}, {-1, 0}, {-1, -1}};
  const Cells z0{{0, 0}, {-1, -1}, {0, -1}, {1, 0}}, z1{{0, 0}, {-1, 0}, {-1, 1}, {0, -1}};
  const Cells expected[6][4] = {
      {i0, i1, i0, i1},
      {o, o, o, o},
      {s0, s1, s0, s1},
      {z0, z1, z0, z1},
      {{{0, 0}, {-1, 0}, {1, 0}, {-1, -1}},
       {{0, 0}, {0, -1}, {0, 1}, {-1, 1}},
       {{0, 0}, {-1, 0}, {1, 0}, {1, 1}},
       {{0, 0}, {0, -1}, {0, 1}, {1, -1}}},
      {{{0, 0}, {1, 0}, {-1, 0}, {1, -1}},
       {{0, 0}, {0, 1}, {0, -1}, {-1, -1}},
       {{0, 0}, {1, 0}, {-1, 0}, {-1, 1}},
       {{0, 0}, {0, -1}, {0, 1}, {1, 1}}},
  };
  for (int kind = 0; kind < kPieceKinds; ++kind)
    for (int rotation = 0; rotation < 4; ++rotation) {
      ASSERT_EQ(expected[kind][rotation].size(), 4u);
      EXPECT_EQ(CellsOf(kind, rotation), expected[kind][rotation]) << kind << "/" << rotation;
    }
}

TEST(TetrisMoves, FitsStopsAtTheWallsAndRotationAtAWallKeepsTheRotation) {
  auto game = Running(0);  // I piece: flat from x − 1 to x + 2
  EXPECT_FALSE(game->Fits(0, 0, 1, 5));
  EXPECT_TRUE(game->Fits(0, 0, 2, 5));
  EXPECT_TRUE(game->Fits(0, 0, 8, 5));
  EXPECT_FALSE(game->Fits(0, 0, 9, 5));
  EXPECT_FALSE(game->Fits(0, 1, 5, 1));   // reaches the top wall
  EXPECT_FALSE(game->Fits(0, 1, 5, 20));  // and the floor
  EXPECT_FALSE(game->Fits(0, 0, -5, 5));  // never reads outside the board

  ASSERT_TRUE(game->Rotate());
  while (game->Shift(-1)) {
  }
  EXPECT_EQ(game->pieceX, 1);
  EXPECT_FALSE(game->Rotate());
  EXPECT_EQ(game->rotation, 1);
  EXPECT_FALSE(game->Shift(-1));
}

TEST(TetrisMoves, PausedOrStoppedGamesRefuseMoves) {
  auto game = Running(1);
  game->PressEnter();
  EXPECT_EQ(game->state, kPaused);
  EXPECT_FALSE(game->Shift(1));
  EXPECT_FALSE(game->StepDown());
  EXPECT_FALSE(game->Rotate());
  EXPECT_FALSE(game->Resize(0));  // size keys only while stopped
  game->PressEnter();
  EXPECT_EQ(game->state, kRunning);
  EXPECT_TRUE(game->StepDown());
}

TEST(TetrisLines, FourLinesScoreTwentyTwoLinesScoreThree) {
  auto game = Running(0);
  for (int y = 17; y <= 20; ++y) FillRow(*game, y, {5});
  ASSERT_TRUE(game->Rotate());  // upright: rows y − 2 .. y + 1 of column 5
  while (game->StepDown()) {
  }
  int shown = 0;
  const Landing four = game->Land([&] { ++shown; });
  EXPECT_EQ(four.lines, 4);
  EXPECT_EQ(shown, 4);  // each removed line is offered for display
  EXPECT_EQ(game->score, 20);
  for (int y = 1; y <= 20; ++y)
    for (int x = 1; x <= 10; ++x) EXPECT_EQ(game->board[x][y], kEmptyCell) << x << "," << y;

  auto two = Running(1);  // O piece: columns x, x + 1
  FillRow(*two, 19, {5, 6});
  FillRow(*two, 20, {5, 6});
  while (two->StepDown()) {
  }
  EXPECT_EQ(two->Land().lines, 2);
  EXPECT_EQ(two->score, 3);
  EXPECT_EQ(LinesScore(3), 8);
  EXPECT_EQ(LinesScore(9), 20);  // the table is never read past its end
  EXPECT_EQ(LinesScore(-1), 0);
}

TEST(TetrisLines, RemovingARowLeavesRowOneEmptyAndACompleteRowOneGoesToo) {
  auto game = Running(1);
  game->board[3][1] = 5;
  FillRow(*game, 20, {5, 6});
  FillRow(*game, 19, {5, 6});
  while (game->StepDown()) {
  }
  game->Land();
  EXPECT_EQ(game->board[3][1], kEmptyCell);
  EXPECT_EQ(game->board[3][2], kEmptyCell);
  EXPECT_EQ(game->board[3][3], 5);  // moved down by the two removed rows, not copied

  auto top = Running(1);
  FillRow(*top, 1);
  top->Land();
  EXPECT_EQ(top->score, 1);
  for (int x = 1; x <= 10; ++x) EXPECT_EQ(top->board[x][1], kEmptyCell);
}

TEST(TetrisSpeed, EveryTenthPieceFixedSpeedsUpByFiftyDownToTwoHundred) {
  auto game = Running(1);
  const auto landNext = [&] {
    while (game->StepDown()) {
    }
    Landing landing = game->Land();
    // Keep the well empty so the game never ends.
    for (int x = 1; x <= game->cols; ++x)
      for (int y = 1; y <= game->rows; ++y) game->board[x][y] = kEmptyCell;
    return landing;
  };
  for (int piece = 1; piece <= 9; ++piece) EXPECT_FALSE(landNext().faster) << piece;
  EXPECT_TRUE(landNext().faster);
  EXPECT_EQ(game->interval, 950);
  for (int piece = 11; piece <= 400; ++piece) landNext();
  EXPECT_EQ(game->interval, kFastestInterval);
}

TEST(TetrisSpawn, OnlyKindsZeroToFiveAndGameOverWhenTheSpawnDoesNotFit) {
  auto game = Running(0);
  for (int value : {0, 5, 6, 11, INT_MAX, -1, 32767}) {
    game->random = [value] { return value; };
    game->Spawn();
    EXPECT_GE(game->nextPiece, 0);
    EXPECT_LT(game->nextPiece, kPieceKinds);
    EXPECT_EQ(game->nextPiece, static_cast<int>(static_cast<unsigned>(value) % 6));
  }
  game->board[game->cols / 2][3] = 2;
  EXPECT_FALSE(game->Spawn());
  EXPECT_EQ(game->state, kStopped);
  EXPECT_FALSE(game->StepDown());
}

TEST(TetrisPicture, SizeKeyAfterGameOverShowsWallsAndDotsOnly) {
  auto game = Running(1);
  game->board[4][20] = 3;
  game->state = kStopped;
  ASSERT_TRUE(game->Resize(0));
  EXPECT_EQ(game->cols, 8);
  EXPECT_EQ(game->rows, 16);
  EXPECT_EQ(game->cellSize, 32);
  TetrisPicture picture;
  ComposePicture(*game, picture);
  ASSERT_EQ(picture.width, 20);
  ASSERT_EQ(picture.height, 18);
  for (int y = 0; y <= 17; ++y)
    for (int x = 0; x <= 9; ++x) {
      const bool wall = x == 0 || x == 9 || y == 0 || y == 17;
      EXPECT_EQ(picture.At(x, y), wall ? kWallCell : kDotLook) << x << "," << y;
    }
  EXPECT_EQ(picture.At(11, 11), kWallCell);  // preview box corner
  EXPECT_EQ(picture.At(15, 14), kDotLook);   // no next piece while stopped
  EXPECT_EQ(picture.At(12, 2), kPlainLook);  // the text column
}

TEST(TetrisPicture, FallingAndNextPieceShowWhileRunning) {
  auto game = Running(4);
  TetrisPicture picture;
  ComposePicture(*game, picture);
  for (const BlockOffset& b : BlocksOf(4, 0)) {
    EXPECT_EQ(picture.At(5 + b.dx, 3 + b.dy), 5);
    EXPECT_EQ(picture.At(17 + b.dx, 18 + b.dy), 5);  // preview pivot at (W + 7, H − 2)
  }
}

// A whole game, played by random moves until the well is full.
TEST(TetrisGamePlay, RandomPlayEndsWithConsistentScoreCountAndSpeed) {
  auto game = std::make_unique<TetrisGame>();
  std::mt19937 dice(17);
  game->random = [&] { return static_cast<int>(dice() % 1000); };
  ASSERT_TRUE(game->NewGame());
  int expectedScore = 0;
  int landings = 0;
  while (game->state == kRunning && landings < 5000) {
    for (int turns = dice() % 4; turns > 0; --turns) game->Rotate();
    const int dx = static_cast<int>(dice() % 9) - 4;
    for (int step = 0; step < std::abs(dx); ++step) game->Shift(dx < 0 ? -1 : 1);
    while (game->StepDown()) {
    }
    expectedScore += LinesScore(game->Land().lines);
    ++landings;
  }
  EXPECT_EQ(game->state, kStopped);
  EXPECT_EQ(game->score, expectedScore);
  EXPECT_EQ(game->pieceCount, landings + 1);
  EXPECT_EQ(game->interval, std::max(kFastestInterval, kFirstInterval - kSpeedUpStep * (landings / 10)));
  for (int x = 0; x <= game->cols + 1; ++x) {
    EXPECT_EQ(game->board[x][0], kWallCell);
    EXPECT_EQ(game->board[x][game->rows + 1], kWallCell);
  }
}

}  // namespace
