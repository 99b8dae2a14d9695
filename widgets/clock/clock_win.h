// The clock widget: the local date and time as a digital or an analogue face, read
// once a second and repainted only when the shown time changes. A right click opens
// its settings popup, which also says when the machine was started.
#pragma once

#include "widgets/clock/clock.h"
#include "widgets/base/dget_win.h"

class CClock : public CWidget, public ClockState {
 public:
  using CWidget::CWidget;

  void LoadSettings() override;
  void SaveSettings() override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawDigital(HDC dc, int width, int height) const;
  void DrawAnalogue(HDC dc, int width, int height) const;
};

// The start-up line of the popup for the machine's clock and tick count now.
std::u16string CurrentStartupLine(const TextTable& texts);
