#include "widgets/gauges/gauges.h"

#include <gtest/gtest.h>

#include "tests/unit/support/built_in_texts.h"

namespace {

using test_support::KoreanTexts;

constexpr std::uint64_t kGiB = 1ULL << 30;

DriveTable Drives(std::initializer_list<DriveEntry> entries) {
  DriveTable table;
  for (const DriveEntry& e : entries) table.Add(e);
  return table;
}

// ---- Memory ----------------------------------------------------------------

TEST(MemoryGauge, SixteenGigabytesWithNineAndAHalfAvailable) {
  const MemoryFigures figures{41, 16 * kGiB, 19 * kGiB / 2};
  const MemoryFace face = MemoryFaceFor(figures, KoreanTexts(), 120, 50);
  EXPECT_EQ(face.totalLine, u"RAM 16.0G중");
  EXPECT_EQ(face.usedLine, u"6.5G사용");
  EXPECT_EQ(face.loadText, u"41%");
  EXPECT_EQ(face.totalAt, (Point{4, 23}));
  EXPECT_EQ(face.usedAt, (Point{4, 27}));
  EXPECT_EQ(face.loadRight, 116);
}

TEST(MemoryGauge, PrefixNeedsOneHundredPixels) {
  const MemoryFigures figures{50, 8 * kGiB, 4 * kGiB};
  const MemoryFace narrow = MemoryFaceFor(figures, KoreanTexts(), 99, 50);
  EXPECT_TRUE(narrow.smallText);
  EXPECT_EQ(narrow.totalLine, u"8.0G중");
  const MemoryFace wide = MemoryFaceFor(figures, KoreanTexts(), 100, 50);
  EXPECT_FALSE(wide.smallText);
  EXPECT_EQ(wide.totalLine, u"RAM 8.0G중");
}

TEST(MemoryGauge, OneDecimalRoundsAndNeverGoesNegative) {
  EXPECT_EQ(OneDecimal(15.94), u"15.9");
  EXPECT_EQ(OneDecimal(15.96), u"16.0");
  EXPECT_EQ(OneDecimal(0.0), u"0.0");
  // More available than installed (a failed read) shows 0 used.
  const MemoryFace face = MemoryFaceFor(MemoryFigures{0, kGiB, 2 * kGiB}, KoreanTexts(), 120, 50);
  EXPECT_EQ(face.usedLine, u"0.0G사용");
}

// ---- Disk ------------------------------------------------------------------

TEST(DiskFilter, FixedAlwaysRemovableByDefaultNetworkOnRequest) {
  const DriveFilter defaults;
  EXPECT_TRUE(AcceptDrive(DriveType::Fixed, defaults));
  EXPECT_TRUE(AcceptDrive(DriveType::Removable, defaults));
  EXPECT_FALSE(AcceptDrive(DriveType::Remote, defaults));
  EXPECT_FALSE(AcceptDrive(DriveType::Other, defaults));  // optical, RAM disk, no root
  const DriveFilter fixedOnly{false, false};
  EXPECT_FALSE(AcceptDrive(DriveType::Removable, fixedOnly));
  EXPECT_TRUE(AcceptDrive(DriveType::Fixed, fixedOnly));
  EXPECT_TRUE(AcceptDrive(DriveType::Remote, DriveFilter{false, true}));
}

TEST(DiskTable, EndsWithTheZeroLetterAndNeverOverruns) {
  DriveTable table;
  EXPECT_EQ(table[0].letter, kDriveListEnd);
  int accepted = 0;
  for (int i = 0; i < 30; ++i)
    if (table.Add({static_cast<char16_t>(u'A' + i % 26), kGiB, 2 * kGiB})) ++accepted;
  EXPECT_EQ(accepted, kDriveTableSize - 1);
  EXPECT_EQ(table.count(), 24);
  EXPECT_EQ(table[23].letter, u'X');
  EXPECT_EQ(table[24].letter, kDriveListEnd);
  table.Clear();
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(table[0].letter, kDriveListEnd);
}

TEST(DiskRows, ProportionalBarsFollowTheLargestDrive) {
  const DriveTable table = Drives({{u'C', 40 * kGiB, 100 * kGiB}, {u'D', 50 * kGiB, 50 * kGiB}});
  const auto rows = DiskRows(table, 225, true);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].box, (Rect{20, 3, 220, 15}));
  EXPECT_EQ(rows[1].box, (Rect{20, 38, 120, 50}));  // half as long
  EXPECT_EQ(rows[1].y, 44);
  EXPECT_EQ(rows[0].used, (Rect{21, 4, 198 * 60 / 100 + 21, 14}));
  EXPECT_EQ(rows[1].used.right, 21);  // nothing used
  const auto flat = DiskRows(table, 225, false);
  EXPECT_EQ(flat[0].box.right, 220);
  EXPECT_EQ(flat[1].box.right, 220);
}

