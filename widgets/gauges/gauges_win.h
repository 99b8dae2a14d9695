// Three small gauges that poll a system figure with id 1 on the bar's heartbeat and
// redraw when what they show changed: physical memory, the space of the drives, and
// the battery.
#pragma once

#include <windows.h>

#include "widgets/base/dget_win.h"
#include "widgets/gauges/gauges.h"

inline constexpr UINT_PTR kGaugeTimerId = 1;

// Polls at once when created, then every period, until destroyed.
class CGauge : public CWidget {
 public:
  using CWidget::CWidget;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;

 protected:
  void StartPolling(int periodSeconds);
};

class CMemUsage : public CGauge {
 public:
  using CGauge::CGauge;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;

  MEMORYSTATUSEX memStatus{};

 private:
  MemoryFigures Figures() const;
};

class CDiskUsage : public CGauge {
 public:
  using CGauge::CGauge;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;

  DriveTable drives;
  bool removable = true;
  bool network = false;
  bool proportional = true;

 private:
  void PollDrives();
};

class CBattery : public CGauge {
 public:
  using CGauge::CGauge;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;

  // Until the first poll: no figures at all.
  SYSTEM_POWER_STATUS powerStatus{255, 255, 255, 0, static_cast<DWORD>(-1), static_cast<DWORD>(-1)};

 private:
  PowerFigures Figures() const;
};
