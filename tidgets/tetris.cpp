#include "tidgets/tetris.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/text.h"

namespace {

using Rotations = std::array<PieceBlocks, 4>;

constexpr PieceBlocks kIFlat{{{0, 0}, {1, 0}, {2, 0}, {-1, 0}}};
constexpr PieceBlocks kIUpright{{{0, 0}, {0, 1}, {0, -1}, {0, -2}}};
constexpr PieceBlocks kO{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
constexpr PieceBlocks kSFlat{{{0, 0}, {-1, 0}, {0, -1}, {1, -1}}};
constexpr PieceBlocks kSUpright{{{0, 0}, {0, 1}, {-1, 0}, {-1, -1}}};
constexpr PieceBlocks kZFlat{{{0, 0}, {-1, -1}, {0, -1}, {1, 0}}};
constexpr PieceBlocks kZUpright{{{0, 0}, {-1, 0}, {-1, 1}, {0, -1}}};
constexpr PieceBlocks kJ0{{{0, 0}, {-1, 0}, {1, 0}, {-1, -1}}};
constexpr PieceBlocks kJ1{{{0, 0}, {0, -1}, {0, 1}, {-1, 1}}};
constexpr PieceBlocks kJ2{{{0, 0}, {-1, 0}, {1, 0}, {1, 1}}};
constexpr PieceBlocks kJ3{{{0, 0}, {0, -1}, {0, 1}, {1, -1}}};
constexpr PieceBlocks kL0{{{0, 0}, {1, 0}, {-1, 0}, {1, -1}}};
constexpr PieceBlocks kL1{{{0, 0}, {0, 1}, {0, -1}, {-1, -1}}};
constexpr PieceBlocks kL2{{{0, 0}, {1, 0}, {-1, 0}, {-1, 1}}};
constexpr PieceBlocks kL3{{{0, 0}, {0, -1}, {0, 1}, {1, 1}}};

constexpr Rotations kPieces[kPieceKinds] = {
    {kIFlat, kIUpright, kIFlat, kIUpright},
    {kO, kO, kO, kO},
    {kSFlat, kSUpright, kSFlat, kSUpright},
    {kZFlat, kZUpright, kZFlat, kZUpright},
    {kJ0, kJ1, kJ2, kJ3},
    {kL0, kL1, kL2, kL3},
};

constexpr int kLinesScores[] = {0, 1, 3, 8, 20};
constexpr int kLastScoredLines = 4;

// The well's pivot row of a new piece: low enough for the tallest rotation 0.
constexpr int kSpawnRow = 3;

}  // namespace

const PieceBlocks& BlocksOf(int kind, int rotation) {
  return kPieces[std::clamp(kind, 0, kPieceKinds - 1)][static_cast<unsigned>(rotation) % 4];
}

int LinesScore(int lines) { return kLinesScores[std::clamp(lines, 0, kLastScoredLines)]; }

TetrisGame::TetrisGame() : random([] { return std::rand(); }) {}

bool TetrisGame::Fits(int kind, int rot, int x, int y) const {
  if (kind < 0 || kind >= kPieceKinds) return false;
  for (const BlockOffset& block : BlocksOf(kind, rot)) {
    const int bx = x + block.dx;
    const int by = y + block.dy;
    // Outside the board counts as a wall: a well without walls (after a size key)
    // must not let a piece read past the array.
    if (bx < 0 || by < 0 || bx > cols + 1 || by > rows + 1) return false;
    if (board[bx][by] != kEmptyCell) return false;
  }
  return true;
}

bool TetrisGame::NewGame() {
  for (int x = 0; x <= cols + 1; ++x)
    for (int y = 0; y <= rows + 1; ++y)
      board[x][y] = (x == 0 || x == cols + 1 || y == 0 || y == rows + 1) ? kWallCell : kEmptyCell;
  score = 0;
  pieceCount = 0;
  state = kRunning;
  nextPiece = NextKind();
  interval = kFirstInterval;
  return Spawn();
}

bool TetrisGame::Spawn() {
  ++pieceCount;
  piece = nextPiece;
  nextPiece = NextKind();
  pieceY = kSpawnRow;
  pieceX = cols / 2;
  rotation = 0;
  if (Fits(piece, rotation, pieceX, pieceY)) return true;
  state = kStopped;
  return false;
}

void TetrisGame::PressEnter() {
  if (state == kStopped)
    NewGame();
  else if (state == kRunning)
    state = kPaused;
  else
    state = kRunning;
}

bool TetrisGame::Resize(int sizeIndex) {
  if (state != kStopped || sizeIndex < 0 || sizeIndex >= static_cast<int>(std::size(kBoardSizes))) return false;
  const BoardSize& size = kBoardSizes[sizeIndex];
  cols = size.cols;
  rows = size.rows;
  cellSize = size.cellSize;
  std::memset(board, 0, sizeof board);
  return true;
}

bool TetrisGame::Shift(int dx) {
  if (!Falling() || !Fits(piece, rotation, pieceX + dx, pieceY)) return false;
  pieceX += dx;
  return true;
}

bool TetrisGame::Rotate() {
  const int turned = (rotation + 1) % 4;
  if (!Falling() || !Fits(piece, turned, pieceX, pieceY)) return false;
  rotation = turned;
  return true;
}

bool TetrisGame::StepDown() {
  if (!Falling() || !Fits(piece, rotation, pieceX, pieceY + 1)) return false;
  ++pieceY;
  return true;
}

Landing TetrisGame::Land(const std::function<void()>& lineRemoved) {
  Landing landing;
  if (!Falling()) return landing;
  for (const BlockOffset& block : BlocksOf(piece, rotation)) board[pieceX + block.dx][pieceY + block.dy] = piece + 1;
  piece = -1;
  for (int y = 1; y <= rows; ++y) {
    if (!RowComplete(y)) continue;
    ++landing.lines;
    RemoveRow(y);
    if (lineRemoved) lineRemoved();
  }
  score += LinesScore(landing.lines);
  if (pieceCount % kPiecesPerSpeedUp == 0 && interval > kFastestInterval) {
    interval -= kSpeedUpStep;
    landing.faster = true;
  }
  landing.gameOver = !Spawn();
  return landing;
}

bool TetrisGame::RowComplete(int y) const {
  for (int x = 1; x <= cols; ++x)
    if (board[x][y] == kEmptyCell) return false;
  return true;
}

// The rows above move down one; the top row is emptied, so nothing is doubled and
// a complete top row goes away like any other.
void TetrisGame::RemoveRow(int y) {
  for (int x = 1; x <= cols; ++x) {
    for (int r = y; r >= 2; --r) board[x][r] = board[x][r - 1];
    board[x][1] = kEmptyCell;
  }
}

int TetrisGame::NextKind() { return static_cast<int>(static_cast<unsigned>(random()) % kPieceKinds); }

void ComposePicture(const TetrisGame& game, TetrisPicture& picture) {
  const int w = game.cols;
  const int h = game.rows;
  picture.width = w + kWindowExtraColumns;
  picture.height = h + kWindowExtraRows;
  picture.looks.assign(static_cast<std::size_t>(picture.width) * picture.height, kPlainLook);
  auto set = [&](int x, int y, int look) {
    if (x >= 0 && y >= 0 && x < picture.width && y < picture.height)
      picture.looks[static_cast<std::size_t>(y) * picture.width + x] = static_cast<std::uint8_t>(look);
  };
  for (int x = 0; x <= w + 1; ++x) set(x, 0, kWallCell), set(x, h + 1, kWallCell);
  for (int y = 0; y <= h + 1; ++y) set(0, y, kWallCell), set(w + 1, y, kWallCell);
  for (int x = 1; x <= w; ++x)
    for (int y = 1; y <= h; ++y) {
      const int value = game.board[x][y];
      set(x, y, value >= 1 && value <= kWallCell ? value : kDotLook);
    }
  auto piece = [&](int kind, int rot, int px, int py) {
    for (const BlockOffset& block : BlocksOf(kind, rot))
      set(px + block.dx, py + block.dy, kind + 1);
  };
  if (game.state != kStopped && game.piece >= 0) piece(game.piece, game.rotation, game.pieceX, game.pieceY);
  for (int x = w + 3; x <= w + 11; ++x)
    for (int y = h - 5; y <= h + 1; ++y) {
      const bool border = x == w + 3 || x == w + 11 || y == h - 5 || y == h + 1;
      set(x, y, border ? kWallCell : kDotLook);
    }
  if (game.state != kStopped) piece(game.nextPiece, 0, w + 7, h - 2);
}

std::u16string ScoreLine(const TextTable& texts, int score) {
  return texts.Format(TextId::TetrisScore, {FormatInt(score)}) + u"   ";
}

std::u16string PieceCountLine(const TextTable& texts, int pieceCount) {
  return texts.Format(TextId::TetrisPieces, {FormatInt(pieceCount)}) + u"   ";
}
