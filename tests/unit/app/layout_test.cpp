#include "app/layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

LayoutWidget Panel(int thickness, bool merged = false, int ratio = 100, bool visible = true) {
  return {true, visible, merged, ratio, thickness};
}

BarSettings Vertical() { return BarSettings{}; }

BarSettings Horizontal() {
  BarSettings bar;
  bar.vertical = false;
  return bar;
}

std::vector<bool> Tidgets(int count) { return std::vector<bool>(count, true); }

// --- Widgets in a vertical bar --------------------------------------------------

TEST(BarLayout, LoneClockSitsBelowTheCaptionAndTheNextStartsAfterTheSplitter) {
  BarLayout layout = ComputeBarLayout(Vertical(), {Panel(80), Panel(100)}, {});
  EXPECT_EQ(layout.widgets[0], (Rect{4, 28, 196, 108}));
  EXPECT_EQ(layout.widgets[1]->top, 113);
  EXPECT_EQ(layout.widgets[1]->Width(), 192);
}

TEST(BarLayout, MergedPairSharesTheRowAndTheLastTakesTheRest) {
  BarLayout layout = ComputeBarLayout(Vertical(), {Panel(50), Panel(50, true)}, {});
  EXPECT_EQ(layout.widgets[0], (Rect{4, 28, 97, 78}));
  EXPECT_EQ(layout.widgets[1], (Rect{102, 28, 196, 78}));
  // The row's thickness is the leader's: the follower's own is not looked at.
  BarLayout tall = ComputeBarLayout(Vertical(), {Panel(50), Panel(90, true)}, {});
  EXPECT_EQ(tall.widgets[1]->Height(), 50);
}

TEST(BarLayout, FixedShareKeepsItsPixelsUnlessLast) {
  // 192 - 2 * 5 = 182, minus the fixed 40 leaves 142 for the two weighted members.
  BarLayout middle = ComputeBarLayout(Vertical(), {Panel(50), Panel(50, true, -40), Panel(50, true, 100)}, {});
  EXPECT_EQ(middle.widgets[0]->Width(), 71);
  EXPECT_EQ(middle.widgets[1]->left, 80);
  EXPECT_EQ(middle.widgets[1]->Width(), 40);
  EXPECT_EQ(middle.widgets[2]->left, 125);
  EXPECT_EQ(middle.widgets[2]->Width(), 71);

  BarLayout last = ComputeBarLayout(Vertical(), {Panel(50), Panel(50, true, -40)}, {});
  EXPECT_EQ(last.widgets[0]->Width(), 147);
  EXPECT_EQ(last.widgets[1]->left, 156);
  EXPECT_EQ(last.widgets[1]->Width(), 40);
  // Last behind a fixed leader: it takes what remains, not its 40.
  BarLayout lastRest = ComputeBarLayout(Vertical(), {Panel(50, false, -100), Panel(50, true, -40)}, {});
  EXPECT_EQ(lastRest.widgets[0]->Width(), 100);
  EXPECT_EQ(lastRest.widgets[1]->left, 109);
  EXPECT_EQ(lastRest.widgets[1]->Width(), 87);
}

TEST(BarLayout, AllFixedGroupNeedsNoDivisionAndLastIsFlooredAtZero) {
  BarLayout layout = ComputeBarLayout(Vertical(), {Panel(50, false, -150), Panel(50, true, -150)}, {});
  EXPECT_EQ(layout.widgets[0]->Width(), 150);
  EXPECT_EQ(layout.widgets[1]->left, 159);
  EXPECT_EQ(layout.widgets[1]->Width(), 37);
  BarLayout over = ComputeBarLayout(Vertical(), {Panel(50, false, -250), Panel(50, true, 0)}, {});
  EXPECT_EQ(over.widgets[1]->left, 259);
  EXPECT_EQ(over.widgets[1]->Width(), 0);
}

