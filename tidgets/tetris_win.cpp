#include "tidgets/tetris_win.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

#include "core/dpi_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "res/resource.h"
#include "widgets/base/text_draw_win.h"

namespace {

constexpr UINT_PTR kGravityTimer = 1;
constexpr DWORD kLinePauseMs = 150;
// From this width on a move leaves the repaint to the message loop instead of forcing it.
constexpr int kForcedRepaintColumns = 100;
// Up to this cell size (units) an empty cell's dot is a single grey pixel (a square
// as wide as a line at larger scales).
constexpr int kPixelDotCellSize = 20;
constexpr int kTextFontHeight = 15;
constexpr COLORREF kDotGrey = RGB(128, 128, 128);
constexpr COLORREF kCellColors[7] = {RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(255, 0, 0), RGB(0, 255, 255),
                                     RGB(255, 0, 255), RGB(255, 255, 0), RGB(0, 0, 0)};
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU;
// The texts beside the well sit on fixed pixel rows, whatever the cell size.
constexpr int kTextRows[4] = {30, 60, 90, 120};

HBRUSH Background() { return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)); }

SIZE CanvasSize(HDC dc) {
  BITMAP info{};
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

// Paints single cells as the game shows them. A block is a rectangle without a
// pen, one line (u pixels) short on the right and bottom, which leaves the grid lines
// of the background; the dot of a larger cell uses the pen and brush a fresh DC has.
// What is selected is remembered, so thousands of cells do not pay a selection each.
class CellPainter {
 public:
  CellPainter(HDC dc, int cellSize, bool pixelDot, int u, const gdi::Brush (&brushes)[7])
      : dc_(dc), cs_(cellSize), pixelDot_(pixelDot), u_(u), brushes_(brushes) {}

  void Clear(int x, int y) const {
    const RECT cell{x * cs_, y * cs_, (x + 1) * cs_, (y + 1) * cs_};
    FillRect(dc_, &cell, Background());
  }

  void Paint(int x, int y, std::uint8_t look) {
    if (look >= 1 && look <= 7) {
      Use(GetStockObject(NULL_PEN), brushes_[look - 1]);
      const int shorter = u_ - 1;
      Rectangle(dc_, x * cs_, y * cs_, (x + 1) * cs_ - shorter, (y + 1) * cs_ - shorter);
    } else if (look == kDotLook) {
      const int cx = x * cs_ + cs_ / 2;
      const int cy = y * cs_ + cs_ / 2;
      if (pixelDot_ && u_ == 1) {
        SetPixelV(dc_, cx, cy, kDotGrey);
      } else if (pixelDot_) {
        SetDCBrushColor(dc_, kDotGrey);
        const RECT dot{cx, cy, cx + u_, cy + u_};
        FillRect(dc_, &dot, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      } else {
        Use(GetStockObject(BLACK_PEN), GetStockObject(WHITE_BRUSH));
        Rectangle(dc_, cx - u_, cy - u_, cx + u_, cy + u_);
      }
    }
  }

 private:
  void Use(HGDIOBJ pen, HGDIOBJ brush) {
    if (pen != pen_) SelectObject(dc_, pen_ = pen);
    if (brush != brush_) SelectObject(dc_, brush_ = brush);
  }

  HDC dc_;
  int cs_;
  bool pixelDot_;
  int u_;
  const gdi::Brush (&brushes_)[7];
  // The DC's own pen and brush come back at the end of the scope.
  gdi::Selection keepPen_{dc_, GetStockObject(BLACK_PEN)};
  gdi::Selection keepBrush_{dc_, GetStockObject(WHITE_BRUSH)};
  HGDIOBJ pen_ = GetStockObject(BLACK_PEN);
  HGDIOBJ brush_ = GetStockObject(WHITE_BRUSH);
};

}  // namespace

CTetrisGame* CTetrisGame::Open(const TextTable& texts, const CDget* opener) {
  auto game = std::make_unique<CTetrisGame>(texts);
  game->opener_ = opener;
  const HWND made = CreateWindowExW(0, kWindowClassName, L"Tetris", WS_VISIBLE | kFrameStyle, 10, 10, 100, 100,
                                    nullptr, nullptr, appInstance, game.get());
  game->opener_ = nullptr;
  if (!made) return nullptr;
  game->deleteWithWindow = true;  // from here the window owns the game
  return game.release();
}

LRESULT CTetrisGame::OnCreate(WPARAM, LPARAM) {
  state = kStopped;
  std::srand(GetTickCount());
  FitWindowToBoard();
  if (opener_) opener_->PlaceBesideBar(hwnd, {0, 0});
  for (int i = 0; i < 7; ++i) brushes[i] = gdi::SolidBrush(kCellColors[i]);
  textFont = SharedFamilyFont(scale.Px(kTextFontHeight));
  return 0;
}

void CTetrisGame::SetScale(Scale newScale) {
  CWindow::SetScale(newScale);
  textFont = SharedFamilyFont(scale.Px(kTextFontHeight));
  FitWindowToBoard();
  wholeDraw_ = true;
  Invalidate();
}

LRESULT CTetrisGame::OnDestroy(WPARAM, LPARAM) {
  KillTimer(hwnd, kGravityTimer);
  for (gdi::Brush& brush : brushes) brush.reset();
  textFont.reset();
  return 0;
}

LRESULT CTetrisGame::OnSize(WPARAM wParam, LPARAM lParam) {
  wholeDraw_ = true;
  return CWindow::OnSize(wParam, lParam);
}

LRESULT CTetrisGame::OnTimer(WPARAM, LPARAM) {
  if (Falling()) Lower();
  return 0;
}

LRESULT CTetrisGame::OnKeyDown(WPARAM key, LPARAM) {
  if (key == VK_RETURN) {
    PressEnterKey();
  } else if (key >= '1' && key <= '9') {
    PressSizeKey(static_cast<int>(key - '1'));
  } else if (Falling()) {
    switch (key) {
      case VK_LEFT:
        if (Shift(-1)) Invalidate();
        break;
      case VK_RIGHT:
        if (Shift(1)) Invalidate();
        break;
      case VK_UP:
        if (Rotate()) Invalidate();
        break;
      case VK_DOWN: Lower(); break;
      case VK_SPACE: Drop(); break;
    }
  }
  return 0;
}

void CTetrisGame::PressEnterKey() {
  PressEnter();
  if (state == kRunning)
    SetTimer(hwnd, kGravityTimer, static_cast<UINT>(interval), nullptr);
  else
    KillTimer(hwnd, kGravityTimer);
  Invalidate();
  // Stopped after Enter: the first piece of the new game had no room.
  if (state == kStopped) MessageBoxW(hwnd, WideText(texts_, TextId::TetrisGameOver), WideText(texts_, TextId::CaptionNotice), MB_OK);
}

void CTetrisGame::PressSizeKey(int sizeIndex) {
  if (!Resize(sizeIndex)) return;
  FitWindowToBoard();
  wholeDraw_ = true;
  Invalidate();
}

void CTetrisGame::FitWindowToBoard() {
  const int cs = scale.Px(cellSize);
  RECT frame{0, 0, (cols + kWindowExtraColumns) * cs, (rows + kWindowExtraRows) * cs};
  AdjustWindowRectForScale(frame, kFrameStyle, false, 0, scale);
  SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOMOVE);
}

