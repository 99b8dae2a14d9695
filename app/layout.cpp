#include "app/layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
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

bool IsLeader(const LayoutWidget& widget) { return widget.placeable && widget.visible && !widget.merged; }

// The members of the group led by record `leader`: the leader and the merged records
// right after it. Merged records without a window are passed over.
std::vector<int> GroupOf(const std::vector<LayoutWidget>& widgets, int leader) {
  std::vector<int> members{leader};
  for (int i = leader + 1; i < static_cast<int>(widgets.size()) && widgets[i].merged; ++i)
    if (widgets[i].placeable) members.push_back(i);
  return members;
}

// A member's place across the bar, in pixels from the bar's outer edge.
struct Span {
  std::int64_t from;
  std::int64_t to;
};

// Splits the bar's thickness among the members of one group. Shares are worked out in
// units; each edge is then scaled, and the last member ends exactly at the inner edge
// of the far border.
std::vector<Span> AcrossSpans(const std::vector<LayoutWidget>& widgets, const std::vector<int>& members,
                              const BarSettings& bar, int crossThickness, Scale scale) {
  const int border = bar.bdThick;
  const int split = bar.splitThick;
  const std::int64_t innerEnd = std::int64_t{scale.Px(crossThickness)} - scale.Px(border);
  if (members.size() == 1) return {{scale.Px(border), innerEnd}};
  const std::int64_t inner = std::int64_t{crossThickness} - 2 * std::int64_t{border};
  std::int64_t avail = inner - static_cast<std::int64_t>(members.size() - 1) * split;
  std::int64_t total = 0;
  for (int member : members) {
    if (widgets[member].ratio > 0)
      total += widgets[member].ratio;
    else
      avail += widgets[member].ratio;
  }
  avail = ToInt(avail);  // keeps ratio * avail inside 64 bits
  std::vector<Span> spans;
  std::int64_t across = border;
  for (std::size_t position = 0; position < members.size(); ++position) {
    const LayoutWidget& member = widgets[members[position]];
    const std::int64_t size = member.ratio > 0 ? member.ratio * avail / total : -std::int64_t{member.ratio};
    const std::int64_t from = scale.Px(across);
    const std::int64_t to = position + 1 == members.size() ? std::max(innerEnd, from) : scale.Px(across + size);
    spans.push_back({from, to});
    across += size + split;
  }
  return spans;
}

// Stores the rects of a group's members between `alongFrom` and `alongTo` (pixels along the bar).
void PlaceGroup(const std::vector<LayoutWidget>& widgets, const std::vector<int>& members, int alongFrom,
                int alongTo, const BarSettings& bar, int crossThickness, const Axes& axes, Scale scale,
                BarLayout& out) {
  const std::vector<Span> spans = AcrossSpans(widgets, members, bar, crossThickness, scale);
  for (std::size_t position = 0; position < members.size(); ++position)
    out.widgets[members[position]] = axes.Make(alongFrom, alongTo - alongFrom, spans[position].from,
                                               spans[position].to - spans[position].from);
}

// A leader's thickness along the bar at full size and the least it may be shown at
// (units): the bar's widget minimum, or what the group's faces need when that is more,
// but never more than its own thickness.
struct RowSize {
  int leader;
  std::int64_t full;
  std::int64_t least;
};

// The fewest units that are at least `pixels` pixels.
std::int64_t UnitsCovering(int pixels, Scale scale) {
  if (pixels <= 0) return 0;
  return (std::int64_t{pixels} * kBaseDpi + scale.dpi() - 1) / scale.dpi();
}

// What the members of a group need along the bar to stay whole, in units.
std::int64_t UsableUnits(const std::vector<LayoutWidget>& widgets, const std::vector<int>& members,
                         const BarSettings& bar, int crossThickness, Scale scale) {
  const std::vector<Span> spans = AcrossSpans(widgets, members, bar, crossThickness, scale);
  int pixels = 0;
  for (std::size_t position = 0; position < members.size(); ++position)
    if (const auto& usable = widgets[members[position]].usable)
      pixels = std::max(pixels, usable(ToInt(spans[position].to - spans[position].from)));
  return UnitsCovering(pixels, scale);
}