TEST(BarLayout, HiddenRecordsAndOrphanFollowersAreNotPlaced) {
  // A hidden leader takes its followers with it; a hidden follower of a shown
  // leader still takes its share.
  BarLayout layout = ComputeBarLayout(
      Vertical(), {Panel(50, true), Panel(60, false, 100, false), Panel(70, true), Panel(80),
                   Panel(90, true, 100, false)},
      {});
  EXPECT_FALSE(layout.widgets[0]);
  EXPECT_FALSE(layout.widgets[1]);
  EXPECT_FALSE(layout.widgets[2]);
  EXPECT_EQ(layout.widgets[3], (Rect{4, 28, 97, 108}));
  EXPECT_EQ(layout.widgets[4], (Rect{102, 28, 196, 108}));
  EXPECT_EQ(layout.strip.top, 113);
  EXPECT_EQ(layout.widgetsInView, (std::vector<bool>{false, false, false, true, true}));
}

TEST(BarLayout, RecordsWithoutAWindowTakeNoRoom) {
  LayoutWidget unknown = Panel(60);
  unknown.placeable = false;
  LayoutWidget unknownFollower = Panel(60, true);
  unknownFollower.placeable = false;
  BarLayout layout = ComputeBarLayout(
      Vertical(), {unknown, Panel(80), unknownFollower, Panel(80, true), Panel(50)}, {});
  EXPECT_FALSE(layout.widgets[0]);
  EXPECT_FALSE(layout.widgets[2]);
  EXPECT_EQ(layout.widgets[1], (Rect{4, 28, 97, 108}));
  EXPECT_EQ(layout.widgets[3], (Rect{102, 28, 196, 108}));
  EXPECT_EQ(layout.widgets[4]->top, 113);
}

TEST(BarLayout, HugeStoredRatiosDoNotOverflow) {
  BarLayout layout = ComputeBarLayout(
      Vertical(), {Panel(50, false, INT_MAX), Panel(50, true, INT_MAX), Panel(50, true, INT_MIN)}, {});
  ASSERT_TRUE(layout.widgets[2]);
  EXPECT_EQ(layout.widgets[2]->right, 196);
}

// --- Buttons, strip and bar size ------------------------------------------------

TEST(BarLayout, ButtonsSitInTheCaptionBand) {
  BarLayout vertical = ComputeBarLayout(Vertical(), {}, {});
  EXPECT_EQ(vertical.closeButton, (Rect{178, 8, 194, 24}));
  EXPECT_EQ(vertical.menuButton, (Rect{158, 8, 174, 24}));
  BarLayout horizontal = ComputeBarLayout(Horizontal(), {}, {});
  EXPECT_EQ(horizontal.closeButton, (Rect{8, 96, 24, 112}));
  EXPECT_EQ(horizontal.menuButton, (Rect{8, 76, 24, 92}));
}

TEST(BarLayout, SevenTidgetsMakeTwoLinesAndTheBarEndsAfterTheStrip) {
  BarLayout layout = ComputeBarLayout(Vertical(), {Panel(80)}, Tidgets(7));
  EXPECT_EQ(layout.stripExtent, 60);
  EXPECT_EQ(layout.strip, (Rect{4, 113, 196, 173}));
  EXPECT_EQ(layout.tidgets[0], (Point{4, 4}));
  EXPECT_EQ(layout.tidgets[5], (Point{144, 4}));
  EXPECT_EQ(layout.tidgets[6], (Point{4, 32}));
  EXPECT_EQ(layout.barWidth, 200);
  EXPECT_EQ(layout.barHeight, 60 + 4 + 113);
}

TEST(BarLayout, HiddenTidgetsLeaveNoGap) {
  BarLayout layout = ComputeBarLayout(Vertical(), {}, {true, false, true});
  EXPECT_EQ(layout.tidgets[0], (Point{4, 4}));
  EXPECT_FALSE(layout.tidgets[1]);
  EXPECT_EQ(layout.tidgets[2], (Point{32, 4}));
}

TEST(StripExtent, EmptyStripIsOneLineDeepUnlessOnlyOneFits) {
  EXPECT_EQ(StripExtent(192, 24, 4, 0), 32);
  EXPECT_EQ(StripExtent(192, 24, 4, 6), 32);
  // Exactly one fits across 52 - 4 = 48: no tidget gives just the gap.
  EXPECT_EQ(StripExtent(52, 24, 4, 0), 4);
  EXPECT_EQ(StripExtent(52, 24, 4, 3), 88);
}

