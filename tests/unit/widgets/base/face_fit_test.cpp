#include "widgets/base/face_fit.h"

#include <gtest/gtest.h>

#include "widgets/calc/calc.h"
#include "widgets/clock/clock.h"
#include "widgets/cpu/cpu.h"
#include "widgets/gauges/gauges.h"
#include "widgets/memo/memo.h"
#include "widgets/music/music_view.h"
#include "widgets/radix/radix.h"

namespace {

int NeverWhole(bool vertical, int across, Scale scale) {
  return LeastWholeThickness(vertical, across, scale, [](const FaceSize&) { return false; });
}

// Each kind's need, worked out from its layout at 100 % (in the comments) and checked
// at 150 % too; `across` is the widget's size the other way, in units.
TEST(UsableThickness, EachKindNeedsWhatItsFaceTakesAtTheScale) {
  struct Case {
    const char* kind;
    UsableThicknessRule rule;
    bool vertical;
    int across;
    int at96, at144;
  };
  const Case cases[] = {
      {"clock", ClockUsableThickness, true, 192, 63, 95},        // 35-high time from the middle - 3
      {"clock, horizontal", ClockUsableThickness, false, 192, 0, 0},  // lines centred across: any width
      {"cpu", CpuUsableThickness, true, 192, 41, 62},            // "0" centred on the plot's bottom at h - 35
      {"memory", MemoryUsableThickness, true, 192, 34, 52},      // a 15-high line either side of the middle
      {"memory, narrow", MemoryUsableThickness, true, 93, 28, 42},  // 12-high lines; the 28-high figure
      {"battery", BatteryUsableThickness, true, 192, 39, 59},    // the 20-high box from the middle
      {"disk", DiskUsableThickness, true, 192, 34, 52},          // the figures to 24 + 7, 2 clear
      {"player", music::PlayerUsableThickness, true, 192, 97, 146},  // the list from 50: 3 lines, 2 borders
      {"player, horizontal", music::PlayerUsableThickness, false, 120, 106, 159},  // the top row of buttons
      {"memo", MemoUsableThickness, true, 192, 64, 95},          // the edit from 28 to h - 2: 2 lines + 4
      {"memo, horizontal", MemoUsableThickness, false, 150, 70, 105},  // the title list before 3 buttons
      {"calc", CalcUsableThickness, true, 192, 47, 71},          // the copy button to 45, 2 clear
      {"radix", RadixUsableThickness, true, 192, 49, 75},        // two rows of fields round the middle
      {"radix, narrow", RadixUsableThickness, true, 93, 74, 112},  // three rows
      {"never whole", NeverWhole, true, 192, 0, 0},              // the bar's minimum will do
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(c.rule(c.vertical, c.across, Scale(96)), c.at96);
    EXPECT_EQ(c.rule(c.vertical, Scale(144).Px(c.across), Scale(144)), c.at144);
  }
}

}  // namespace
