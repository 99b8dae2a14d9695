// The calculator widget: an expression box whose edit evaluates on Enter and takes
// the last result back on Tab, the result under it, a copy button and a context
// menu with re-input and automatic copying. Nothing is kept between runs.
#pragma once

#include <string>

#include "widgets/base/dget_win.h"

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
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Evaluates the box's text (posted by Enter).
  void Evaluate();
  // Puts the last result back into the box (Tab, or the menu).
  void Reinput();

  // The last result as text on the clipboard; dropped silently when it is busy.
  void CopyResult() const;
  // What the face shows: the result, or the error text in the bar's language.
  std::u16string ShownResult() const;

  HWND combo = nullptr;
  HWND comboEdit = nullptr;
  HWND copyButton = nullptr;
  PlacedSize placed_;
  double result = 0.0;
  // As long as the number needs: the largest doubles have over 300 digits.
  std::u16string resultText = u"=0";
  // The last evaluation was rejected: the face shows the error text instead.
  bool resultRefused = false;
  bool autoCopy = false;
  // The box's own edit procedure, under the calculator's subclass: every message the
  // subclass does not swallow goes on to it.
  WNDPROC editPrevious = nullptr;
};

inline constexpr int kCalcBoxId = 1;
inline constexpr int kCalcCopyButtonId = 2;