TEST(StripExtent, TooThinForOneTidgetPlacesOnePerLine) {
  EXPECT_EQ(TidgetsPerLine(20, 24, 4), 1);
  EXPECT_EQ(StripExtent(20, 24, 4, 3), 3 * 28 + 4);
  std::vector<Point> flow = FlowTidgets(true, 20, 24, 4, 3);
  EXPECT_EQ(flow[0], (Point{4, 4}));
  EXPECT_EQ(flow[1], (Point{4, 32}));
  EXPECT_EQ(flow[2], (Point{4, 60}));
  // Zero size and gap: no division by zero.
  EXPECT_EQ(StripExtent(100, 0, 0, 5), 0);
  EXPECT_EQ(TidgetsPerLine(-50, 24, 4), 1);
}

TEST(StripExtent, FlowWrapsExactlyWhenTheNextDoesNotFit) {
  // The fourth tidget starts at 88 and needs its trailing gap too: 116. The strip
  // extent must agree with the flow on both sides of that edge.
  EXPECT_EQ(TidgetsPerLine(115, 24, 4), 3);
  EXPECT_EQ(FlowTidgets(true, 115, 24, 4, 4)[3], (Point{4, 32}));
  EXPECT_EQ(TidgetsPerLine(116, 24, 4), 4);
  EXPECT_EQ(FlowTidgets(true, 116, 24, 4, 4)[3], (Point{88, 4}));
}

// --- The horizontal bar ---------------------------------------------------------

TEST(BarLayout, HorizontalBarRunsLeftToRight) {
  BarLayout layout = ComputeBarLayout(Horizontal(), {Panel(120), Panel(120), Panel(120, true)}, Tidgets(7));
  EXPECT_EQ(layout.widgets[0], (Rect{28, 4, 148, 116}));
  // Inner 112, avail 107: the first member gets 53, the second starts at 4 + 53 + 5.
  EXPECT_EQ(layout.widgets[1], (Rect{153, 4, 273, 57}));
  EXPECT_EQ(layout.widgets[2], (Rect{153, 62, 273, 116}));
  // Inner 112 holds 3 tidgets a column: seven need three columns.
  EXPECT_EQ(layout.stripExtent, 3 * 28 + 4);
  EXPECT_EQ(layout.strip, (Rect{278, 4, 278 + 88, 116}));
  EXPECT_EQ(layout.tidgets[3], (Point{32, 4}));
  EXPECT_EQ(layout.tidgets[2], (Point{4, 60}));
  EXPECT_EQ(layout.barHeight, 120);
  EXPECT_EQ(layout.barWidth, 4 + 88 + 278);
}

// --- Display scale --------------------------------------------------------------