TEST(DiskRows, FreeSharePercentOnlyInWideWidgets) {
  const DriveTable table = Drives({{u'C', 25 * kGiB, 100 * kGiB}});
  EXPECT_EQ(DiskRows(table, 121, true)[0].text, u"100-75=25(25%)");
  EXPECT_EQ(DiskRows(table, 120, true)[0].text, u"100-75=25");
  EXPECT_EQ(DiskRows(table, 121, true)[0].letter, u'C');
}

TEST(DiskRows, DrivesUnderOneGigabyteShowAnEmptyBar) {
  // A half-GiB stick beside a real drive, and a card reader without a card
  // (its size query failed and left zeros).
  const DriveTable table =
      Drives({{u'C', 10 * kGiB, 100 * kGiB}, {u'E', kGiB / 4, kGiB / 2}, {u'F', 0, 0}});
  const auto rows = DiskRows(table, 200, true);
  ASSERT_EQ(rows.size(), 3u);
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(rows[k].text, u"0-0=0(0%)");
    EXPECT_EQ(rows[k].box.right, 175 + 20);
    EXPECT_EQ(rows[k].used.right, rows[k].used.left);
  }
  // Every drive under 1 GiB: nothing to scale by in either mode.
  const DriveTable small = Drives({{u'E', kGiB / 4, kGiB / 2}, {u'F', 0, 0}});
  for (bool proportional : {true, false}) {
    const auto smallRows = DiskRows(small, 200, proportional);
    ASSERT_EQ(smallRows.size(), 2u);
    EXPECT_EQ(smallRows[0].box.right, 195);
    EXPECT_EQ(smallRows[1].used.right, 21);
  }
}

TEST(DiskRows, TinyWidgetsAndOddFiguresStayInRange) {
  // Narrower than the bar's margins: no inverted boxes.
  const auto rows = DiskRows(Drives({{u'C', kGiB, 10 * kGiB}}), 10, true);
  EXPECT_EQ(rows[0].box.right, 20);
  EXPECT_EQ(rows[0].used.right, 21);
  // More free than total is read as all free.
  EXPECT_EQ(DiskRows(Drives({{u'C', 20 * kGiB, 10 * kGiB}}), 200, true)[0].text, u"10-0=10(100%)");
  EXPECT_TRUE(DiskRows(DriveTable{}, 200, true).empty());
}

// ---- Battery ---------------------------------------------------------------

TEST(BatteryText, MainsPowerWhateverTheCharge) {
  EXPECT_EQ(BatteryStatusText({1, 40, 5400}, KoreanTexts()), u"전원");
  EXPECT_EQ(BatteryStatusText({255, 40, 5400}, KoreanTexts()), u"전원");
  EXPECT_EQ(BatteryPercentText({1, 40, 5400}), u"40%");
}

TEST(BatteryText, RemainingTimeInHoursAndMinutes) {
  EXPECT_EQ(BatteryStatusText({0, 50, 5400}, KoreanTexts()), u"배터리(1:30분)");
  EXPECT_EQ(BatteryStatusText({0, 50, 1800}, KoreanTexts()), u"배터리(30분)");
  EXPECT_EQ(BatteryStatusText({0, 50, 3599}, KoreanTexts()), u"배터리(59분)");
  EXPECT_EQ(BatteryStatusText({0, 50, 3600}, KoreanTexts()), u"배터리(1:0분)");
  EXPECT_EQ(BatteryStatusText({0, 50, kNoLifeTime}, KoreanTexts()), u"배터리");
}

TEST(BatteryText, NoChargeFigureShowsNoPercentage) {
  EXPECT_EQ(BatteryPercentText({1, kNoPercent, kNoLifeTime}), u"");
  EXPECT_EQ(BatteryPercentText({0, 0, 60}), u"0%");
  EXPECT_EQ(BatteryPercentText({0, 100, 60}), u"100%");
  EXPECT_EQ(BatteryPercentText({0, 101, 60}), u"");
}

