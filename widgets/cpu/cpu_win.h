// The CPU usage widget: samples the total processor load on a period and draws the
// last 60 samples as an area graph with their range, average and the latest value.
#pragma once

#include <windows.h>
#include <pdh.h>

#include "widgets/cpu/cpu.h"
#include "widgets/base/dget_win.h"

// Owns an open PDH query; closing it also frees the counters added to it.
class PdhQuery {
 public:
  PdhQuery() = default;
  ~PdhQuery() { reset(); }
  PdhQuery(const PdhQuery&) = delete;
  PdhQuery& operator=(const PdhQuery&) = delete;

  bool Open();
  void reset();
  PDH_HQUERY get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  PDH_HQUERY handle_ = nullptr;
};

// True when the program runs under Wine (its ntdll exports wine_get_version).
bool RunningUnderWine();

inline constexpr UINT_PTR kCpuTimerId = 1;

class CCpuUsage : public CWidget {
 public:
  using CWidget::CWidget;

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;

  // Timer 1 at the current period; setting the same id again replaces the old period.
  void RestartTimer();
  // Whether the load comes from system time deltas instead of the PDH counter.
  bool UsesSystemTimes() const { return useSystemTimes_; }

  CpuSamples samples{};
  PdhQuery query;
  PDH_HCOUNTER counter = nullptr;
  int period = 5;  // seconds: 1, 2, 5 or 10
  bool variableY = true;
  bool perThread = false;

 private:
  void OpenCounter();
  double ReadLoad();
  double ReadCounter();
  double ReadSystemTimes();

  void DrawPlot(HDC dc, const Rect& plot, const CpuSamples& shown, int scaleTop) const;
  void DrawTexts(HDC dc, const Rect& client, const Rect& plot, const CpuStats& stats,
                 const CpuScale& axis) const;

  bool useSystemTimes_ = false;
  ProcessorTimes lastTimes_{};
};
