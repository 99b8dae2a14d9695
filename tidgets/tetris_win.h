// The Tetris tidget and its game windows: each click opens another independent game,
// played with the keyboard only; nothing is kept when a game window closes.
#pragma once

#include <vector>

#include "tidgets/tetris.h"
#include "widgets/base/dget_win.h"

class CTetrisGame : public CWindow, public TetrisGame {
 public:
  // A new game in a window of its own beside the bar, or null. The window owns the
  // object from then on and frees it when it is destroyed; `opener` (the tidget) is
  // not kept. `texts` (the bar's) outlive the window.
  static CTetrisGame* Open(const TextTable& texts, const CDget* opener = nullptr);
  explicit CTetrisGame(const TextTable& texts) : texts_(texts) {}

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  // Cells, texts and the window's size follow the new scale.
  void SetScale(Scale newScale) override;

  // Index v − 1 paints a cell of value v: blue, green, red, cyan, magenta, yellow, black.
  gdi::Brush brushes[7];
  gdi::Font textFont;

 private:
  void PressEnterKey();
  void PressSizeKey(int sizeIndex);
  void FitWindowToBoard();
  void Lower();
  void Drop();
  void ShowFall();
  void LandAndShow();
  void Invalidate();

  void DrawTexts(HDC dc) const;

  // What the back buffer shows, cell by cell, so a repaint draws only the cells
  // that changed; anything that may have spoilt the buffer asks for a whole draw.
  TetrisPicture shown_;
  TetrisPicture wanted_;
  int shownCellSize_ = 0;
  HBITMAP shownBuffer_ = nullptr;
  bool wholeDraw_ = true;
  // Only while the window is being made: it places the window.
  const CDget* opener_ = nullptr;
  const TextTable& texts_;
};

class CTetris : public CIconTidget {
 public:
  CTetris(DgetHost& host, const wchar_t* caption, const wchar_t* name);
  void Activate() override;
};
