#include "widgets/clock/clock_win.h"

#include "core/dialog_win.h"
#include "core/fonts_win.h"
#include "core/geometry_win.h"
#include "core/settings_win.h"
#include "core/text.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/base/popup_win.h"
#include "widgets/base/text_draw_win.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr int kTickSeconds = 1;
constexpr COLORREF kGrey = RGB(128, 128, 128);

LocalTime ReadLocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
}

gdi::Font DateFont(Scale scale) {
  return MakeFont({.pixelHeight = scale.Px(kDateFontHeight), .weight = FW_NORMAL});
}

void TextAt(HDC dc, Point at, std::u16string_view text) { TextOut16(dc, at.x, at.y, text); }

void DrawHand(HDC dc, const Dial& dial, double angle, int length, int penWidth, COLORREF color) {
  gdi::Pen pen = gdi::SolidPen(penWidth, color);
  gdi::Selection selected(dc, pen);
  const Point tip = DialPoint(dial, angle, length);
  MoveToEx(dc, dial.centre.x, dial.centre.y, nullptr);
  LineTo(dc, tip.x, tip.y);
}

struct ClockPopup {
  using Owner = CClock;
  static constexpr int kDialogId = IDD_CLOCK;

  static void Init(HWND dialog, CClock& clock) {
    const TextTable& texts = clock.host.Texts();
    HWND faces = GetDlgItem(dialog, IDC_CLOCK_FACE);
    SendMessageW(faces, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(texts, TextId::ClockFaceDigital)));
    SendMessageW(faces, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(texts, TextId::ClockFaceAnalogue)));
    SendMessageW(faces, LB_SETCURSEL, static_cast<WPARAM>(clock.faceType), 0);
    SetCheck(dialog, IDC_CLOCK_HOUR24, clock.hour24);
    SetCheck(dialog, IDC_CLOCK_SECONDS, clock.outSec);
    SetCheck(dialog, IDC_CLOCK_DIGIT2, clock.digit2);
    SetDlgItemTextW(dialog, IDC_CLOCK_STARTUP, AsWide(CurrentStartupLine(texts).c_str()));
  }

  static void Apply(HWND dialog, CClock& clock) {
    clock.hour24 = IsChecked(dialog, IDC_CLOCK_HOUR24);
    clock.outSec = IsChecked(dialog, IDC_CLOCK_SECONDS);
    clock.digit2 = IsChecked(dialog, IDC_CLOCK_DIGIT2);
    // No selection (a face number from an edited file that the list does not have)
    // keeps the face the clock has.
    const LRESULT face = SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_GETCURSEL, 0, 0);
    if (face != LB_ERR) clock.faceType = static_cast<std::int32_t>(face);
    InvalidateRect(clock.hwnd, nullptr, TRUE);
    clock.SaveSettings();
  }
};

}  // namespace

std::u16string CurrentStartupLine(const TextTable& texts) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const CalendarTime calendar{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  return StartupLine(texts, calendar, GetTickCount64() / 1000);
}

void CClock::LoadSettings() {
  faceType = Settings().GetInt(Section(), L"faceType", kDigitalFace);
  hour24 = Settings().GetInt(Section(), L"hour24", 0) != 0;
  outSec = Settings().GetInt(Section(), L"outSec", 1) != 0;
  digit2 = Settings().GetInt(Section(), L"digit2", 1) != 0;
}

void CClock::SaveSettings() {
  CSettings::WriteBatch batch(Settings());
  Settings().SetInt(Section(), L"faceType", faceType);
  Settings().SetInt(Section(), L"hour24", hour24 ? 1 : 0);
  Settings().SetInt(Section(), L"outSec", outSec ? 1 : 0);
  Settings().SetInt(Section(), L"digit2", digit2 ? 1 : 0);
}

LRESULT CClock::OnCreate(WPARAM, LPARAM) {
  LoadSettings();
  TickEvery(kTickTimer, kTickSeconds);
  // Read the time now, so the first paint already shows it.
  SendMessageW(hwnd, WM_TIMER, kTickTimer, 0);
  return 0;
}

LRESULT CClock::OnDestroy(WPARAM, LPARAM) {
  StopTicking();
  return 0;
}

// A new time on the same day repaints the digital face's time band only.
LRESULT CClock::OnTimer(WPARAM, LPARAM) {
  const std::u16string date = DateLine(host.Texts());
  if (!TakeReading(ReadLocalTime())) return 0;
  if (faceType != kDigitalFace || DateLine(host.Texts()) != date) {
    ShowChanged();
    return 0;
  }
  RECT client{};
  GetClientRect(hwnd, &client);
  const RECT band = ToRECT(TimeBand(client.right, client.bottom, scale));
  ShowChanged(&band);
  return 0;
}

void CClock::Draw(HDC dc, RECT client) {
  if (faceType == kDigitalFace) DrawDigital(dc, client.right, client.bottom);
  if (faceType == kAnalogueFace) DrawAnalogue(dc, client.right, client.bottom);
}

LRESULT CClock::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<ClockPopup>::Open(*this); }

void CClock::DrawDigital(HDC dc, int width, int height) const {
  const DigitalLayout layout = DigitalFaceLayout(width, height, scale);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_CENTER | TA_TOP);

  gdi::Font dateFont = DateFont(scale);
  gdi::Font timeFont = ArialFont(scale.Px(TimeFontHeight()));
  gdi::Selection dateSelected(dc, dateFont);
  const TextTable& texts = host.Texts();
  TextAt(dc, layout.date, DateLine(texts));

  gdi::Selection timeSelected(dc, timeFont);
  const std::u16string time = TimeText();
  TextAt(dc, layout.time, time);
  if (hour24) return;

  const SIZE timeSize = TextExtent16(dc, time);
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  gdi::Selection labelSelected(dc, smallFont);
  SetTextColor(dc, kGrey);
  TextAt(dc, MeridiemPosition(layout.time, timeSize.cx, timeSize.cy, scale), MeridiemLabel(texts));
}

void CClock::DrawAnalogue(HDC dc, int width, int height) const {
  const Dial dial = DialOf(width, height);
  // The marks take the DC's own pen and brush: a black outline and a white fill.
  for (const Rect& mark : HourMarks(dial, scale)) Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);

  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  {
    gdi::Selection fontSelected(dc, normalFont);
    const std::u16string monthText = FormatInt(month);
    const std::u16string dayText = FormatInt(day);
    const std::u16string_view nameText = DayName(host.Texts());
    const DialDate at = DialDatePositions(dial, TextExtent16(dc, monthText).cy, TextExtent16(dc, dayText).cy,
                                          TextExtent16(dc, nameText).cy, scale);
    TextAt(dc, at.month, monthText);
    TextAt(dc, at.day, dayText);
    TextAt(dc, at.dayName, nameText);
  }

  DrawHand(dc, dial, HourHandAngle(), HourHandLength(dial), scale.Px(3), RGB(255, 0, 0));
  DrawHand(dc, dial, MinuteHandAngle(), MinuteHandLength(dial), scale.Px(2), RGB(0, 0, 255));
  if (outSec) DrawHand(dc, dial, SecondHandAngle(), MinuteHandLength(dial), scale.Px(1), kGrey);
}
