// The layout arithmetic alone: the default set of ten widgets and seven tidgets,
// and a bar of 100 widgets with every third one merged into the one before it; the
// ten-widget bar thinned for a screen 500 pixels tall (687 at full size), and one
// step of a splitter drag there, which looks for the full-size thickness that shows
// the row as thick as the pointer reaches.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/bar_settings.h"
#include "app/layout.h"

namespace {

std::vector<LayoutWidget> Widgets(int count) {
  std::vector<LayoutWidget> widgets(count);
  for (int i = 0; i < count; ++i) {
    widgets[i].placeable = true;
    widgets[i].visible = true;
    widgets[i].merged = i % 3 == 2;
    widgets[i].ratio = i % 2 ? 100 : -40;
    widgets[i].thickness = 80;
  }
  return widgets;
}

void RunLayout(benchmark::State& state, int widgetCount, bool vertical, int room = 0) {
  BarSettings bar;
  bar.vertical = vertical;
  const std::vector<LayoutWidget> widgets = Widgets(widgetCount);
  const std::vector<bool> tidgets(7, true);
  for (auto _ : state) {
    BarLayout layout = ComputeBarLayout(bar, widgets, tidgets, {}, {room, 0});
    benchmark::DoNotOptimize(layout);
  }
}

void DragStepThinned(benchmark::State& state) {
  const std::vector<LayoutWidget> widgets = Widgets(10);
  const std::vector<bool> tidgets(7, true);
  for (auto _ : state) benchmark::DoNotOptimize(ThicknessForReach({}, widgets, tidgets, {}, {500, 0}, 0, 100));
}

void DefaultSetVertical(benchmark::State& state) { RunLayout(state, 10, true); }
void DefaultSetHorizontal(benchmark::State& state) { RunLayout(state, 10, false); }
void HundredWidgetsVertical(benchmark::State& state) { RunLayout(state, 100, true); }
void DefaultSetThinned(benchmark::State& state) { RunLayout(state, 10, true, 500); }

}  // namespace

BENCHMARK(DefaultSetVertical);
BENCHMARK(DefaultSetHorizontal);
BENCHMARK(HundredWidgetsVertical);
BENCHMARK(DefaultSetThinned);
BENCHMARK(DragStepThinned);
BENCHMARK_MAIN();
