#include "widgets/clock/clock.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/unit/support/built_in_texts.h"

namespace {

const TextTable& kKorean = test_support::KoreanTexts();
const TextTable& kEnglish = test_support::EnglishTexts();

LocalTime At(int hour, int minute, int second = 0) { return LocalTime{3, 6, 5, hour, minute, second}; }

ClockState Showing(int hour, int minute, int second, bool hour24, bool digit2, bool outSec) {
  ClockState clock;
  clock.hour24 = hour24;
  clock.digit2 = digit2;
  clock.outSec = outSec;
  clock.TakeReading(At(hour, minute, second));
  return clock;
}

TEST(ClockText, TwelveHourAfternoonWithAndWithoutOptions) {
  const ClockState padded = Showing(15, 7, 9, false, true, true);
  EXPECT_EQ(padded.TimeText(), u"03:07:09");
  EXPECT_EQ(padded.MeridiemLabel(kKorean), u"오후");
  const ClockState plain = Showing(15, 7, 9, false, false, false);
  EXPECT_EQ(plain.TimeText(), u"3:7");
  EXPECT_EQ(plain.MeridiemLabel(kKorean), u"오후");
}

TEST(ClockText, MidnightNoonAndJustBeforeNoon) {
  const ClockState midnight = Showing(0, 30, 0, false, true, false);
  EXPECT_EQ(midnight.TimeText(), u"00:30");
  EXPECT_EQ(midnight.MeridiemLabel(kKorean), u"오전");
  const ClockState noon = Showing(12, 0, 0, false, true, false);
  EXPECT_EQ(noon.TimeText(), u"12:00");
  EXPECT_EQ(noon.MeridiemLabel(kKorean), u"오후");
  const ClockState beforeNoon = Showing(11, 59, 0, false, true, false);
  EXPECT_EQ(beforeNoon.TimeText(), u"11:59");
  EXPECT_EQ(beforeNoon.MeridiemLabel(kKorean), u"오전");
}

TEST(ClockText, TwentyFourHourModeHasNoLabel) {
  const ClockState clock = Showing(15, 7, 0, true, true, false);
  EXPECT_EQ(clock.TimeText(), u"15:07");
  EXPECT_TRUE(clock.MeridiemLabel(kKorean).empty());
  EXPECT_EQ(Showing(23, 5, 0, true, false, true).TimeText(), u"23:5:0");
}

TEST(ClockText, SecondsPickTheSmallerTimeFont) {
  EXPECT_EQ(Showing(1, 2, 3, false, true, true).TimeFontHeight(), 25);
  EXPECT_EQ(Showing(1, 2, 3, false, true, false).TimeFontHeight(), 35);
}

TEST(ClockText, DateLineHasMonthDayAndWeekday) {
  ClockState clock;
  clock.TakeReading(LocalTime{3, 6, 5, 10, 15, 0});
  EXPECT_EQ(clock.DateLine(kKorean), u"3월6일 금");
  clock.TakeReading(LocalTime{12, 31, 0, 10, 15, 0});
  EXPECT_EQ(clock.DateLine(kKorean), u"12월31일 일");
  // A weekday the table does not have leaves the name empty instead of reading past it.
  clock.TakeReading(LocalTime{1, 1, 7, 0, 0, 0});
  EXPECT_EQ(clock.DateLine(kKorean), u"1월1일 ");
}

// The English face: weekday, month and day, AM/PM, and the start-up line with a
// two-digit minute.
TEST(ClockText, EnglishDateFormats) {
  const struct {
    LocalTime now;
    bool hour24;
    const char16_t* date;
    const char16_t* label;
  } cases[] = {
      {{3, 6, 5, 10, 15, 0}, false, u"Fri, Mar 6", u"AM"},
      {{12, 31, 0, 12, 0, 0}, false, u"Sun, Dec 31", u"PM"},
      {{1, 1, 1, 0, 0, 0}, false, u"Mon, Jan 1", u"AM"},
      {{9, 30, 3, 23, 59, 0}, true, u"Wed, Sep 30", u""},
      {{5, 2, 6, 11, 59, 59}, false, u"Sat, May 2", u"AM"},
      {{7, 4, 7, 13, 0, 0}, false, u", Jul 4", u"PM"},  // no name for weekday 7
  };
  for (const auto& c : cases) {
    ClockState clock;
    clock.hour24 = c.hour24;
    clock.TakeReading(c.now);
    EXPECT_EQ(clock.DateLine(kEnglish), c.date);
    EXPECT_EQ(clock.MeridiemLabel(kEnglish), c.label) << c.now.hour;
  }
  EXPECT_EQ(StartupLine(kEnglish, {2024, 3, 6, 10, 15, 0}, 86400 + 2 * 3600 + 3 * 60),
            u"Started 3/5 8:12 (up 1 d 2 h 3 min)");
  EXPECT_EQ(StartupLine(kEnglish, {1999, 12, 31, 23, 0, 0}, 3600), u"Started 12/31 22:00 (up 0 d 1 h 0 min)");
}

TEST(ClockTicks, WithoutSecondsOnlyANewMinuteRepaints) {
  ClockState clock;
  clock.outSec = false;
  EXPECT_TRUE(clock.TakeReading(At(9, 59, 58)));  // the first reading always does
  EXPECT_FALSE(clock.TakeReading(At(9, 59, 59)));
  EXPECT_TRUE(clock.TakeReading(At(10, 0, 0)));
  EXPECT_FALSE(clock.TakeReading(At(10, 0, 1)));
  EXPECT_EQ(clock.second, 1);  // stored even when it does not show
}

TEST(ClockTicks, WithSecondsEveryNewSecondRepaints) {
  ClockState clock;
  clock.TakeReading(At(9, 59, 58));
  EXPECT_TRUE(clock.TakeReading(At(9, 59, 59)));
  EXPECT_FALSE(clock.TakeReading(At(9, 59, 59)));
  EXPECT_TRUE(clock.TakeReading(At(10, 0, 0)));
}

TEST(ClockTicks, TheDateIsRefreshedEvenWithoutARepaint) {
  ClockState clock;
  clock.outSec = false;
  clock.TakeReading(LocalTime{3, 6, 5, 0, 0, 0});
  EXPECT_FALSE(clock.TakeReading(LocalTime{3, 7, 6, 0, 0, 30}));
  EXPECT_EQ(clock.day, 7);
  EXPECT_EQ(clock.DayName(kKorean), u"토");
}

TEST(ClockHands, AtHalfPastThree) {
  ClockState clock;
  clock.TakeReading(At(3, 30, 0));
  EXPECT_DOUBLE_EQ(clock.HourHandAngle(), -15.0);
  EXPECT_DOUBLE_EQ(clock.MinuteHandAngle(), -90.0);
  const Dial dial{{50, 50}, 40};
  const Point hourTip = DialPoint(dial, clock.HourHandAngle(), 24);
  EXPECT_GT(hourTip.x, 50 + 20);  // to the right, slightly below the 3 o'clock mark
  EXPECT_GT(hourTip.y, 50);
  EXPECT_LT(hourTip.y, 50 + 10);
  const Point minuteTip = DialPoint(dial, clock.MinuteHandAngle(), 32);
  // 3.1415 is not quite pi: cos(270°) is a hair below 0 and sin a hair above -1.
  EXPECT_EQ(minuteTip, (Point{49, 81}));
}

TEST(ClockHands, HourHandTakesTheTwentyFourHourValue) {
  ClockState afternoon, night;
  afternoon.TakeReading(At(13, 0, 0));
  night.TakeReading(At(1, 0, 0));
  const Dial dial{{50, 50}, 40};
  EXPECT_EQ(DialPoint(dial, afternoon.HourHandAngle(), 24), DialPoint(dial, night.HourHandAngle(), 24));
}

TEST(ClockHands, MinuteAndSecondHandsMoveWithTheSeconds) {
  ClockState clock;
  clock.TakeReading(At(0, 15, 30));
  EXPECT_DOUBLE_EQ(clock.MinuteHandAngle(), 90.0 - 15.5 * 6.0);
  EXPECT_DOUBLE_EQ(clock.SecondHandAngle(), 90.0 - 30 * 6.0);
}

TEST(ClockDial, RadiusAndHandLengthsTruncate) {
  const Dial dial = DialOf(101, 61);
  EXPECT_EQ(dial.centre, (Point{50, 30}));
  EXPECT_EQ(dial.radius, 27);             // 30 × 0.9
  EXPECT_EQ(HourHandLength(dial), 16);    // 16.2
  EXPECT_EQ(MinuteHandLength(dial), 21);  // 21.6
}

TEST(ClockDial, MarksSitOnTheDialWithLargerQuarters) {
  const Dial dial{{50, 50}, 40};
  const auto marks = HourMarks(dial);
  EXPECT_EQ(marks[0], (Rect{47, 7, 53, 13}));  // 12 o'clock, radius 3
  EXPECT_EQ(marks[3].Width(), 6);
  EXPECT_EQ(marks[1].Width(), 4);
  EXPECT_EQ(marks[3].left + 3, 90);  // 3 o'clock at the right
  EXPECT_EQ(marks[6].top + 3, 89);   // 6 o'clock at the bottom (the 3.1415 truncation)
}

TEST(ClockDial, DatePositionsFollowTheTextHeights) {
  const Dial dial{{50, 40}, 36};
  const DialDate at = DialDatePositions(dial, 15, 15, 16);
  EXPECT_EQ(at.month, (Point{32, 40 - 7 - 7}));
  EXPECT_EQ(at.day, (Point{32, 40 - 7 + 7}));
  EXPECT_EQ(at.dayName, (Point{68, 32}));
}

TEST(ClockDigital, TimeAndDatePositions) {
  const DigitalLayout layout = DigitalFaceLayout(121, 61);
  EXPECT_EQ(layout.time, (Point{60, 27}));
  EXPECT_EQ(layout.date, (Point{60, 7}));
  EXPECT_EQ(MeridiemPosition(layout.time, 81, 29), (Point{40 + 60 + 3, 29 + 27 - 8}));
}

// A new time alone repaints the band of the time and its label, below the date line.
TEST(ClockDigital, TimeBandLiesBelowTheDateLine) {
  ClockState clock;
  EXPECT_EQ(clock.TimeBand(121, 61), (Rect{0, 27, 121, 27 + 27}));
  clock.outSec = false;
  EXPECT_EQ(clock.TimeBand(121, 61), (Rect{0, 27, 121, 27 + 37}));
  EXPECT_EQ(clock.TimeBand(242, 122, Scale(192)), (Rect{0, 55, 242, 55 + 74}));
}

TEST(ClockStartup, LineOfTheWorkedExample) {
  const CalendarTime now{2024, 3, 6, 10, 15, 0};
  const std::uint64_t uptime = 1 * 86400 + 2 * 3600 + 3 * 60;
  EXPECT_EQ(StartupLine(kKorean, now, uptime), u"3/5일 8:12분 부팅(1일 2시간 3분)");
}

TEST(ClockStartup, StartCrossesMonthAndYearBoundaries) {
  // 2024 is a leap year: 40 days before 1 March 00:30 is 21 January.
  EXPECT_EQ(StartupLine(kKorean, {2024, 3, 1, 0, 30, 0}, 40 * 86400ULL + 45), u"1/21일 0:29분 부팅(40일 0시간 0분)");
  EXPECT_EQ(StartupLine(kKorean, {2025, 1, 1, 0, 0, 59}, 120), u"12/31일 23:58분 부팅(0일 0시간 2분)");
}

TEST(ClockStartup, ClockBeforeTwoThousandStillGivesTheRealStart) {
  EXPECT_EQ(StartupLine(kKorean, {1999, 12, 31, 23, 0, 0}, 3600), u"12/31일 22:0분 부팅(0일 1시간 0분)");
}

TEST(ClockStartup, CalendarSecondsRoundTrip) {
  EXPECT_EQ(SecondsSince1601({1601, 1, 1, 0, 0, 0}), 0u);
  // 2000-01-01 00:00 is 12,591,158,400 seconds after 1601-01-01.
  EXPECT_EQ(SecondsSince1601({2000, 1, 1, 0, 0, 0}), 12591158400ULL);
  const CalendarTime leapDay = CalendarFromSeconds(SecondsSince1601({2024, 2, 29, 23, 59, 58}));
  EXPECT_EQ(leapDay.year, 2024);
  EXPECT_EQ(leapDay.month, 2);
  EXPECT_EQ(leapDay.day, 29);
  EXPECT_EQ(leapDay.hour, 23);
  EXPECT_EQ(leapDay.minute, 59);
  EXPECT_EQ(leapDay.second, 58);
}

}  // namespace
