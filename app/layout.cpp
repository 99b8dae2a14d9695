#include "app/layout.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

// Stored settings and ratios are not range-checked, so sums and products are taken
// in 64 bits and only the results are brought back to int.
int ToInt(std::int64_t value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// Rectangles given along the bar's length and across its thickness.
struct Axes {
  bool vertical;
  Rect Make(std::int64_t along, std::int64_t alongLength, std::int64_t across,
            std::int64_t acrossLength) const {
    if (vertical)
      return {ToInt(across), ToInt(along), ToInt(across + acrossLength), ToInt(along + alongLength)};
    return {ToInt(along), ToInt(across), ToInt(along + alongLength), ToInt(across + acrossLength)};
  }
};

bool IsLeader(const LayoutWidget& w) { return w.placeable && w.visible && !w.merged; }

// The members of the group led by record `leader`: the leader and the merged records
// right after it. Merged records without a window are passed over.
std::vector<int> GroupOf(const std::vector<LayoutWidget>& widgets, int leader) {
  std::vector<int> members{leader};
  for (int i = leader + 1; i < static_cast<int>(widgets.size()) && widgets[i].merged; ++i)
    if (widgets[i].placeable) members.push_back(i);
  return members;
}

// Splits the bar's thickness among the members of one group and stores their rects.
void PlaceGroup(const std::vector<LayoutWidget>& widgets, const std::vector<int>& members,
                std::int64_t along, int border, int split, int crossThickness, const Axes& axes,
                BarLayout& out) {
  const std::int64_t length = widgets[members.front()].thickness;
  const std::int64_t inner = std::int64_t{crossThickness} - 2 * std::int64_t{border};
  if (members.size() == 1) {
    out.widgets[members.front()] = axes.Make(along, length, border, inner);
    return;
  }
  std::int64_t avail = inner - static_cast<std::int64_t>(members.size() - 1) * split;
  std::int64_t total = 0;
  for (int m : members) {
    if (widgets[m].ratio > 0)
      total += widgets[m].ratio;
    else
      avail += widgets[m].ratio;
  }
  avail = ToInt(avail);  // keeps ratio * avail inside 64 bits
  std::int64_t across = border;
  for (std::size_t k = 0; k < members.size(); ++k) {
    const LayoutWidget& member = widgets[members[k]];
    std::int64_t size = member.ratio > 0 ? member.ratio * avail / total : -std::int64_t{member.ratio};
    if (k + 1 == members.size()) {
      size = crossThickness - border - across;
      if (size < 0) size = 0;
    }
    out.widgets[members[k]] = axes.Make(along, length, across, size);
    across += size + split;
  }
}

}  // namespace

int TidgetsPerLine(int extent, int tidgetSize, int tidgetGap) {
  const std::int64_t cell = std::int64_t{tidgetSize} + tidgetGap;
  if (cell <= 0) return 1;
  const std::int64_t perLine = (std::int64_t{extent} - tidgetGap) / cell;
  return perLine < 1 ? 1 : ToInt(perLine);
}

int StripExtent(int extent, int tidgetSize, int tidgetGap, int count) {
  const std::int64_t cell = std::int64_t{tidgetSize} + tidgetGap;
  const std::int64_t lines = (std::int64_t{count} - 1) / TidgetsPerLine(extent, tidgetSize, tidgetGap) + 1;
  return ToInt(lines * cell + tidgetGap);
}

std::vector<Point> FlowTidgets(bool vertical, int extent, int tidgetSize, int tidgetGap, int count) {
  std::vector<Point> places;
  std::int64_t along = tidgetGap;
  std::int64_t across = tidgetGap;
  for (int i = 0; i < count; ++i) {
    // A line that holds nothing yet takes one tidget even when it does not fit.
    if (along != tidgetGap && along + tidgetGap + tidgetSize > extent) {
      along = tidgetGap;
      across += std::int64_t{tidgetGap} + tidgetSize;
    }
    places.push_back(vertical ? Point{ToInt(along), ToInt(across)} : Point{ToInt(across), ToInt(along)});
    along += std::int64_t{tidgetGap} + tidgetSize;
  }
  return places;
}

