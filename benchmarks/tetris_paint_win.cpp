// tetris_bench.exe: the repaint of the largest game board (400 × 200 cells of 8
// pixels) into a back buffer of the whole window (3296 × 1616 pixels, more than the
// screen), once with every cell empty (a dot each) and once full of blocks. Prints
// CSV lines "name,unit,min,median,max,note" like paint_bench. The first draw into a
// new back buffer draws every cell; later repaints draw only the cells that changed.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "benchmarks/bench_rows_win.h"
#include "core/gdi_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "tidgets/tetris_win.h"

namespace {

constexpr int kSamples = 101;
constexpr int kLargestBoardKey = '9';

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// A back buffer as large as the whole board window, so every cell is really drawn.
void GiveWholeBuffer(CTetrisGame& game) {
  // As a resize would: the window forgets what its old buffer showed.
  SendMessageW(game.hwnd, WM_SIZE, SIZE_RESTORED, 0);
  game.backBuffer = gdi::BufferBitmap((game.cols + kWindowExtraColumns) * game.cellSize,
                                      (game.rows + kWindowExtraRows) * game.cellSize);
}

void MeasureBoard(CTetrisGame& game, const wchar_t* firstName, const wchar_t* repaintName) {
  GiveWholeBuffer(game);
  bench::PrintRow(firstName, L"ms", bench::SpreadOf({bench::TimeMs([&] { Repaint(game.hwnd); })}));
  bench::PrintRow(repaintName, L"ms", bench::Measure(kSamples, [&] { Repaint(game.hwnd); }));
}

}  // namespace

int wmain() {
  appInstance = GetModuleHandleW(nullptr);
  CreateSharedFonts();
  const TextTable texts = LoadTexts(Language::Korean);
  CTetrisGame* game = CTetrisGame::Open(texts);
  if (!game) {
    std::fwprintf(stderr, L"tetris_bench: the game window could not be made\n");
    return 1;
  }
  SendMessageW(game->hwnd, WM_KEYDOWN, kLargestBoardKey, 0);
  MeasureBoard(*game, L"Tetris 400 x 200 first draw into a new back buffer: empty",
               L"Tetris 400 x 200 full repaint: empty");

  for (int x = 1; x <= game->cols; ++x)
    for (int y = 1; y <= game->rows; ++y) game->board[x][y] = 1 + (x + y) % 6;
  MeasureBoard(*game, L"Tetris 400 x 200 first draw into a new back buffer: full of blocks",
               L"Tetris 400 x 200 full repaint: full of blocks");
  DestroyWindow(game->hwnd);
  ReleaseSharedFonts();
  return 0;
}
