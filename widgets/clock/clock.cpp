#include "widgets/clock/clock.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace {

constexpr double kPi = 3.1415;
constexpr std::int64_t kSecondsPerDay = 86400;

std::u16string TimeUnit(int value, bool twoDigits) {
  std::u16string text = FormatInt(value);
  if (twoDigits && value >= 0 && text.size() < 2) text.insert(text.begin(), u'0');
  return text;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

const std::int64_t kDaysFrom1601To1970 = -DaysFromCivil(1601, 1, 1);

}  // namespace

bool ClockState::TakeReading(const LocalTime& now) {
  month = now.month;
  day = now.day;
  weekday = now.weekday >= 0 && now.weekday < 7 ? now.weekday : -1;
  bool changed = now.hour != hour || now.minute != minute;
  if (outSec) changed = changed || now.second != second;
  hour = now.hour;
  minute = now.minute;
  second = now.second;
  return changed;
}

int ClockState::ShownHour() const { return !hour24 && hour > 12 ? hour - 12 : hour; }

std::u16string ClockState::TimeText() const {
  std::u16string text = TimeUnit(ShownHour(), digit2) + u":" + TimeUnit(minute, digit2);
  if (outSec) text += u":" + TimeUnit(second, digit2);
  return text;
}

std::u16string ClockState::DateLine(const TextTable& texts) const {
  std::u16string monthText(texts.Word(TextId::ClockMonths, month - 1));
  if (monthText.empty()) monthText = FormatInt(month);
  return texts.Format(TextId::ClockDate, {monthText, FormatInt(day), DayName(texts)});
}

std::u16string_view ClockState::DayName(const TextTable& texts) const {
  return weekday < 0 ? std::u16string_view() : texts.Word(TextId::ClockWeekdays, weekday);
}

std::u16string_view ClockState::MeridiemLabel(const TextTable& texts) const {
  if (hour24) return {};
  return texts[hour < 12 ? TextId::ClockAm : TextId::ClockPm];
}

double ClockState::HourHandAngle() const { return 90.0 - (minute / 60.0 + hour) * 30.0; }
double ClockState::MinuteHandAngle() const { return 90.0 - ((second / 60.0 + minute) / 5.0) * 30.0; }
double ClockState::SecondHandAngle() const { return 90.0 - (second / 5.0) * 30.0; }

DigitalLayout DigitalFaceLayout(int width, int height, Scale scale) {
  const Point time{width / 2, height / 2 - scale.Px(3)};
  return {Point{time.x, time.y - scale.Px(20)}, time};
}

int ClockUsableThickness(bool vertical, int across, Scale scale) {
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const DigitalLayout layout = DigitalFaceLayout(size.width, size.height, scale);
    return size.Holds(LineAt(layout.date.x, layout.date.y, scale.Px(kDateFontHeight))) &&
           size.Holds(LineAt(layout.time.x, layout.time.y, scale.Px(kTimeFontHeight)));
  });
}

Rect ClockState::TimeBand(int width, int height, Scale scale) const {
  const int top = DigitalFaceLayout(width, height, scale).time.y;
  // The label's baseline sits inside the time's cell; two pixels cover its descent.
  return {0, top, width, top + scale.Px(TimeFontHeight() + 2)};
}

Point MeridiemPosition(Point time, int textWidth, int textHeight, Scale scale) {
  return {textWidth / 2 + time.x + scale.Px(3), textHeight + time.y - scale.Px(8)};
}

Dial DialOf(int width, int height) {
  const Point centre{width / 2, height / 2};
  return {centre, static_cast<int>(std::min(centre.x, centre.y) * 0.9)};
}

Point DialPoint(const Dial& dial, double angle, int length) {
  if (angle < 0) angle += 360;
  const double radians = angle * kPi / 180;
  return {static_cast<int>(dial.centre.x + std::cos(radians) * length),
          static_cast<int>(dial.centre.y - std::sin(radians) * length)};
}

std::array<Rect, 12> HourMarks(const Dial& dial, Scale scale) {
  std::array<Rect, 12> marks;
  for (int i = 0; i < 12; ++i) {
    const Point at = DialPoint(dial, 90 - 30 * i, dial.radius);
    const int r = scale.Px(i % 3 == 0 ? 3 : 2);
    marks[i] = {at.x - r, at.y - r, at.x + r, at.y + r};
  }
  return marks;
}

int HourHandLength(const Dial& dial) { return static_cast<int>(dial.radius * 0.6); }
int MinuteHandLength(const Dial& dial) { return static_cast<int>(dial.radius * 0.8); }

DialDate DialDatePositions(const Dial& dial, int monthHeight, int dayHeight, int dayNameHeight, Scale scale) {
  const int half = dial.radius / 2;
  const int step = scale.Px(7);
  const Point c = dial.centre;
  return {Point{c.x - half, c.y - monthHeight / 2 - step}, Point{c.x - half, c.y - dayHeight / 2 + step},
          Point{c.x + half, c.y - dayNameHeight / 2}};
}

std::uint64_t SecondsSince1601(const CalendarTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day) + kDaysFrom1601To1970;
  const std::int64_t seconds = days * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
  return seconds < 0 ? 0 : static_cast<std::uint64_t>(seconds);
}

CalendarTime CalendarFromSeconds(std::uint64_t secondsSince1601) {
  CalendarTime t;
  const auto days = static_cast<std::int64_t>(secondsSince1601 / kSecondsPerDay);
  const auto rest = static_cast<int>(secondsSince1601 % kSecondsPerDay);
  CivilFromDays(days - kDaysFrom1601To1970, t.year, t.month, t.day);
  t.hour = rest / 3600;
  t.minute = rest % 3600 / 60;
  t.second = rest % 60;
  return t;
}

std::u16string StartupLine(const TextTable& texts, const CalendarTime& now, std::uint64_t uptimeSeconds) {
  // Plain 64-bit arithmetic: a 32-bit count from 2000 would wrap for a clock set
  // before 2000 or after 2136 and name a start in the wrong century.
  const std::uint64_t nowSeconds = SecondsSince1601(now);
  const std::uint64_t startSeconds = nowSeconds > uptimeSeconds ? nowSeconds - uptimeSeconds : 0;
  const CalendarTime start = CalendarFromSeconds(startSeconds);
  const std::uint64_t days = uptimeSeconds / kSecondsPerDay;
  const std::uint64_t hours = uptimeSeconds % kSecondsPerDay / 3600;
  const std::uint64_t minutes = uptimeSeconds % 3600 / 60;
  const bool twoDigitMinute = texts.language() == Language::English;
  return texts.Format(TextId::ClockStartup,
                      {FormatInt(start.month), FormatInt(start.day), FormatInt(start.hour),
                       TimeUnit(start.minute, twoDigitMinute), FormatInt(static_cast<long long>(days)),
                       FormatInt(static_cast<long long>(hours)), FormatInt(static_cast<long long>(minutes))});
}