void CTetrisGame::Lower() {
  if (StepDown())
    ShowFall();
  else
    LandAndShow();
}

void CTetrisGame::Drop() {
  while (StepDown()) ShowFall();
  LandAndShow();
}

void CTetrisGame::ShowFall() {
  Invalidate();
  if (cols < kForcedRepaintColumns) UpdateWindow(hwnd);
}

// Each removed line is shown for a moment before the next one is looked for. The
// message box comes last: the window may be gone when it returns.
void CTetrisGame::LandAndShow() {
  const Landing landing = Land([this] {
    Invalidate();
    UpdateWindow(hwnd);
    Sleep(kLinePauseMs);
  });
  if (landing.faster) SetTimer(hwnd, kGravityTimer, static_cast<UINT>(interval), nullptr);
  Invalidate();
  if (!landing.gameOver) return;
  KillTimer(hwnd, kGravityTimer);
  MessageBoxW(hwnd, WideText(texts_, TextId::TetrisGameOver), WideText(texts_, TextId::CaptionNotice), MB_OK);
}

void CTetrisGame::Invalidate() { InvalidateRect(hwnd, nullptr, FALSE); }

// Draws only the cells that differ from what the back buffer already shows; a new
// buffer, another board size or a resize draws everything. Either way the picture
// is the same, pixel for pixel.
void CTetrisGame::Draw(HDC dc, RECT) {
  const SIZE canvas = CanvasSize(dc);
  const HBITMAP buffer = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  const int cs = scale.Px(cellSize);
  ComposePicture(*this, wanted_);
  const bool whole = wholeDraw_ || buffer != shownBuffer_ || cs != shownCellSize_ ||
                     wanted_.width != shown_.width || wanted_.height != shown_.height;
  // The text column above the preview box holds nothing else, so it is cleared whole.
  const RECT area = whole ? RECT{0, 0, canvas.cx, canvas.cy}
                          : RECT{(cols + 2) * cs, 0, canvas.cx, std::max(0, (rows - 5) * cs)};
  FillRect(dc, &area, Background());
  {
    CellPainter painter(dc, cs, cellSize <= kPixelDotCellSize, scale.Px(1), brushes);
    // Cells wholly outside the buffer (a board larger than the screen) are skipped.
    const int across = std::min<int>(wanted_.width, (canvas.cx + cs - 1) / cs);
    const int down = std::min<int>(wanted_.height, (canvas.cy + cs - 1) / cs);
    for (int y = 0; y < down; ++y)
      for (int x = 0; x < across; ++x) {
        const std::uint8_t look = wanted_.At(x, y);
        if (whole) {
          painter.Paint(x, y, look);
        } else if (look != shown_.At(x, y)) {
          painter.Clear(x, y);
          painter.Paint(x, y, look);
        }
      }
  }
  DrawTexts(dc);
  std::swap(shown_, wanted_);
  shownBuffer_ = buffer;
  shownCellSize_ = cs;
  wholeDraw_ = false;
}

void CTetrisGame::DrawTexts(HDC dc) const {
  gdi::Selection font(dc, textFont);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int x = (cols + 4) * scale.Px(cellSize);
  TextOut16(dc, x, scale.Px(kTextRows[0]), texts_[TextId::TetrisSizeKeys]);
  TextOut16(dc, x, scale.Px(kTextRows[1]), texts_[TextId::TetrisEnterKey]);
  TextOut16(dc, x, scale.Px(kTextRows[2]), ScoreLine(texts_, score));
  TextOut16(dc, x, scale.Px(kTextRows[3]), PieceCountLine(texts_, pieceCount));
  SetBkMode(dc, oldMode);
}

CTetris::CTetris(DgetHost& host, const wchar_t* caption, const wchar_t* name) : CIconTidget(host, caption, name, IDB_TETRIS) {}

void CTetris::Activate() { CTetrisGame::Open(host.Texts(), this); }
