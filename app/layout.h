// The bar's geometry as values: where every child goes, the tidget strip and its
// flow, the splitter and edge hit tests, the drag clamp and the magnetic snap.
// app/layout_win.cpp applies the results to the real windows.
// Settings and widget thicknesses are 96-DPI units; results are device pixels for
// the bar's display scale. Positions along the bar are added up in units and each
// edge is rounded once, so neighbours never gap or overlap and the bar's length is
// its length in units, scaled.
// A bar longer than its room (its monitor's work area) is shown shorter: the rows
// are thinned by one common factor, never below their minimum, and when even the
// minimums do not fit, the widget area scrolls row by row between two arrow buttons.
// A row's minimum is the bar's widget minimum, or more where a widget's face needs more
// to stay whole. The stored thicknesses stay the full-size ones.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/bar_settings.h"
#include "core/colors.h"
#include "core/geometry.h"
#include "core/scale.h"

inline constexpr int kBarButtonSize = 16;
// Tracking limits of the bar's thickness when the user drags a long edge.
inline constexpr int kMinBarThickness = 100;
inline constexpr int kMaxBarThickness = 640;
// How near (exclusive) an edge of the work area pulls the moved bar onto it.
inline constexpr int kSnapDistance = 30;
// Depth along the bar of the band that holds a scroll arrow: the button and 2 either side.
inline constexpr int kScrollBand = kBarButtonSize + 4;

// What the layout needs of one widget record.
struct LayoutWidget {
  // The record has a live window; one whose kind has no class is left out entirely.
  bool placeable = false;
  bool visible = false;
  bool merged = false;
  int ratio = 0;
  // The object's height on a vertical bar, its width on a horizontal one (units).
  int thickness = 0;
  // The least thickness (pixels) at which the widget's face and controls are whole when
  // it is `across` pixels the other way; none, or 0: the bar's widget minimum will do.
  std::function<int(int across)> usable = {};
};

// The room the bar has along its length and the scrolled position of its widget area.
struct BarFit {
  // Pixels; 0 or less: no limit.
  int room = 0;
  // The first row shown when the widget area scrolls (kept within range by the layout).
  int firstRow = 0;
};

// A row of the bar as shown: a leader with its group, from its start to its end
// along the bar, and the end of the splitter after it (where the next row starts).
struct BarRow {
  int leader = -1;
  int from = 0;
  int to = 0;
  int splitEnd = 0;
};

struct BarLayout {
  int barWidth = 0;
  int barHeight = 0;
  int stripExtent = 0;
  // Thickness of the border and of the caption band.
  int border = 0;
  int caption = 0;
  // Where the title starts: its left edge and the centre line it is centred on across
  // a vertical bar's band; on a horizontal bar the centre line and its start from the bottom.
  Point title;
  int tidgetSize = 0;
  Rect closeButton;
  Rect menuButton;
  // One entry per widget record, in bar client coordinates; empty when not placed.
  std::vector<std::optional<Rect>> widgets;
  // One entry per widget record: placed in a row in view (not scrolled out, not hidden).
  std::vector<bool> widgetsInView;
  Rect strip;
  // One entry per tidget record, in strip coordinates; empty when not placed.
  std::vector<std::optional<Point>> tidgets;
  // The rows in view, in order. A row scrolled out of view has its widgets placed
  // just past the bar's far end, where the bar clips them.
  std::vector<BarRow> rows;
  // The bar's length as shown (barHeight or barWidth) and at full size, as the
  // stored thicknesses give it.
  int length = 0;
  int fullLength = 0;
  // The common factor on the rows' thicknesses: 1 where the bar fits, 0 while it scrolls.
  double factor = 1;
  // Even at their minimums the rows do not fit: the widget area scrolls.
  bool scrolls = false;
  int firstRow = 0;
  // The arrow buttons at the two ends of the widget area, while there is more to see that way.
  std::optional<Rect> scrollBack;
  std::optional<Rect> scrollOn;

  bool Shortened() const { return length < fullLength; }
};

// Tidgets of size t with gap g that fit across an inner extent; at least 1, so a bar
// too thin for even one still shows them, one per line.
int TidgetsPerLine(int extent, int tidgetSize, int tidgetGap);
// Depth of the strip along the bar for `count` placed tidgets.
int StripExtent(int extent, int tidgetSize, int tidgetGap, int count);
// Positions inside the strip of `count` tidgets flowed across `extent`: left to right
// in rows on a vertical bar, top to bottom in columns on a horizontal one.
std::vector<Point> FlowTidgets(bool vertical, int extent, int tidgetSize, int tidgetGap, int count);

// The whole layout pass. tidgetPlaceable: per tidget record, visible and with a window.
BarLayout ComputeBarLayout(const BarSettings& bar, const std::vector<LayoutWidget>& widgets,
                           const std::vector<bool>& tidgetPlaceable, Scale scale = {}, BarFit fit = {});

// The leader whose splitter covers client coordinate `along` (y on a vertical bar,
// x on a horizontal one), as a record index, or -1. A scrolling widget area has no
// splitters: its rows are at their minimum whatever their stored thickness.
int SplitterAt(const BarLayout& layout, int along);
int SplitterAt(const BarSettings& bar, const std::vector<LayoutWidget>& widgets, int along, Scale scale = {});

// The stored thickness (units) a splitter drag gives record `leader` when the pointer
// is `reach` pixels past the row's start: where the bar fits, the reach in units; in a
// shortened bar, the full-size thickness that shows the row `reach` pixels thick.
int ThicknessForReach(const BarSettings& bar, std::vector<LayoutWidget> widgets,
                      const std::vector<bool>& tidgetPlaceable, Scale scale, BarFit fit, int leader,
                      long long reach);

enum class BarHit { Client, Caption, Left, Right, Top, Bottom };
// Which part of the bar a client point is on: the long edges resize, the caption
// band (with the border before it) moves.
BarHit HitTestBar(const BarSettings& bar, const Rect& client, Point point, Scale scale = {});

// A dragged widget thickness kept within the two limits; the maximum wins if they cross.
int ClampThickness(int thickness, int minThick, int maxThick);

// Top-left of `window` after pulling each edge that is within kSnapDistance (units)
// of the work area onto it; right and bottom win over left and top.
Point SnapToWorkArea(const Rect& work, const Rect& window, Scale scale = {});

// The 3-D border lines: each channel of the border colour raised or lowered by 64.
struct EdgeColors {
  ColorRef light = 0;
  ColorRef dark = 0;
};
EdgeColors BorderEdgeColors(ColorRef border);