// The same bar at 100, 125, 150 and 200 %: a lone row, a merged pair, two more rows
// and seven tidgets. Edges are rounded once, so every row still ends exactly at the
// far border, splitters keep their place in the hit test, and the bar ends after the strip.
TEST(BarLayout, ScaledBarKeepsItsShapeAtEveryDpi) {
  struct Case {
    int dpi;
    int barWidth, barHeight, caption;
    Rect first, pairLeft, pairRight, closeButton;
    int stripTop;
    Point seventhTidget;
  };
  const Case cases[] = {
      {96, 200, 402, 24, {4, 28, 196, 108}, {4, 178, 97, 228}, {102, 178, 196, 228}, {178, 8, 194, 24}, 338, {4, 32}},
      {120, 250, 503, 30, {5, 35, 245, 135}, {5, 223, 121, 285}, {128, 223, 245, 285}, {222, 10, 242, 30}, 423,
       {5, 40}},
      {144, 300, 603, 36, {6, 42, 294, 162}, {6, 267, 146, 342}, {153, 267, 294, 342}, {267, 12, 291, 36}, 507,
       {6, 48}},
      {192, 400, 804, 48, {8, 56, 392, 216}, {8, 356, 194, 456}, {204, 356, 392, 456}, {356, 16, 388, 48}, 676,
       {8, 64}},
  };
  const std::vector<LayoutWidget> widgets = {Panel(80), Panel(60), Panel(50), Panel(50, true), Panel(100)};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    const Scale scale(c.dpi);
    const BarLayout layout = ComputeBarLayout(Vertical(), widgets, Tidgets(7), scale);
    EXPECT_EQ(layout.barWidth, c.barWidth);
    EXPECT_EQ(layout.barHeight, c.barHeight);
    EXPECT_EQ(layout.caption, c.caption);
    EXPECT_EQ(layout.widgets[0], c.first);
    EXPECT_EQ(layout.widgets[2], c.pairLeft);
    EXPECT_EQ(layout.widgets[3], c.pairRight);
    EXPECT_EQ(layout.closeButton, c.closeButton);
    EXPECT_EQ(layout.strip.top, c.stripTop);
    EXPECT_EQ(layout.tidgets[6], c.seventhTidget);
    // No gap, no overlap: rows end at the far border, the strip ends where the bar's border begins.
    for (int i : {0, 1, 3, 4}) EXPECT_EQ(layout.widgets[i]->right, layout.barWidth - layout.border) << i;
    EXPECT_EQ(layout.strip.bottom + layout.border, layout.barHeight);
    EXPECT_LE(layout.tidgets[5]->x + layout.tidgetSize, layout.strip.Width());
    // The splitter under the first row runs from its end to the second row's start, both included.
    const int end = layout.widgets[0]->bottom;
    const int next = layout.widgets[1]->top;
    EXPECT_EQ(SplitterAt(Vertical(), widgets, end - 1, scale), -1);
    EXPECT_EQ(SplitterAt(Vertical(), widgets, end, scale), 0);
    EXPECT_EQ(SplitterAt(Vertical(), widgets, next, scale), 0);
    EXPECT_EQ(SplitterAt(Vertical(), widgets, next + 1, scale), -1);
  }
}

// --- A bar longer than its room -------------------------------------------------

// The default set's rows: clock, CPU, memory with the battery merged, disk, music,
// memo, calculator, radix converter, slide show; each record's vertical and horizontal
// thickness. 917 pixels long at full size when vertical, 1325 when horizontal.
std::vector<LayoutWidget> DefaultRows(bool vertical) {
  const int sizes[][3] = {{80, 120, 0},  {100, 140, 0}, {50, 120, 0},  {50, 120, 1},  {50, 120, 0},
                          {150, 120, 0}, {150, 150, 0}, {50, 120, 0},  {50, 120, 0},  {100, 150, 0}};
  std::vector<LayoutWidget> rows;
  for (const auto& size : sizes) rows.push_back(Panel(vertical ? size[0] : size[1], size[2] != 0));
  return rows;
}

