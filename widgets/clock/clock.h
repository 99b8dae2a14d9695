// What the clock widget shows, worked out without a window: the last reading of the
// local time, the texts and positions of the digital face, the dial and hands of the
// analogue face, and the start-up line of its popup. clock_win draws it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"
#include "widgets/base/face_fit.h"

enum ClockFace : std::int32_t { kDigitalFace = 0, kAnalogueFace = 1 };

// Cell heights (units) of the digital face's date line and of its time without and
// with the seconds.
inline constexpr int kDateFontHeight = 20;
inline constexpr int kTimeFontHeight = 35;
inline constexpr int kTimeWithSecondsFontHeight = 25;

// A reading of the local clock (weekday 0 = Sunday).
struct LocalTime {
  int month = 1;
  int day = 1;
  int weekday = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The clock's options and its last reading, in the order the widget keeps them.
struct ClockState {
  std::int32_t faceType = kDigitalFace;  // anything but 0 or 1 draws nothing
  bool hour24 = false;
  bool outSec = true;
  bool digit2 = true;
  std::int32_t month = 0;
  std::int32_t day = 0;
  // 0 = Sunday; -1 for none (a reading the calendar has no name for).
  std::int32_t weekday = -1;
  // No reading yet: the first one always counts as a change.
  std::int32_t hour = -1;
  std::int32_t minute = -1;
  std::int32_t second = -1;

  // Stores the reading; true when the shown time differs from the last one (the
  // seconds count only while they are shown). Date and weekday are always refreshed.
  bool TakeReading(const LocalTime& now);

  // 13..23 become 1..11 in 12-hour mode; 0 and 12 stay as they are.
  int ShownHour() const;
  // "3:7" or "03:07:09" as the options say.
  std::u16string TimeText() const;
  // "3월6일 금", "Fri, Mar 6".
  std::u16string DateLine(const TextTable& texts) const;
  // The weekday's name: "금", "Fri"; empty for none.
  std::u16string_view DayName(const TextTable& texts) const;
  // "오전" (AM) before noon, "오후" (PM) from noon; empty in 24-hour mode.
  std::u16string_view MeridiemLabel(const TextTable& texts) const;
  int TimeFontHeight() const { return outSec ? kTimeWithSecondsFontHeight : kTimeFontHeight; }
  // The band of a digital face that a new time alone changes: the time and its
  // 오전/오후 label, across the whole width. The date line above stays.
  Rect TimeBand(int width, int height, Scale scale = {}) const;

  // Degrees counter-clockwise from 3 o'clock. The hour hand takes the 24-hour hour
  // as it is: 13 and 1 o'clock point the same way.
  double HourHandAngle() const;
  double MinuteHandAngle() const;
  double SecondHandAngle() const;
};

// Digital face: the date line centred above the time, both anchored centre-top.
struct DigitalLayout {
  Point date;
  Point time;
};
DigitalLayout DigitalFaceLayout(int width, int height, Scale scale = {});
// The least thickness at which the digital face's date and time lines lie inside the
// widget, the time in its larger font; the dial of the analogue face fits any size
// (face_fit.h).
int ClockUsableThickness(bool vertical, int across, Scale scale);
// Left-baseline anchor of the 오전/오후 label, just right of a time text of size (cx, cy).
Point MeridiemPosition(Point time, int textWidth, int textHeight, Scale scale = {});

// Analogue face.
struct Dial {
  Point centre;
  int radius = 0;
};
Dial DialOf(int width, int height);
// The point `length` from the centre at `angle` degrees (counter-clockwise from 3
// o'clock), with the face's own 3.1415 for pi.
Point DialPoint(const Dial& dial, double angle, int length);
// Bounding boxes of the twelve marks, 12 o'clock first, the quarter marks larger.
std::array<Rect, 12> HourMarks(const Dial& dial, Scale scale = {});
int HourHandLength(const Dial& dial);
int MinuteHandLength(const Dial& dial);
// Centre-top anchors of month, day and weekday inside the dial, from the heights of
// the three texts in the dial font.
struct DialDate {
  Point month;
  Point day;
  Point dayName;
};
DialDate DialDatePositions(const Dial& dial, int monthHeight, int dayHeight, int dayNameHeight,
                           Scale scale = {});

// Calendar time as the system gives it, and the seconds since 1601-01-01 (the file
// time epoch) that go with it.
struct CalendarTime {
  int year = 1601;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
std::uint64_t SecondsSince1601(const CalendarTime& time);
CalendarTime CalendarFromSeconds(std::uint64_t secondsSince1601);

// "3/5일 8:12분 부팅(1일 2시간 3분)": when the machine started (now minus the
// uptime, both in whole seconds) and how long it has been running. English writes
// the minute of the clock time with two digits: "Started 3/5 8:05 (up 1 d 2 h 3 min)".
std::u16string StartupLine(const TextTable& texts, const CalendarTime& now, std::uint64_t uptimeSeconds);