std::vector<RowSize> RowSizes(const std::vector<LayoutWidget>& widgets, const BarSettings& bar, int crossThickness,
                              Scale scale) {
  std::vector<RowSize> sizes;
  for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
    if (!IsLeader(widgets[i])) continue;
    const std::int64_t full = widgets[i].thickness;
    const std::int64_t usable = UsableUnits(widgets, GroupOf(widgets, i), bar, crossThickness, scale);
    const std::int64_t wanted = std::max<std::int64_t>(bar.widgetMinThick, usable);
    sizes.push_back({i, full, std::max<std::int64_t>(0, std::min(full, wanted))});
  }
  return sizes;
}

// Rows at full size from `start` (units), edges scaled once. Answers where the strip starts.
int FullRows(const std::vector<RowSize>& sizes, int split, std::int64_t start, Scale scale,
             std::vector<BarRow>& rows) {
  std::int64_t along = start;
  for (const RowSize& row : sizes) {
    const int from = scale.Px(along);
    const int to = scale.Px(along + row.full);
    along += row.full + split;
    rows.push_back({row.leader, from, to, scale.Px(along)});
  }
  return scale.Px(along);
}

// Rows thinned by one common factor so that the last splitter ends exactly at `end`
// (pixels), none below its least; a row that would fall below keeps its least and
// the others share the rest. Answers the factor, or nothing when even the least
// thicknesses do not fit. Positions are real numbers, each edge rounded once.
std::optional<double> ThinnedRows(const std::vector<RowSize>& sizes, int split, int start, int end, Scale scale,
                                  std::vector<BarRow>& rows) {
  const double unit = static_cast<double>(scale.dpi()) / kBaseDpi;
  const double room = (end - start) / unit - static_cast<double>(sizes.size()) * split;
  double leastSum = 0;
  for (const RowSize& row : sizes) leastSum += static_cast<double>(row.least);
  if (leastSum > room) return std::nullopt;
  // Each round settles at least one more row at its least, so it ends within a round per row.
  std::vector<bool> atLeast(sizes.size(), false);
  double factor = 0;
  for (bool settled = false; !settled;) {
    double fixed = 0, shared = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      if (atLeast[i])
        fixed += static_cast<double>(sizes[i].least);
      else
        shared += static_cast<double>(sizes[i].full);
    }
    factor = shared > 0 ? (room - fixed) / shared : 0;
    settled = true;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      if (atLeast[i] || factor * static_cast<double>(sizes[i].full) >= static_cast<double>(sizes[i].least)) continue;
      atLeast[i] = true;
      settled = false;
    }
  }
  double along = start;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const double units = atLeast[i] ? static_cast<double>(sizes[i].least) : factor * static_cast<double>(sizes[i].full);
    const double shown = units * unit;
    const int from = static_cast<int>(std::llround(along));
    const int to = static_cast<int>(std::llround(along + shown));
    along += shown + split * unit;
    rows.push_back({sizes[i].leader, from, to, static_cast<int>(std::llround(along))});
  }
  // The sum is `end` exactly; this only keeps floating-point dust off the last edge.
  if (!rows.empty()) rows.back().splitEnd = end;
  return factor;
}

// Rows at their least between `start` and `end` (pixels), from `first` on as many as
// fit whole; the first shown is cut to the room when it alone is longer. Answers the
// first row of the last page: from there on every row fits.
int ScrolledRows(const std::vector<RowSize>& sizes, int split, int start, int end, Scale scale, int first,
                 std::vector<BarRow>& rows) {
  const int count = static_cast<int>(sizes.size());
  auto extent = [&](int from, int to) {  // rows from..to-1 with the splitters between them
    std::int64_t units = 0;
    for (int i = from; i < to; ++i) units += sizes[i].least + (i + 1 < to ? split : 0);
    return scale.Px(units);
  };
  int lastFirst = std::max(count - 1, 0);
  while (lastFirst > 0 && extent(lastFirst - 1, count) <= end - start) --lastFirst;
  first = std::clamp(first, 0, lastFirst);
  std::int64_t along = 0;
  for (int i = first; i < count; ++i) {
    const int to = start + scale.Px(along + sizes[i].least);
    if (to > end && i > first) break;
    const int from = start + scale.Px(along);
    along += sizes[i].least + split;
    rows.push_back({sizes[i].leader, from, std::max(from, std::min(to, end)), start + scale.Px(along)});
  }
  return lastFirst;
}