// Thinned by one factor down to the room, rows at their minimum of 30 kept there, and
// scrolled a page at a time between two arrows when even that does not fit. The
// caption band, the splitters and the strip keep their size; no gap, no overlap.
TEST(BarLayout, BarLongerThanItsRoomIsThinnedToItThenScrolls) {
  struct Case {
    bool vertical;
    int dpi, room, firstRow;
    int length;
    double factor;
    int rowsAtLeast;  // rows shown at their minimum
    int rowsShown, firstShown;
    bool back, on;  // the arrows
  };
  const Case cases[] = {
      {true, 96, 0, 0, 917, 1, 0, 9, 0, false, false},       // no limit
      {true, 96, 1024, 0, 917, 1, 0, 9, 0, false, false},    // fits
      {true, 96, 917, 0, 917, 1, 0, 9, 0, false, false},     // exactly
      {true, 96, 768, 0, 768, 631 / 780.0, 0, 9, 0, false, false},    // 1.2 times too long
      {true, 144, 1080, 0, 1080, 583 / 780.0, 0, 9, 0, false, false},  // 1920 x 1080 at 150 %
      {true, 96, 500, 0, 500, 243 / 580.0, 4, 9, 0, false, false},    // the 50s reach their 30
      {true, 96, 400, 0, 400, 0, 7, 7, 0, false, true},     // even 30 each is too long: a page of 7
      {true, 96, 400, 1, 400, 0, 7, 7, 1, true, true},
      {true, 96, 400, 9, 400, 0, 7, 7, 2, true, false},     // the last page ends with the last row
      {false, 96, 1366, 0, 1325, 1, 0, 9, 0, false, false},
      {false, 96, 1100, 0, 1100, 935 / 1160.0, 0, 9, 0, false, false},
      {false, 96, 420, 0, 420, 0, 7, 7, 0, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.vertical ? "vertical " : "horizontal ") << c.dpi << " dpi, room "
                                    << c.room << ", first row " << c.firstRow);
    const BarSettings bar = c.vertical ? Vertical() : Horizontal();
    const Scale scale(c.dpi);
    const std::vector<LayoutWidget> widgets = DefaultRows(c.vertical);
    const BarLayout full = ComputeBarLayout(bar, widgets, Tidgets(7), scale);
    const BarLayout fitted = ComputeBarLayout(bar, widgets, Tidgets(7), scale, {c.room, c.firstRow});
    EXPECT_EQ(fitted.length, c.length);
    EXPECT_EQ(c.vertical ? fitted.barHeight : fitted.barWidth, c.length);
    EXPECT_EQ(fitted.fullLength, full.length);
    EXPECT_NEAR(fitted.factor, c.factor, 0.0001);
    ASSERT_EQ(static_cast<int>(fitted.rows.size()), c.rowsShown);
    EXPECT_EQ(fitted.firstRow, c.firstShown);
    EXPECT_EQ(fitted.scrollBack.has_value(), c.back);
    EXPECT_EQ(fitted.scrollOn.has_value(), c.on);
    if (fitted.factor == 1) {
      EXPECT_EQ(fitted.widgets, full.widgets);  // where it fits, nothing changes
      EXPECT_EQ(fitted.strip, full.strip);
    }
    // The caption band and the strip keep their size; the strip ends at the bar's border.
    EXPECT_EQ(fitted.caption, full.caption);
    EXPECT_EQ(fitted.stripExtent, full.stripExtent);
    const int stripStart = c.vertical ? fitted.strip.top : fitted.strip.left;
    EXPECT_EQ(stripStart + fitted.stripExtent + fitted.border, c.length);
    // Row after row with a splitter between, from the caption band (and the back
    // arrow's band) to the strip (or the forward arrow's band).
    const int band = fitted.scrolls ? scale.Px(kScrollBand) : 0;
    int along = fitted.border + fitted.caption + band;
    int atLeast = 0;
    const int least = scale.Px(30);
    const int split = scale.Px(5);
    for (const BarRow& row : fitted.rows) {
      EXPECT_EQ(row.from, along) << row.leader;
      const Rect& shown = *fitted.widgets[row.leader];
      EXPECT_EQ(c.vertical ? shown.top : shown.left, row.from) << row.leader;
      EXPECT_EQ(c.vertical ? shown.bottom : shown.right, row.to) << row.leader;
      EXPECT_GE(row.to - row.from, least) << row.leader;
      EXPECT_NEAR(row.splitEnd - row.to, split, 1) << row.leader;
      atLeast += row.to - row.from == least;
      along = row.splitEnd;
    }
    EXPECT_EQ(atLeast, c.rowsAtLeast);
    if (fitted.scrolls)
      EXPECT_LE(along, stripStart - band);
    else
      EXPECT_EQ(along, stripStart);
    // Rows out of view lie past the bar's far end, and are marked so.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
      if (fitted.widgets[i] && (c.vertical ? fitted.widgets[i]->bottom : fitted.widgets[i]->right) > c.length)
        EXPECT_GE(c.vertical ? fitted.widgets[i]->top : fitted.widgets[i]->left, c.length) << i;
      const bool before = fitted.widgets[i] && (c.vertical ? fitted.widgets[i]->top : fitted.widgets[i]->left) < c.length;
      EXPECT_EQ(fitted.widgetsInView[i], before) << i;
    }
  }
}

