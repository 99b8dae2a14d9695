#include "widgets/cpu/cpu.h"

#include <algorithm>
#include <cmath>

#include "core/font_heights.h"
#include "core/text.h"

std::int32_t RoundLoad(double percent) {
  if (!(percent > 0.0)) return 0;  // also NaN
  if (percent >= 100.0) return 100;
  return static_cast<std::int32_t>(percent + 0.5);
}

void PushSample(CpuSamples& samples, double percent) {
  std::move(samples.begin() + 1, samples.end(), samples.begin());
  samples.back() = RoundLoad(percent);
}

CpuStats ComputeStats(const CpuSamples& samples) {
  CpuStats stats{100, 0, 0};
  int sum = 0;
  for (int sample : samples) {
    stats.minimum = std::min(stats.minimum, sample);
    stats.maximum = std::max(stats.maximum, sample);
    sum += sample;
  }
  stats.average = sum / kCpuSampleCount;
  return stats;
}

CpuScale ChooseScale(int maximum, bool variableY) {
  if (!variableY) return {};
  if (maximum < 10) return {12, u"12"};
  if (maximum < 20) return {25, u"25"};
  if (maximum < 40) return {50, u"50"};
  return {};
}

Rect PlotBox(const Rect& client, Scale scale) {
  return {client.left + scale.Px(18), client.top + scale.Px(5), client.right - scale.Px(5),
          client.bottom - scale.Px(35)};
}

std::array<Segment, 8> GridLines(const Rect& plot, Scale scale) {
  const int w = plot.Width();
  const int h = plot.Height();
  const int frame = scale.Px(1);
  std::array<Segment, 8> lines{};
  for (int k = 1; k <= 3; ++k) {
    const int y = plot.top + (k * h) / 4;
    lines[k - 1] = {{plot.left + frame, y}, {plot.right - frame, y}};
  }
  for (int k = 1; k <= 5; ++k) {
    const int x = plot.left + (k * w) / 6;
    lines[2 + k] = {{x, plot.top + frame}, {x, plot.bottom - frame}};
  }
  return lines;
}

std::array<Point, kAreaPointCount> AreaPolygon(const CpuSamples& samples, const Rect& plot, int scaleTop) {
  const int w = plot.Width();
  const int h = plot.Height();
  std::array<Point, kAreaPointCount> points{};
  for (int i = 0; i < kCpuSampleCount; ++i) {
    points[i].x = plot.left + static_cast<int>(i * w / 60.0);
    points[i].y = plot.top + h - (samples[i] * h) / scaleTop;
  }
  points[60] = {points[59].x, plot.bottom};
  points[61] = {plot.left, plot.bottom};
  points[62] = points[0];
  return points;
}

int TextColumnX(const Rect& client, const Rect& plot, Scale scale) {
  return client.right < scale.Px(120) ? scale.Px(2) : plot.left;
}

CpuTextPlaces CpuTextLayout(const Rect& client, const Rect& plot, Scale scale) {
  return {client.left + scale.Px(16), plot.bottom + scale.Px(2), plot.bottom + scale.Px(18),
          plot.bottom + scale.Px(5)};
}

int CpuUsableThickness(bool vertical, int across, Scale scale) {
  const int small = scale.Px(kSmallFontHeight);
  const int normal = scale.Px(kNormalFontHeight);
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const Rect client{0, 0, size.width, size.height};
    const Rect plot = PlotBox(client, scale);
    const CpuTextPlaces places = CpuTextLayout(client, plot, scale);
    const int x = TextColumnX(client, plot, scale);
    return size.Holds(plot) && size.Holds(LineAt(x, plot.bottom - small / 2, small)) &&
           size.Holds(LineAt(x, places.rangeTop, normal)) && size.Holds(LineAt(x, places.averageTop, normal)) &&
           size.Holds(LineAt(x, places.percentTop, scale.Px(kLargeFontHeight)));
  });
}

std::u16string RangeText(const CpuStats& stats) {
  return u"CPU:" + FormatInt(stats.minimum) + u"~" + FormatInt(stats.maximum);
}

std::u16string AverageText(const CpuStats& stats, const TextTable& texts) {
  return texts.Format(TextId::CpuAverage, {FormatInt(stats.average)});
}

std::u16string PercentText(int percent) { return FormatInt(percent) + u"%"; }

double LoadBetween(const ProcessorTimes& earlier, const ProcessorTimes& later) {
  if (later.kernel < earlier.kernel || later.user < earlier.user || later.idle < earlier.idle) return 0.0;
  const std::uint64_t total = (later.kernel - earlier.kernel) + (later.user - earlier.user);
  const std::uint64_t idle = later.idle - earlier.idle;
  if (total == 0 || idle > total) return 0.0;
  return 100.0 * static_cast<double>(total - idle) / static_cast<double>(total);
}