// The arrow button of a scrolling widget area: centred across the bar in the band
// that starts at `band` along it.
Rect ArrowButton(const Axes& axes, int band, int bandDepth, int border, int inner, Scale scale) {
  const int size = scale.Px(kBarButtonSize);
  return axes.Make(band + (bandDepth - size) / 2, size, border + (inner - size) / 2, size);
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
                           const std::vector<bool>& tidgetPlaceable, Scale scale, BarFit fit) {
  const Axes axes{bar.vertical};
  const int borderUnits = bar.bdThick;
  const int captionUnits = bar.capThick;
  const int crossUnits = bar.vertical ? bar.vertThick : bar.horzThick;
  const int cross = scale.Px(crossUnits);
  BarLayout out;
  out.border = scale.Px(borderUnits);
  out.caption = scale.Px(std::int64_t{borderUnits} + captionUnits) - out.border;
  const int inner = ToInt(std::int64_t{cross} - 2 * std::int64_t{out.border});
  out.widgets.resize(widgets.size());
  out.tidgets.resize(tidgetPlaceable.size());

  const int buttonSize = scale.Px(kBarButtonSize);
  const int buttonAcross = scale.Px(std::int64_t{captionUnits} / 2 + borderUnits - 8);
  const int captionMiddle = out.border + out.caption / 2;
  if (bar.vertical) {
    const int closeLeft = cross - scale.Px(22);
    const int menuLeft = cross - scale.Px(42);
    out.closeButton = {closeLeft, buttonAcross, closeLeft + buttonSize, buttonAcross + buttonSize};
    out.menuButton = {menuLeft, buttonAcross, menuLeft + buttonSize, buttonAcross + buttonSize};
    out.title = {out.border + scale.Px(4), captionMiddle};
  } else {
    const int closeTop = cross - scale.Px(std::int64_t{borderUnits} + 20);
    const int menuTop = cross - scale.Px(std::int64_t{borderUnits} + 40);
    out.closeButton = {buttonAcross, closeTop, buttonAcross + buttonSize, closeTop + buttonSize};
    out.menuButton = {buttonAcross, menuTop, buttonAcross + buttonSize, menuTop + buttonSize};
    out.title = {captionMiddle, cross - scale.Px(50)};
  }

  // Tidgets are squares of one size: their size and gap are scaled, then flowed in pixels.
  out.tidgetSize = scale.Px(bar.tidgetSize);
  const int gap = scale.Px(bar.tidgetGap);
  int tidgetCount = 0;
  for (bool placeable : tidgetPlaceable) tidgetCount += placeable ? 1 : 0;
  out.stripExtent = StripExtent(inner, out.tidgetSize, gap, tidgetCount);

  const std::vector<RowSize> sizes = RowSizes(widgets, bar, crossUnits, scale);
  int stripStart = FullRows(sizes, bar.splitThick, std::int64_t{captionUnits} + borderUnits, scale, out.rows);
  out.fullLength = ToInt(std::int64_t{stripStart} + out.stripExtent + out.border);
  if (fit.room > 0 && out.fullLength > fit.room) {
    // As long as the room, the strip and the far border keeping their size at its end
    // (longer only when the caption, the arrows and the strip alone do not fit).
    const int start = out.border + out.caption;
    const int end = std::max(ToInt(std::int64_t{fit.room} - out.stripExtent - out.border), start);
    out.rows.clear();
    if (const auto factor = ThinnedRows(sizes, bar.splitThick, start, end, scale, out.rows)) {
      out.factor = *factor;
      stripStart = end;
    } else {
      out.scrolls = true;
      out.factor = 0;
      const int band = scale.Px(kScrollBand);
      stripStart = std::max(end, start + 2 * band);
      const int lastFirst =
          ScrolledRows(sizes, bar.splitThick, start + band, stripStart - band, scale, fit.firstRow, out.rows);
      out.firstRow = std::clamp(fit.firstRow, 0, lastFirst);
      if (out.firstRow > 0) out.scrollBack = ArrowButton(axes, start, band, out.border, inner, scale);
      if (out.firstRow < lastFirst)
        out.scrollOn = ArrowButton(axes, stripStart - band, band, out.border, inner, scale);
    }
  }
  out.length = ToInt(std::int64_t{stripStart} + out.stripExtent + out.border);

  std::vector<bool>& inView = out.widgetsInView;
  inView.assign(widgets.size(), false);
  for (const BarRow& row : out.rows) {
    const std::vector<int> group = GroupOf(widgets, row.leader);
    for (int member : group) inView[member] = true;
    PlaceGroup(widgets, group, row.from, row.to, bar, crossUnits, axes, scale, out);
  }
  for (const RowSize& row : sizes)
    if (!inView[row.leader])
      PlaceGroup(widgets, GroupOf(widgets, row.leader), out.length, out.length + scale.Px(row.least), bar,
                 crossUnits, axes, scale, out);

  out.strip = axes.Make(stripStart, out.stripExtent, out.border, inner);
  const std::vector<Point> flow = FlowTidgets(bar.vertical, inner, out.tidgetSize, gap, tidgetCount);
  for (std::size_t i = 0, next = 0; i < tidgetPlaceable.size(); ++i)
    if (tidgetPlaceable[i]) out.tidgets[i] = flow[next++];

  out.barWidth = bar.vertical ? cross : out.length;
  out.barHeight = bar.vertical ? out.length : cross;
  return out;
}

