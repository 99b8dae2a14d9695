// What the CPU usage widget shows: the 60-sample history, its statistics, the
// vertical scale, the plot geometry and the texts. No window code here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"
#include "widgets/base/face_fit.h"

inline constexpr int kCpuSampleCount = 60;
using CpuSamples = std::array<std::int32_t, kCpuSampleCount>;

// Percent rounded half up; anything that is not a load (NaN, below 0) counts as 0
// and readings above 100 as 100, so a bad read can never leave the plot box.
std::int32_t RoundLoad(double percent);

// Drops the oldest sample and appends the new one at the end.
void PushSample(CpuSamples& samples, double percent);

struct CpuStats {
  int minimum = 0;
  int maximum = 0;
  int average = 0;  // over all 60 samples, truncated
};
CpuStats ComputeStats(const CpuSamples& samples);

struct CpuScale {
  int top = 100;
  const char16_t* label = u"100";
};
// With a variable axis the smallest of 12/25/50/100 that the maximum stays under.
CpuScale ChooseScale(int maximum, bool variableY);

// The plot box inside the client rectangle (18 left, 5 top and right, 35 below).
Rect PlotBox(const Rect& client, Scale scale = {});

struct Segment {
  Point from;
  Point to;
};
// Three horizontal lines at the quarters and five vertical lines at the sixths,
// clear of the frame.
std::array<Segment, 8> GridLines(const Rect& plot, Scale scale = {});

// The filled area: one point per sample, then down to the bottom, back to the
// left edge and closed on the first point.
inline constexpr int kAreaPointCount = kCpuSampleCount + 3;
std::array<Point, kAreaPointCount> AreaPolygon(const CpuSamples& samples, const Rect& plot, int scaleTop);

// Left edge of the two text lines: under the plot box, or at 2 in a narrow widget.
int TextColumnX(const Rect& client, const Rect& plot, Scale scale = {});

// Where the texts go around the plot box: the right edge of the axis labels, the tops
// of the range and average lines, and the top of the large percent figure.
struct CpuTextPlaces {
  int axisRight = 0;
  int rangeTop = 0;
  int averageTop = 0;
  int percentTop = 0;
};
CpuTextPlaces CpuTextLayout(const Rect& client, const Rect& plot, Scale scale = {});
// The least thickness at which the plot box stands upright with its "0" label, centred
// on its bottom, inside the widget, and the texts below it too (face_fit.h).
int CpuUsableThickness(bool vertical, int across, Scale scale);

std::u16string RangeText(const CpuStats& stats);    // "CPU:min~max"
std::u16string AverageText(const CpuStats& stats, const TextTable& texts);  // "평균:avg%"
std::u16string PercentText(int percent);            // "n%"

// Processor times as the system reports them, in 100 ns units. Kernel time
// includes idle time.
struct ProcessorTimes {
  std::uint64_t idle = 0;
  std::uint64_t kernel = 0;
  std::uint64_t user = 0;
};
// Busy share of the time between two readings, in percent; 0 when no time passed
// or the counters went backwards.
double LoadBetween(const ProcessorTimes& earlier, const ProcessorTimes& later);
