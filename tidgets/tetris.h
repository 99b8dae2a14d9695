// The rules of the falling-blocks game, without a window or a timer: the well and
// its walls, the six pieces, moves, fixing, line removal, score and speed-up, and
// what each cell of the game window shows. tetris_win drives it and draws it; a test
// can play a whole game with it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/texts.h"

// The board is a fixed square of cells, so every board size fits without
// reallocation (about 4 MB per game).
inline constexpr int kBoardSide = 1000;
inline constexpr int kPieceKinds = 6;
// Cell values: 0 empty, 1..6 a fixed block of kind value − 1, 7 wall.
inline constexpr int kEmptyCell = 0;
inline constexpr int kWallCell = 7;

inline constexpr int kFirstInterval = 1000;
inline constexpr int kFastestInterval = 200;
inline constexpr int kSpeedUpStep = 50;
inline constexpr int kPiecesPerSpeedUp = 10;

enum TetrisState : int { kStopped = 0, kRunning = 1, kPaused = 2 };

struct BlockOffset {
  int dx;
  int dy;
};
using PieceBlocks = std::array<BlockOffset, 4>;

// The four blocks of a kind (0..5) in a rotation (taken mod 4), around the pivot,
// x to the right and y downwards.
const PieceBlocks& BlocksOf(int kind, int rotation);

struct BoardSize {
  int cols;
  int rows;
  int cellSize;
};
// The sizes of the keys '1'..'9'.
inline constexpr BoardSize kBoardSizes[9] = {
    {8, 16, 32}, {10, 20, 24}, {12, 24, 40}, {15, 30, 28}, {200, 100, 8},
    {20, 40, 32}, {50, 100, 16}, {200, 100, 16}, {400, 200, 8},
};

// Points for the lines one piece completed at once: 0, 1, 3, 8, 20; more than
// four lines (which one piece cannot complete) count as four.
int LinesScore(int lines);

// What fixing a piece led to.
struct Landing {
  int lines = 0;
  bool faster = false;    // the gravity period just got shorter
  bool gameOver = false;  // the next piece did not fit
};

class TetrisGame {
 public:
  int cellSize = 24;
  int cols = 10;
  int rows = 20;
  // [column][row]: cell (x, y) for x = 0..cols+1, y = 0..rows+1.
  int board[kBoardSide][kBoardSide] = {};
  int pieceX = 0;
  int pieceY = 0;
  int piece = -1;  // -1 between fixing a piece and spawning the next
  int rotation = 0;
  int nextPiece = 0;
  int score = 0;
  int pieceCount = 0;
  int interval = kFirstInterval;
  int state = kStopped;
  // Where the kinds come from: the C library's rand() unless a test says otherwise.
  std::function<int()> random;

  TetrisGame();

  // All four blocks land on empty cells inside the board.
  bool Fits(int kind, int rot, int x, int y) const;
  bool Falling() const { return state == kRunning && piece >= 0; }

  // Walls around an empty well, score and count reset, the first piece spawned.
  // False when that piece does not fit (the game is stopped again).
  bool NewGame();
  // The next piece at the top; false (and stopped) when it does not fit.
  bool Spawn();
  // Enter: stopped → new game, running → paused, paused → running.
  void PressEnter();
  // A size key (0..8 for '1'..'9') while stopped: the size of the table and the whole
  // board emptied, walls included. False in any other state.
  bool Resize(int sizeIndex);

  // Moves of the falling piece; each answers whether it moved.
  bool Shift(int dx);
  bool Rotate();
  bool StepDown();
  // Fixes the falling piece, removes complete rows one at a time from the top
  // (calling lineRemoved after each, so it can be shown), scores, speeds up every
  // ten pieces and spawns the next piece.
  Landing Land(const std::function<void()>& lineRemoved = {});

 private:
  bool RowComplete(int y) const;
  void RemoveRow(int y);
  int NextKind();
};

// What a cell of the game window shows: the background only, a block painted with
// brush value − 1 (1..7), or the dot of an empty cell.
inline constexpr std::uint8_t kPlainLook = 0;
inline constexpr std::uint8_t kDotLook = 8;

// The game window is (cols + 12) × (rows + 2) cells: the walls take two of each,
// the preview box and the texts the other ten columns.
inline constexpr int kWindowExtraColumns = 12;
inline constexpr int kWindowExtraRows = 2;

// Cells of the game window, row by row.
struct TetrisPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> looks;
  std::uint8_t At(int x, int y) const { return looks[static_cast<std::size_t>(y) * width + x]; }
};
// Walls, well, falling piece, preview box and next piece as the window shows them.
void ComposePicture(const TetrisGame& game, TetrisPicture& picture);

// The texts beside the well: "점수 : %d   " and "벽돌 : %d 개   ".
std::u16string ScoreLine(const TextTable& texts, int score);
std::u16string PieceCountLine(const TextTable& texts, int pieceCount);