int SplitterAt(const BarLayout& layout, int along) {
  if (layout.scrolls) return -1;
  for (const BarRow& row : layout.rows) {
    if (along < row.to) return -1;
    if (along <= row.splitEnd) return row.leader;
  }
  return -1;
}

int SplitterAt(const BarSettings& bar, const std::vector<LayoutWidget>& widgets, int along, Scale scale) {
  return SplitterAt(ComputeBarLayout(bar, widgets, {}, scale), along);
}

int ThicknessForReach(const BarSettings& bar, std::vector<LayoutWidget> widgets,
                      const std::vector<bool>& tidgetPlaceable, Scale scale, BarFit fit, int leader,
                      long long reach) {
  const int plain = ClampThickness(scale.Units(reach), bar.widgetMinThick, bar.widgetMaxThick);
  if (leader < 0 || leader >= static_cast<int>(widgets.size())) return plain;
  auto layoutWith = [&](int thickness) {
    widgets[leader].thickness = thickness;
    return ComputeBarLayout(bar, widgets, tidgetPlaceable, scale, fit);
  };
  const BarLayout atPlain = layoutWith(plain);
  if (!atPlain.Shortened() || atPlain.scrolls) return plain;
  auto shown = [&](int thickness) {
    for (const BarRow& row : layoutWith(thickness).rows)
      if (row.leader == leader) return static_cast<long long>(row.to) - row.from;
    return 0LL;
  };
  // A thicker row is never shown thinner, so the least thickness that shows the
  // reach is found by halving; past the maximum the maximum stays.
  int low = std::min(bar.widgetMinThick, bar.widgetMaxThick);
  int high = bar.widgetMaxThick;
  if (shown(high) < reach) return high;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (shown(middle) >= reach)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

BarHit HitTestBar(const BarSettings& bar, const Rect& client, Point point, Scale scale) {
  const int border = scale.Px(bar.bdThick);
  const int caption = scale.Px(std::int64_t{bar.bdThick} + bar.capThick) - border;
  if (bar.vertical) {
    if (point.x < border) return BarHit::Left;
    if (point.x > client.right - border - 1) return BarHit::Right;
    return point.y <= caption ? BarHit::Caption : BarHit::Client;
  }
  if (point.y < border) return BarHit::Top;
  if (point.y > client.bottom - border - 1) return BarHit::Bottom;
  return point.x <= caption ? BarHit::Caption : BarHit::Client;
}

int ClampThickness(int thickness, int minThick, int maxThick) {
  if (thickness <= minThick) thickness = minThick;
  if (thickness >= maxThick) thickness = maxThick;
  return thickness;
}

Point SnapToWorkArea(const Rect& work, const Rect& window, Scale scale) {
  const std::int64_t reach = scale.Px(kSnapDistance);
  const std::int64_t width = std::int64_t{window.right} - window.left;
  const std::int64_t height = std::int64_t{window.bottom} - window.top;
  std::int64_t left = window.left;
  std::int64_t top = window.top;
  if (std::llabs(left - work.left) < reach) left = work.left;
  if (std::llabs(left + width - work.right) < reach) left = work.right - width;
  if (std::llabs(top - work.top) < reach) top = work.top;
  if (std::llabs(top + height - work.bottom) < reach) top = work.bottom - height;
  return {ToInt(left), ToInt(top)};
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