TEST(BatteryFace, WideStripOfAVerticalBar) {
  const BatteryFace face = BatteryFaceFor({0, 50, 600}, true, 200, 50);
  EXPECT_TRUE(face.strip);
  EXPECT_EQ(face.statusAt, (Point{5, 12}));
  EXPECT_EQ(face.percentAt, (Point{195, 12}));
  EXPECT_EQ(face.percentFontHeight, 18);
  EXPECT_EQ(face.box, (Rect{5, 25, 195, 45}));
  ASSERT_TRUE(face.level);
  EXPECT_EQ(*face.level, (Rect{5, 27, 186 * 50 / 100 + 7, 43}));
  EXPECT_EQ(BatteryFaceFor({0, 100, 600}, true, 200, 50).level->right, 193);
}

TEST(BatteryFace, TallColumnOfAHorizontalBarRisesFromTheBottom) {
  const BatteryFace face = BatteryFaceFor({0, 100, 600}, false, 120, 200);
  EXPECT_FALSE(face.strip);
  EXPECT_EQ(face.statusAt, (Point{30, 50}));
  EXPECT_EQ(face.percentAt, (Point{30, 100}));
  EXPECT_EQ(face.percentFontHeight, 17);
  EXPECT_EQ(face.box, (Rect{80, 5, 100, 195}));
  ASSERT_TRUE(face.level);
  EXPECT_EQ(*face.level, (Rect{82, 9, 98, 195}));
  EXPECT_EQ(BatteryFaceFor({0, 25, 600}, false, 120, 200).level->top, 200 - 186 * 25 / 100 - 5);
}

TEST(BatteryFace, UnknownChargeLeavesTheBoxEmpty) {
  for (bool vertical : {true, false}) {
    const BatteryFace face = BatteryFaceFor({1, kNoPercent, kNoLifeTime}, vertical, 120, 50);
    EXPECT_FALSE(face.level.has_value());
    EXPECT_GT(face.box.Width(), 0);
  }
}

// A reading that shows the same texts repaints nothing; figures only count as shown.
TEST(GaugeFaces, ReadingsCompareByWhatTheyShow) {
  const MemoryFigures memory{41, 16 * kGiB, 19 * kGiB / 2};
  EXPECT_TRUE(SameMemoryFace(memory, {41, 16 * kGiB, 19 * kGiB / 2 + 1000}, KoreanTexts()));  // still 6.5G사용
  EXPECT_FALSE(SameMemoryFace(memory, {42, 16 * kGiB, 19 * kGiB / 2}, KoreanTexts()));
  EXPECT_FALSE(SameMemoryFace(memory, {41, 16 * kGiB, 19 * kGiB / 2 - kGiB / 5}, KoreanTexts()));  // 6.7G사용

  const PowerFigures power{0, 50, 1800};
  EXPECT_TRUE(SameBatteryFace(power, {0, 50, 1810}, KoreanTexts()));   // 배터리(30분) either way
  EXPECT_FALSE(SameBatteryFace(power, {0, 50, 1740}, KoreanTexts()));  // 29분
  EXPECT_FALSE(SameBatteryFace(power, {0, 49, 1800}, KoreanTexts()));
  EXPECT_FALSE(SameBatteryFace(power, {1, 50, 1800}, KoreanTexts()));  // 전원
  EXPECT_TRUE(SameBatteryFace({1, 80, 100}, {1, 80, 5000}, KoreanTexts()));  // on mains the time is not shown

  const DriveTable drives = Drives({{u'C', 25 * kGiB, 100 * kGiB}});
  EXPECT_TRUE(SameDiskFace(drives, Drives({{u'C', 25 * kGiB + 5000, 100 * kGiB}})));
  EXPECT_FALSE(SameDiskFace(drives, Drives({{u'C', 24 * kGiB, 100 * kGiB}})));
  EXPECT_FALSE(SameDiskFace(drives, Drives({{u'D', 25 * kGiB, 100 * kGiB}})));
  EXPECT_FALSE(SameDiskFace(drives, Drives({{u'C', 25 * kGiB, 100 * kGiB}, {u'E', kGiB, 2 * kGiB}})));
}

}  // namespace
