// The radix converter widget: one unsigned 32-bit number in three edits, binary,
// decimal and hexadecimal; typing in one rewrites the other two. Nothing is kept.
#pragma once

#include "widgets/base/dget_win.h"

class CRadix : public CWidget {
 public:
  using CWidget::CWidget;

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  // The edits get the shared font made for the new scale and their new places.
  void SetScale(Scale newScale) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;

  HWND binEdit = nullptr;
  HWND decEdit = nullptr;
  HWND hexEdit = nullptr;
  PlacedSize placed_;
  // Set while the widget rewrites fields itself, so their change notices are ignored.
  bool updating = false;

 private:
  void PlaceEdits(int width, int height);
  HWND EditOfBase(int base) const;
  void Convert(int fromBase);
};
