// The calculator widget: an expression box whose edit evaluates on Enter and takes
// the last result back on Tab, the result under it, a copy button and a context
// menu with re-input and automatic copying. Nothing is kept between runs.
#pragma once

#include <string>

#include "widgets/dget_win.h"

class CCalc : public CWidget {
 public:
  using CWidget::CWidget;

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  // The box gets the shared font made for the new scale; box and button their new places.
  void SetScale(Scale newScale) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
  // Evaluates the box's text (posted by Enter).
  LRESULT OnUserMessage1(WPARAM wParam, LPARAM lParam) override;
  // Puts the last result back into the box (Tab, or the menu).
  LRESULT OnUserMessage2(WPARAM wParam, LPARAM lParam) override;

  // The last result as text on the clipboard; dropped silently when it is busy.
  void CopyResult() const;

  HWND combo = nullptr;
  HWND comboEdit = nullptr;
  HWND copyButton = nullptr;
  double result = 0.0;
  // As long as the number needs: the largest doubles have over 300 digits.
  std::u16string resultText = u"=0";
  bool autoCopy = false;
};

inline constexpr int kCalcBoxId = 1;
inline constexpr int kCalcCopyButtonId = 2;

// The edit procedure under the calculator's subclass; every message it does not
// swallow goes on to this one. All edits share it, so one process-wide copy serves.
extern WNDPROC calcEditPrevious;