// A thinned row is held at what its widgets need to stay whole when that is more than
// the bar's minimum, never at more than its own thickness; each member of a group is
// asked at its own width. The default rows; the calculator is record 7.
TEST(BarLayout, ThinnedRowsAreHeldAtWhatTheirFacesNeed) {
  auto needs = [](int pixels) { return [pixels](int) { return pixels; }; };
  struct Case {
    const char* what;
    int dpi, room;
    int record;  // the one that needs
    std::function<int(int)> usable;
    int row;     // the record whose row is measured
    int shown;   // its thickness in pixels; 0: as without the need
  };
  const Case cases[] = {
      {"held at its need", 96, 768, 7, needs(47), 7, 47},
      {"a need below its thinned size", 96, 768, 7, needs(20), 7, 0},
      {"where the bar fits", 96, 1024, 7, needs(200), 7, 50},
      {"never more than its own thickness", 96, 768, 7, needs(200), 7, 50},
      {"a merged member at its width", 96, 768, 3, [](int across) { return across == 94 ? 45 : 0; }, 2, 45},
      {"whole units at 150 %", 144, 1080, 7, needs(71), 7, 72},
      {"scrolling", 96, 400, 0, needs(47), 0, 47},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<LayoutWidget> widgets = DefaultRows(true);
    const BarFit fit{c.room, 0};
    const BarLayout before = ComputeBarLayout(Vertical(), widgets, Tidgets(7), Scale(c.dpi), fit);
    widgets[c.record].usable = c.usable;
    const BarLayout held = ComputeBarLayout(Vertical(), widgets, Tidgets(7), Scale(c.dpi), fit);
    EXPECT_EQ(held.widgets[c.row]->Height(), c.shown ? c.shown : before.widgets[c.row]->Height());
    EXPECT_EQ(held.length, before.length);  // the others give way
  }
}

// Dragged in a thinned bar, a splitter stores the full-size thickness that shows the
// row as thick as the pointer reaches; where the bar fits, the reach itself.
TEST(ThicknessForReach, StoresTheFullSizeThicknessTheDraggedRowShows) {
  struct Case {
    int room, reach;
    int thickness;
  } cases[] = {
      {0, 100, 100},   {1024, 100, 100}, {1024, 10, 30},  // fits: the reach, within the limits
      {768, 65, 80},   {768, 100, 132},                     // thinned: the others give way too
      {768, 1000, 300}, {768, -40, 30},                     // beyond the limits
      {400, 100, 100},                                      // scrolling: the rows show their minimum anyway
  };
  const std::vector<LayoutWidget> widgets = DefaultRows(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "room " << c.room << ", reach " << c.reach);
    const BarFit fit{c.room, 0};
    const int thickness = ThicknessForReach(Vertical(), widgets, Tidgets(7), {}, fit, 0, c.reach);
    EXPECT_EQ(thickness, c.thickness);
    std::vector<LayoutWidget> dragged = widgets;
    dragged[0].thickness = thickness;
    const BarLayout shown = ComputeBarLayout(Vertical(), dragged, Tidgets(7), {}, fit);
    if (c.room == 768 && thickness > 30 && thickness < 300) EXPECT_EQ(shown.rows[0].to - shown.rows[0].from, c.reach);
  }
}

// --- Hit tests ------------------------------------------------------------------

TEST(SplitterAt, CoversTheGapAndOnePixelMore) {
  const std::vector<LayoutWidget> widgets = {Panel(80), Panel(50), Panel(50, true)};
  // The clock ends at 28 + 80 = 108.
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 107), -1);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 108), 0);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 113), 0);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 114), -1);
  // The gap after the last row (before the strip) is a splitter of its leader too.
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 163), 1);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 168), 1);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 169), -1);
  EXPECT_EQ(SplitterAt(Vertical(), widgets, 5), -1);
}

TEST(SplitterAt, SkipsHiddenAndWindowlessRecordsAndUsesWidthWhenHorizontal) {
  LayoutWidget unknown = Panel(500);
  unknown.placeable = false;
  const std::vector<LayoutWidget> widgets = {unknown, Panel(500, false, 100, false), Panel(120)};
  EXPECT_EQ(SplitterAt(Horizontal(), widgets, 148), 2);
  EXPECT_EQ(SplitterAt(Horizontal(), widgets, 153), 2);
  EXPECT_EQ(SplitterAt(Horizontal(), widgets, 147), -1);
}