BarLayout ComputeBarLayout(const BarSettings& bar, const std::vector<LayoutWidget>& widgets,
                           const std::vector<bool>& tidgetPlaceable) {
  const Axes axes{bar.vertical};
  const int b = bar.bdThick;
  const int k = bar.capThick;
  const int cross = bar.vertical ? bar.vertThick : bar.horzThick;
  const int inner = ToInt(std::int64_t{cross} - 2 * std::int64_t{b});
  BarLayout out;
  out.widgets.resize(widgets.size());
  out.tidgets.resize(tidgetPlaceable.size());

  const int buttonAcross = k / 2 + b - 8;
  if (bar.vertical) {
    out.closeButton = {cross - 22, buttonAcross, cross - 22 + kBarButtonSize, buttonAcross + kBarButtonSize};
    out.menuButton = {cross - 42, buttonAcross, cross - 42 + kBarButtonSize, buttonAcross + kBarButtonSize};
  } else {
    const int closeTop = cross - b - 20;
    const int menuTop = cross - b - 40;
    out.closeButton = {buttonAcross, closeTop, buttonAcross + kBarButtonSize, closeTop + kBarButtonSize};
    out.menuButton = {buttonAcross, menuTop, buttonAcross + kBarButtonSize, menuTop + kBarButtonSize};
  }

  std::int64_t along = std::int64_t{k} + b;
  for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
    if (!IsLeader(widgets[i])) continue;
    PlaceGroup(widgets, GroupOf(widgets, i), along, b, bar.splitThick, cross, axes, out);
    along += std::int64_t{widgets[i].thickness} + bar.splitThick;
  }

  int tidgetCount = 0;
  for (bool placeable : tidgetPlaceable) tidgetCount += placeable ? 1 : 0;
  out.stripExtent = StripExtent(inner, bar.tidgetSize, bar.tidgetGap, tidgetCount);
  out.strip = axes.Make(along, out.stripExtent, b, inner);
  const std::vector<Point> flow = FlowTidgets(bar.vertical, inner, bar.tidgetSize, bar.tidgetGap, tidgetCount);
  for (std::size_t i = 0, next = 0; i < tidgetPlaceable.size(); ++i)
    if (tidgetPlaceable[i]) out.tidgets[i] = flow[next++];

  const int length = ToInt(std::int64_t{out.stripExtent} + b + along);
  out.barWidth = bar.vertical ? cross : length;
  out.barHeight = bar.vertical ? length : cross;
  return out;
}

int SplitterAt(const BarSettings& bar, const std::vector<LayoutWidget>& widgets, int along) {
  std::int64_t pos = std::int64_t{bar.bdThick} + bar.capThick;
  for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
    if (!IsLeader(widgets[i])) continue;
    pos += widgets[i].thickness;
    if (along < pos) return -1;
    pos += bar.splitThick;
    if (along <= pos) return i;
  }
  return -1;
}

BarHit HitTestBar(const BarSettings& bar, const Rect& client, Point p) {
  const int b = bar.bdThick;
  if (bar.vertical) {
    if (p.x < b) return BarHit::Left;
    if (p.x > client.right - b - 1) return BarHit::Right;
    return p.y <= bar.capThick ? BarHit::Caption : BarHit::Client;
  }
  if (p.y < b) return BarHit::Top;
  if (p.y > client.bottom - b - 1) return BarHit::Bottom;
  return p.x <= bar.capThick ? BarHit::Caption : BarHit::Client;
}

int ClampThickness(int thickness, int minThick, int maxThick) {
  if (thickness <= minThick) thickness = minThick;
  if (thickness >= maxThick) thickness = maxThick;
  return thickness;
}

Point SnapToWorkArea(const Rect& work, const Rect& window) {
  const std::int64_t cx = std::int64_t{window.right} - window.left;
  const std::int64_t cy = std::int64_t{window.bottom} - window.top;
  std::int64_t x = window.left;
  std::int64_t y = window.top;
  if (std::llabs(x - work.left) < kSnapDistance) x = work.left;
  if (std::llabs(x + cx - work.right) < kSnapDistance) x = work.right - cx;
  if (std::llabs(y - work.top) < kSnapDistance) y = work.top;
  if (std::llabs(y + cy - work.bottom) < kSnapDistance) y = work.bottom - cy;
  return {ToInt(x), ToInt(y)};
}

EdgeColors BorderEdgeColors(ColorRef border) {
  auto shift = [border](int delta) {
    ColorRef out = 0;
    for (int bit = 0; bit < 24; bit += 8) {
      int channel = static_cast<int>((border >> bit) & 0xFFu) + delta;
      channel = channel > 255 ? 255 : channel < 0 ? 0 : channel;
      out |= static_cast<ColorRef>(channel) << bit;
    }
    return out;
  };
  return {shift(64), shift(-64)};
}
