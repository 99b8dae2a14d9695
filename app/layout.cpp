#include "app/layout.h"

#include <algorithm>
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
// Shares are worked out in units; each edge is then scaled, and the last member
// ends exactly at the inner edge of the far border.
void PlaceGroup(const std::vector<LayoutWidget>& widgets, const std::vector<int>& members,
                std::int64_t along, const BarSettings& bar, int crossThickness, const Axes& axes, Scale scale,
                BarLayout& out) {
  const int border = bar.bdThick;
  const int split = bar.splitThick;
  const std::int64_t alongFrom = scale.Px(along);
  const std::int64_t alongTo = scale.Px(along + widgets[members.front()].thickness);
  const std::int64_t innerEnd = std::int64_t{scale.Px(crossThickness)} - scale.Px(border);
  if (members.size() == 1) {
    const std::int64_t from = scale.Px(border);
    out.widgets[members.front()] = axes.Make(alongFrom, alongTo - alongFrom, from, innerEnd - from);
    return;
  }
  const std::int64_t inner = std::int64_t{crossThickness} - 2 * std::int64_t{border};
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
    const std::int64_t size = member.ratio > 0 ? member.ratio * avail / total : -std::int64_t{member.ratio};
    const std::int64_t from = scale.Px(across);
    const std::int64_t to = k + 1 == members.size() ? std::max(innerEnd, from) : scale.Px(across + size);
    out.widgets[members[k]] = axes.Make(alongFrom, alongTo - alongFrom, from, to - from);
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
                           const std::vector<bool>& tidgetPlaceable, Scale scale) {
  const Axes axes{bar.vertical};
  const int b = bar.bdThick;
  const int k = bar.capThick;
  const int crossUnits = bar.vertical ? bar.vertThick : bar.horzThick;
  const int cross = scale.Px(crossUnits);
  BarLayout out;
  out.border = scale.Px(b);
  out.caption = scale.Px(std::int64_t{b} + k) - out.border;
  const int inner = ToInt(std::int64_t{cross} - 2 * std::int64_t{out.border});
  out.widgets.resize(widgets.size());
  out.tidgets.resize(tidgetPlaceable.size());

  const int buttonSize = scale.Px(kBarButtonSize);
  const int buttonAcross = scale.Px(std::int64_t{k} / 2 + b - 8);
  const int captionMiddle = out.border + out.caption / 2;
  if (bar.vertical) {
    const int closeLeft = cross - scale.Px(22);
    const int menuLeft = cross - scale.Px(42);
    out.closeButton = {closeLeft, buttonAcross, closeLeft + buttonSize, buttonAcross + buttonSize};
    out.menuButton = {menuLeft, buttonAcross, menuLeft + buttonSize, buttonAcross + buttonSize};
    out.title = {out.border + scale.Px(4), captionMiddle};
  } else {
    const int closeTop = cross - scale.Px(std::int64_t{b} + 20);
    const int menuTop = cross - scale.Px(std::int64_t{b} + 40);
    out.closeButton = {buttonAcross, closeTop, buttonAcross + buttonSize, closeTop + buttonSize};
    out.menuButton = {buttonAcross, menuTop, buttonAcross + buttonSize, menuTop + buttonSize};
    out.title = {captionMiddle, cross - scale.Px(50)};
  }

  std::int64_t along = std::int64_t{k} + b;
  for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
    if (!IsLeader(widgets[i])) continue;
    PlaceGroup(widgets, GroupOf(widgets, i), along, bar, crossUnits, axes, scale, out);
    along += std::int64_t{widgets[i].thickness} + bar.splitThick;
  }

  // Tidgets are squares of one size: their size and gap are scaled, then flowed in pixels.
  out.tidgetSize = scale.Px(bar.tidgetSize);
  const int gap = scale.Px(bar.tidgetGap);
  int tidgetCount = 0;
  for (bool placeable : tidgetPlaceable) tidgetCount += placeable ? 1 : 0;
  out.stripExtent = StripExtent(inner, out.tidgetSize, gap, tidgetCount);
  const int stripStart = scale.Px(along);
  out.strip = axes.Make(stripStart, out.stripExtent, out.border, inner);
  const std::vector<Point> flow = FlowTidgets(bar.vertical, inner, out.tidgetSize, gap, tidgetCount);
  for (std::size_t i = 0, next = 0; i < tidgetPlaceable.size(); ++i)
    if (tidgetPlaceable[i]) out.tidgets[i] = flow[next++];

  const int length = ToInt(std::int64_t{out.stripExtent} + out.border + stripStart);
  out.barWidth = bar.vertical ? cross : length;
  out.barHeight = bar.vertical ? length : cross;
  return out;
}

int SplitterAt(const BarSettings& bar, const std::vector<LayoutWidget>& widgets, int along, Scale scale) {
  std::int64_t pos = std::int64_t{bar.bdThick} + bar.capThick;
  for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
    if (!IsLeader(widgets[i])) continue;
    pos += widgets[i].thickness;
    if (along < scale.Px(pos)) return -1;
    pos += bar.splitThick;
    if (along <= scale.Px(pos)) return i;
  }
  return -1;
}

BarHit HitTestBar(const BarSettings& bar, const Rect& client, Point p, Scale scale) {
  const int b = scale.Px(bar.bdThick);
  const int k = scale.Px(std::int64_t{bar.bdThick} + bar.capThick) - b;
  if (bar.vertical) {
    if (p.x < b) return BarHit::Left;
    if (p.x > client.right - b - 1) return BarHit::Right;
    return p.y <= k ? BarHit::Caption : BarHit::Client;
  }
  if (p.y < b) return BarHit::Top;
  if (p.y > client.bottom - b - 1) return BarHit::Bottom;
  return p.x <= k ? BarHit::Caption : BarHit::Client;
}

int ClampThickness(int thickness, int minThick, int maxThick) {
  if (thickness <= minThick) thickness = minThick;
  if (thickness >= maxThick) thickness = maxThick;
  return thickness;
}

Point SnapToWorkArea(const Rect& work, const Rect& window, Scale scale) {
  const std::int64_t reach = scale.Px(kSnapDistance);
  const std::int64_t cx = std::int64_t{window.right} - window.left;
  const std::int64_t cy = std::int64_t{window.bottom} - window.top;
  std::int64_t x = window.left;
  std::int64_t y = window.top;
  if (std::llabs(x - work.left) < reach) x = work.left;
  if (std::llabs(x + cx - work.right) < reach) x = work.right - cx;
  if (std::llabs(y - work.top) < reach) y = work.top;
  if (std::llabs(y + cy - work.bottom) < reach) y = work.bottom - cy;
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