TEST(HitTestBar, VerticalBarResizesByItsSidesAndMovesByTheCaption) {
  const Rect client{0, 0, 200, 500};
  const BarSettings bar = Vertical();
  EXPECT_EQ(HitTestBar(bar, client, {3, 300}), BarHit::Left);
  EXPECT_EQ(HitTestBar(bar, client, {4, 300}), BarHit::Client);
  EXPECT_EQ(HitTestBar(bar, client, {195, 300}), BarHit::Client);
  EXPECT_EQ(HitTestBar(bar, client, {196, 300}), BarHit::Right);
  EXPECT_EQ(HitTestBar(bar, client, {100, 0}), BarHit::Caption);
  EXPECT_EQ(HitTestBar(bar, client, {100, 24}), BarHit::Caption);
  EXPECT_EQ(HitTestBar(bar, client, {100, 25}), BarHit::Client);
  EXPECT_EQ(HitTestBar(bar, client, {2, 10}), BarHit::Left);
  EXPECT_EQ(HitTestBar(bar, client, {100, 499}), BarHit::Client);
}

TEST(HitTestBar, HorizontalBarResizesByTopAndBottom) {
  const Rect client{0, 0, 600, 120};
  const BarSettings bar = Horizontal();
  EXPECT_EQ(HitTestBar(bar, client, {300, 3}), BarHit::Top);
  EXPECT_EQ(HitTestBar(bar, client, {300, 116}), BarHit::Bottom);
  EXPECT_EQ(HitTestBar(bar, client, {300, 115}), BarHit::Client);
  EXPECT_EQ(HitTestBar(bar, client, {24, 60}), BarHit::Caption);
  EXPECT_EQ(HitTestBar(bar, client, {25, 60}), BarHit::Client);
  EXPECT_EQ(HitTestBar(bar, client, {599, 60}), BarHit::Client);
}

// --- Drag clamp, snap, border colours ------------------------------------------

TEST(ClampThickness, StopsAtBothLimits) {
  EXPECT_EQ(ClampThickness(80 + 500, 30, 300), 300);
  EXPECT_EQ(ClampThickness(-20, 30, 300), 30);
  EXPECT_EQ(ClampThickness(30, 30, 300), 30);
  EXPECT_EQ(ClampThickness(31, 30, 300), 31);
  EXPECT_EQ(ClampThickness(299, 30, 300), 299);
  // Crossed limits: the maximum is applied last.
  EXPECT_EQ(ClampThickness(10, 50, 40), 40);
}

TEST(SnapToWorkArea, PullsEdgesWithin29Pixels) {
  const Rect work{0, 0, 1280, 994};
  EXPECT_EQ(SnapToWorkArea(work, {29, 300, 229, 800}), (Point{0, 300}));
  EXPECT_EQ(SnapToWorkArea(work, {30, 300, 230, 800}), (Point{30, 300}));
  EXPECT_EQ(SnapToWorkArea(work, {-29, 300, 171, 800}), (Point{0, 300}));
  EXPECT_EQ(SnapToWorkArea(work, {1060, 20, 1260, 520}), (Point{1080, 0}));
  EXPECT_EQ(SnapToWorkArea(work, {500, 480, 700, 980}), (Point{500, 494}));
  EXPECT_EQ(SnapToWorkArea(work, {500, 463, 700, 963}), (Point{500, 463}));
}

TEST(SnapToWorkArea, FarEdgeWinsWhenBothAreInReach) {
  const Rect work{100, 0, 300, 994};
  EXPECT_EQ(SnapToWorkArea(work, {110, 10, 290, 984}), (Point{120, 20}));
  // Offset work area (a second monitor, a task bar at the top).
  EXPECT_EQ(SnapToWorkArea({1280, 40, 2560, 1024}, {1300, 60, 1500, 500}), (Point{1280, 40}));
}

TEST(BorderEdgeColors, ChannelsMoveBy64AndClamp) {
  EdgeColors grey = BorderEdgeColors(0xC8C8C8);  // 200 in every channel
  EXPECT_EQ(grey.light, 0xFFFFFFu);
  EXPECT_EQ(grey.dark, 0x888888u);
  EdgeColors dark = BorderEdgeColors(0x282828);  // 40
  EXPECT_EQ(dark.light, 0x686868u);
  EXPECT_EQ(dark.dark, 0u);
  // Channels move independently (COLORREF 0x00BBGGRR).
  EdgeColors mixed = BorderEdgeColors(0x10C080);
  EXPECT_EQ(mixed.light, 0x50FFC0u);
  EXPECT_EQ(mixed.dark, 0x008040u);
}

}  // namespace
