// paint_bench.exe: builds the real bar in this process with the default set (or
// the paint_bench.ini beside it) and prints CSV lines "name,unit,min,median,max,note":
// one full repaint of the bar with all its children, one repaint of each widget, the
// applied layout pass, and the live GDI objects before and after 10,000 timer ticks
// and repaints of every widget. A widget kind that gets a window class shows up
// here without a change.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/bar_store_win.h"
#include "benchmarks/bench_rows_win.h"
#include "benchmarks/floor_tree_win.h"
#include "app/bar_win.h"
#include "app/factory_win.h"
#include "app/tray_win.h"
#include "app/layout_win.h"
#include "core/data_folder_win.h"
#include "core/gdi_win.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "core/wide_win.h"
#include "core/window_win.h"
#include "widgets/base/dget_win.h"

namespace {

constexpr int kSamples = 301;
constexpr int kTicks = 10000;

void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

using bench::NowMs;
using bench::Spread;

Spread Measure(const std::function<void()>& step) { return bench::Measure(kSamples, step); }

void Print(const std::wstring& name, const wchar_t* unit, Spread s, const wchar_t* note = L"") {
  bench::PrintRow(name, unit, s, note);
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::vector<HWND> WidgetWindows(const RecordList<WidgetInfo>& widgets, std::vector<std::wstring>* kinds) {
  std::vector<HWND> windows;
  for (const WidgetInfo& record : widgets) {
    if (!record.widget || !record.widget->hwnd) continue;
    windows.push_back(record.widget->hwnd);
    kinds->push_back(ToWide(FieldView(record.kind)));
  }
  return windows;
}

// Creation of one more object and window of every kind the catalogue lists, under
// the bar (widgets) or the strip (tidgets) as the bar makes them, destroyed again
// after each sample: the share each kind adds to the start-up.
void PrintCreationPerKind(CMainWindow& bar) {
  constexpr int kCreations = 9;
  double costliest = -1;
  std::wstring costliestKind;
  for (const CatalogueEntry& entry : Catalogue()) {
    const std::wstring kind = ToWide(FieldView(entry.kind));
    const std::wstring name = kind + L"_bench";
    std::vector<double> samples;
    for (int i = 0; i < kCreations; ++i) {
      const double start = NowMs();
      CDget* object = nullptr;
      if (entry.isWidget) {
        CWidget* widget = CreateWidgetObject(bar, kind.c_str(), kind.c_str(), name.c_str());
        if (widget) {
          widget->height = entry.vertHeight;
          widget->width = entry.horzWidth;
          widget->bgBrush = gdi::SolidBrush(RgbToColorRef(0xFFFFFF));
          widget->Create(bar.hwnd, 0, L"", WS_CHILD | WS_VISIBLE);
        }
        object = widget;
      } else {
        CTidget* tidget = CreateTidgetObject(bar, kind.c_str(), kind.c_str(), name.c_str());
        if (tidget) tidget->Create(bar.trayWindow.hwnd, 0, L"", WS_CHILD | WS_VISIBLE);
        object = tidget;
      }
      if (!object) break;
      samples.push_back(NowMs() - start);
      DestroyWindow(object->hwnd);
      delete object;
      PumpPending();
    }
    if (samples.empty()) continue;
    const Spread spread = bench::SpreadOf(samples);
    Print(L"start-up in-process: one " + kind, L"ms", spread);
    if (spread.median > costliest) costliest = spread.median, costliestKind = kind;
  }
  if (!costliestKind.empty())
    Print(L"costliest kind to create", L"ms", {costliest, costliest, costliest}, costliestKind.c_str());
}

// The full repaint of the bar beside that of the floor's copy of its tree (shown to
// its right, so neither covers the other), sample by sample in turn, so a busy moment
// of the machine falls on both.
void PrintFullRepaints(HWND bar) {
  HWND floor = floor_tree::Create(GetModuleHandleW(nullptr), 400, 100);
  if (!floor) {
    Print(L"full bar repaint", L"ms", Measure([&] { Repaint(bar); }));
    return;
  }
  ShowWindow(floor, SW_SHOWNOACTIVATE);
  PumpPending();
  std::vector<double> barSamples, floorSamples;
  for (int i = 0; i < kSamples; ++i) {
    barSamples.push_back(bench::TimeMs([&] { Repaint(bar); }));
    floorSamples.push_back(bench::TimeMs([&] { Repaint(floor); }));
  }
  Print(L"full bar repaint", L"ms", bench::SpreadOf(barSamples));
  Print(L"floor: full repaint of the same window tree", L"ms", bench::SpreadOf(floorSamples));
  DestroyWindow(floor);
  PumpPending();
  floor_tree::Release();
}

}  // namespace

int wmain() {
  appInstance = GetModuleHandleW(nullptr);
  InitCommonControls();
  const double loadStart = NowMs();
  CMainWindow mainWindow;
  mainWindow.settings.FillPaths();
  mainWindow.dataProgramPath = DataProgramPath();
  mainWindow.Load();
  const double createStart = NowMs();
  HWND bar = mainWindow.CreateBar();
  if (!bar) {
    std::fwprintf(stderr, L"paint_bench: the bar could not be created\n");
    return 1;
  }
  const double showStart = NowMs();
  ShowWindow(bar, SW_SHOWNOACTIVATE);
  RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double shown = NowMs();
  // Once per process, so one figure each: where the start-up time of the program's
  // own code goes.
  auto once = [](double ms) { return Spread{ms, ms, ms}; };
  Print(L"start-up in-process: settings and lists", L"ms", once(createStart - loadStart));
  Print(L"start-up in-process: bar and children created", L"ms", once(showStart - createStart));
  Print(L"start-up in-process: shown and first paint", L"ms", once(shown - showStart));
  PumpPending();
  PrintCreationPerKind(mainWindow);

  PrintFullRepaints(bar);

  std::vector<std::wstring> kinds;
  const std::vector<HWND> widgets = WidgetWindows(mainWindow.widgetList, &kinds);
  double slowest = -1;
  std::wstring slowestKind;
  for (size_t i = 0; i < widgets.size(); ++i) {
    const Spread s = Measure([&] { Repaint(widgets[i]); });
    Print(L"widget repaint: " + kinds[i], L"ms", s);
    if (s.median > slowest) slowest = s.median, slowestKind = kinds[i];
  }
  // What Wine alone charges for one child window's paint: a CWindow that only
  // fills its background through the same double buffer.
  {
    CWindow bare;
    bare.bgBrush = gdi::SolidBrush(RGB(255, 255, 255));
    if (HWND window = bare.Create(bar, 99, L"", WS_CHILD | WS_VISIBLE)) {
      MoveWindow(window, 4, 28, 192, 80, TRUE);
      PumpPending();
      Print(L"bare child window repaint (Wine's share)", L"ms", Measure([&] { Repaint(window); }));
      DestroyWindow(window);
    }
  }
  if (!slowestKind.empty())
    std::wprintf(L"most expensive widget,ms,%.4f,%.4f,%.4f,%ls\n", slowest, slowest, slowest,
                 slowestKind.c_str());

  Print(L"applied layout pass (real windows)", L"ms", Measure([&] { mainWindow.LayoutBar(); }));

  PumpPending();
  const int before = gdi::LiveObjects();
  for (int tick = 0; tick < kTicks; ++tick) {
    for (HWND widget : widgets) SendMessageW(widget, WM_TIMER, 1, 0);
    // Paint what the ticks invalidated, as the message loop would.
    RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (tick % 100 == 0) PumpPending();
  }
  PumpPending();
  const int after = gdi::LiveObjects();
  std::wprintf(L"GDI objects before 10000 ticks and repaints,count,%d,%d,%d,\n", before, before, before);
  std::wprintf(L"GDI objects after (difference %d),count,%d,%d,%d,%ls\n", after - before, after, after,
               after, after == before ? L"ok" : L"GROWTH");

  DestroyWindow(bar);
  PumpPending();
  return 0;
}
