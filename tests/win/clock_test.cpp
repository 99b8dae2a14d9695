// The clock widget made through the factory under a stand-in bar: its timer, its two
// faces read back from its own bitmap, its settings in a real .ini and its popup.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/shell_win.h"
#include "core/factory_win.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/clock_win.h"

namespace {

using test_support::PumpMessages;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kWidth = 160;
constexpr int kHeight = 100;

gdi::Font SharedFont(int height) {
  return gdi::Font(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                               L"맑은 고딕"));
}

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  std::wstring folder = std::wstring(temp) + L"pelgra-clock-" + std::to_wstring(GetCurrentProcessId()) +
                        L"-" + std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// The clock's own bitmap, read once (one GetPixel per pixel is slow under Wine).
class Snapshot {
 public:
  explicit Snapshot(const CClock& clock) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    pixels_.resize(kWidth * kHeight);
    HDC screen = GetDC(nullptr);
    lines_ = GetDIBits(screen, clock.backBuffer, 0, kHeight, pixels_.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
  }
  bool Complete() const { return lines_ == kHeight; }
  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return CLR_INVALID;
    const DWORD bgr = pixels_[y * kWidth + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  // Pixels in [x0, x1) × [y0, y1) that satisfy `test`.
  template <class Test>
  int Count(int x0, int y0, int x1, int y1, Test test) const {
    int count = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (test(At(x, y))) ++count;
    return count;
  }

 private:
  std::vector<DWORD> pixels_;
  int lines_ = 0;
};

class ClockWidget : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The bar makes these; there is no bar here.
    if (!normalFont) normalFont = SharedFont(15);
    if (!smallFont) smallFont = SharedFont(12);
  }

  void SetUp() override {
    folder_ = TempFolder();
    settings.useIni = true;
    settings.iniPath = folder_ + L"\\pelgra.ini";
    host_ = CreateWindowExW(0, kWindowClassName, L"bar", WS_POPUP | WS_VISIBLE, 40, 40, kWidth, 2 * kHeight,
                            nullptr, nullptr, appInstance, &hostObject_);
    ASSERT_NE(host_, nullptr);
  }

  void TearDown() override {
    if (IsWindow(activeDialog)) DestroyWindow(activeDialog);
    activeDialog = nullptr;
    DestroyWindow(host_);
    for (int i = widgetList.count() - 1; i >= 0; --i) {
      delete widgetList[i].widget;
      widgetList.RemoveAt(i);
    }
    DeleteFileW(settings.iniPath.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  // A clock record appended to the list and its window made by the factory.
  CClock* AddClock(int y = 0) {
    WidgetInfo record = MakeWidgetInfo(u"Clock");
    record.bgColor = kYellow;
    widgetList.Append(std::move(record));
    CWidget* widget = CreateWidgetWindow(widgetList.count() - 1, host_);
    auto* clock = dynamic_cast<CClock*>(widget);
    if (clock) MoveWindow(clock->hwnd, 0, y, kWidth, kHeight, TRUE);
    return clock;
  }

  void WriteSetting(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, settings.iniPath.c_str());
  }
  int StoredInt(const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -99, settings.iniPath.c_str()));
  }

  // Shows a fixed time on the clock and paints it (no message is pumped, so no tick
  // can read the real time in between).
  Snapshot Show(CClock& clock, int hour, int minute, int second) {
    clock.TakeReading(LocalTime{3, 6, 5, hour, minute, second});
    InvalidateRect(clock.hwnd, nullptr, FALSE);
    UpdateWindow(clock.hwnd);
    Snapshot shown(clock);
    EXPECT_TRUE(shown.Complete());
    return shown;
  }

  std::wstring folder_;
  CWindow hostObject_;
  HWND host_ = nullptr;
};

bool Inked(COLORREF c) { return c != kYellow; }
// Grey text over yellow keeps some blue; black text over yellow has none.
bool GreyInk(COLORREF c) { return GetBValue(c) > 0 && c != kWhite; }

TEST_F(ClockWidget, FactoryMakesAClockThatReadsTheTimeBeforeItsFirstPaint) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  EXPECT_STREQ(clock->Section(), L"Clock_1");  // a kind that may be placed again is numbered
  EXPECT_EQ(std::u16string(clock->caption), u"시계");
  EXPECT_EQ(clock->month, before.wMonth);
  EXPECT_EQ(clock->day, before.wDay);
  EXPECT_EQ(std::u16string(clock->dayName), std::u16string(kWeekdayNames[before.wDayOfWeek]));
  const int secondsOfDay = clock->hour * 3600 + clock->minute * 60 + clock->second;
  const int beforeSeconds = before.wHour * 3600 + before.wMinute * 60 + before.wSecond;
  EXPECT_GE(secondsOfDay, beforeSeconds);
  EXPECT_LE(secondsOfDay, beforeSeconds + 2);
  // Timer 1 runs: it is there to be stopped.
  EXPECT_TRUE(KillTimer(clock->hwnd, 1));
}

TEST_F(ClockWidget, TimerTicksReadTheClockAgain) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->second = 99;
  const DWORD deadline = GetTickCount() + 3000;
  while (clock->second == 99 && GetTickCount() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    PumpMessages();
  }
  EXPECT_NE(clock->second, 99);
}

TEST_F(ClockWidget, TickRepaintsOnlyWhenTheShownTimeChanges) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->outSec = false;
  // Retried in the rare case that a minute turns over during the check.
  bool checked = false;
  for (int attempt = 0; attempt < 3 && !checked; ++attempt) {
    SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
    const int minute = clock->minute;
    ValidateRect(clock->hwnd, nullptr);
    clock->second = -1;  // seconds are not shown: a new second alone changes nothing
    SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
    if (clock->minute != minute) continue;
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(clock->hwnd, &dirty, FALSE));
    checked = true;
  }
  EXPECT_TRUE(checked);

  clock->minute = -1;
  SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
  RECT dirty{};
  EXPECT_TRUE(GetUpdateRect(clock->hwnd, &dirty, FALSE));
  ValidateRect(clock->hwnd, nullptr);

  clock->outSec = true;
  clock->second = -1;
  SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
  EXPECT_TRUE(GetUpdateRect(clock->hwnd, &dirty, FALSE));
}

TEST_F(ClockWidget, OptionsAreReadFromTheInstanceSection) {
  WriteSetting(L"Clock_1", L"faceType", L"1");
  WriteSetting(L"Clock_1", L"hour24", L"5");  // any non-zero value is on
  WriteSetting(L"Clock_1", L"outSec", L"0");
  WriteSetting(L"Clock_1", L"digit2", L"0");
  WriteSetting(L"Clock_2", L"faceType", L"7");
  WriteSetting(L"Clock", L"outSec", L"0");  // a section of another name is not read
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->Section(), L"Clock_2");
  EXPECT_EQ(first->faceType, kAnalogueFace);
  EXPECT_TRUE(first->hour24);
  EXPECT_FALSE(first->outSec);
  EXPECT_FALSE(first->digit2);
  EXPECT_EQ(second->faceType, 7);
  // Missing keys and a missing section take the defaults.
  EXPECT_FALSE(second->hour24);
  EXPECT_TRUE(second->outSec);
  EXPECT_TRUE(second->digit2);
  CClock* third = AddClock();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->faceType, kDigitalFace);
  EXPECT_FALSE(third->hour24);
  EXPECT_TRUE(third->outSec);
  EXPECT_TRUE(third->digit2);
}

TEST_F(ClockWidget, SaveSettingsWritesTheFourKeys) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->faceType = kAnalogueFace;
  clock->hour24 = true;
  clock->outSec = false;
  clock->SaveSettings();
  EXPECT_EQ(StoredInt(L"Clock_1", L"faceType"), 1);
  EXPECT_EQ(StoredInt(L"Clock_1", L"hour24"), 1);
  EXPECT_EQ(StoredInt(L"Clock_1", L"outSec"), 0);
  EXPECT_EQ(StoredInt(L"Clock_1", L"digit2"), 1);
}

TEST_F(ClockWidget, DigitalFaceDrawsDateTimeAndTheAfternoonLabel) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  const Snapshot face = Show(*clock, 15, 7, 9);
  // Layout: time anchored at (80, 47), date line at (80, 27).
  EXPECT_GT(face.Count(20, 27, 140, 47, Inked), 20);  // the date line
  EXPECT_GT(face.Count(20, 47, 140, 72, Inked), 40);  // the time
  EXPECT_EQ(face.Count(0, 0, kWidth, 20, Inked), 0);  // nothing far above
  EXPECT_EQ(face.At(2, kHeight - 2), kYellow);
  // The date and the time are black; only the label is grey, right of the time.
  EXPECT_EQ(face.Count(0, 0, 100, kHeight, GreyInk), 0);
  EXPECT_GT(face.Count(100, 47, kWidth, kHeight, GreyInk), 5);

  clock->hour24 = true;
  EXPECT_EQ(Show(*clock, 15, 7, 9).Count(0, 0, kWidth, kHeight, GreyInk), 0);
}

TEST_F(ClockWidget, LargerTimeWithoutSeconds) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->hour24 = true;
  auto lowestInk = [](const Snapshot& face) {
    for (int y = kHeight - 1; y >= 0; --y)
      if (face.Count(0, y, kWidth, y + 1, Inked) > 0) return y;
    return -1;
  };
  const int withSeconds = lowestInk(Show(*clock, 10, 10, 10));
  clock->outSec = false;
  const int withoutSeconds = lowestInk(Show(*clock, 10, 10, 10));
  EXPECT_GT(withoutSeconds, withSeconds + 5);  // 35 pixels high instead of 25
}

bool Is(COLORREF color, COLORREF wanted) { return color == wanted; }

TEST_F(ClockWidget, AnalogueFaceDrawsMarksAndHands) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->faceType = kAnalogueFace;
  clock->outSec = true;
  // 3:00:45 - hour hand to the right, minute hand a hair past 12, second hand to the left.
  const Snapshot face = Show(*clock, 3, 0, 45);
  const Dial dial = DialOf(kWidth, kHeight);  // centre (80, 50), radius 45
  const int cx = dial.centre.x, cy = dial.centre.y;
  auto red = [](COLORREF c) { return Is(c, kRed); };
  auto blue = [](COLORREF c) { return Is(c, kBlue); };
  auto grey = [](COLORREF c) { return Is(c, kGrey); };
  auto dark = [](COLORREF c) { return GetRValue(c) < 160 && GetGValue(c) < 160; };
  // Hour hand: 3 pixels wide, 27 long (0.6 R).
  EXPECT_EQ(face.At(cx + 20, cy), kRed);
  EXPECT_GE(face.Count(cx + 5, cy - 2, cx + 27, cy + 3, red), 3 * (27 - 5));
  EXPECT_EQ(face.Count(cx + 30, cy - 3, kWidth, cy + 4, red), 0);
  // Minute hand: 2 wide, 36 long (0.8 R), upwards and a little to the right (85.5°).
  EXPECT_GE(face.Count(cx - 1, cy - 36, cx + 5, cy - 5, blue), 2 * (36 - 5));
  EXPECT_EQ(face.Count(cx - 3, 0, cx + 6, cy - 38, blue), 0);
  // Second hand: 1 wide, as long as the minute hand, to the left.
  EXPECT_GE(face.Count(cx - 36, cy - 1, cx - 5, cy + 2, grey), 30);
  EXPECT_EQ(face.Count(0, cy - 1, cx - 37, cy + 2, grey), 0);
  // Marks: a white fill inside a black outline, the quarter marks larger.
  const auto marks = HourMarks(dial);
  EXPECT_EQ(face.At(marks[0].left + 3, marks[0].top + 3), kWhite);
  EXPECT_EQ(face.At(marks[0].left + 3, marks[0].top), kBlack);
  EXPECT_EQ(face.At(marks[9].left + 3, marks[9].top + 3), kWhite);
  EXPECT_EQ(face.At(marks[1].left + 2, marks[1].top + 2), kWhite);
  EXPECT_EQ(face.At(marks[1].left, marks[1].top + 2), kBlack);
  // The date inside the dial, left of the centre, and the weekday to the right.
  EXPECT_GT(face.Count(cx - 32, cy - 20, cx - 12, cy - 3, dark), 5);  // month
  EXPECT_GT(face.Count(cx - 32, cy + 3, cx - 12, cy + 20, dark), 5);  // day
  EXPECT_GT(face.Count(cx + 12, cy - 12, cx + 34, cy - 2, dark), 5);  // weekday, above the hour hand

  clock->outSec = false;
  EXPECT_EQ(Show(*clock, 3, 0, 45).Count(0, 0, kWidth, kHeight, grey), 0);
}

TEST_F(ClockWidget, UnknownFaceDrawsNothing) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  clock->faceType = 2;
  EXPECT_EQ(Show(*clock, 12, 34, 56).Count(0, 0, kWidth, kHeight, Inked), 0);
}

TEST_F(ClockWidget, TicksAndRepaintsLeaveNoGdiObjectsBehind) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  Show(*clock, 1, 2, 3);  // the back buffer exists from here on
  const int live = gdi::LiveObjects();
  for (int face : {kDigitalFace, kAnalogueFace}) {
    clock->faceType = face;
    for (int i = 0; i < 10; ++i) {
      clock->minute = -1;
      SendMessageW(clock->hwnd, WM_TIMER, 1, 0);
      UpdateWindow(clock->hwnd);
      Show(*clock, 13, i, i);
    }
  }
  EXPECT_EQ(gdi::LiveObjects(), live);
}

// ---------------------------------------------------------------------------
// Popup 144
// ---------------------------------------------------------------------------

void RightClick(const CClock& clock) {
  SendMessageW(clock.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clock.hwnd), MAKELPARAM(10, 10));
}

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[128] = {};
  GetDlgItemTextW(dialog, id, text, 128);
  return text;
}

std::wstring ListItem(HWND list, int index) {
  wchar_t text[32] = {};
  if (SendMessageW(list, LB_GETTEXTLEN, index, 0) >= 32) return {};
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

TEST_F(ClockWidget, PopupShowsTheOptionsAndTheStartupLine) {
  WriteSetting(L"Clock_1", L"faceType", L"1");
  WriteSetting(L"Clock_1", L"hour24", L"1");
  WriteSetting(L"Clock_1", L"digit2", L"0");
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  RightClick(*clock);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowVisible(dialog));
  HWND faces = GetDlgItem(dialog, IDC_CLOCK_FACE);
  ASSERT_EQ(SendMessageW(faces, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ListItem(faces, 0), L"디지털");
  EXPECT_EQ(ListItem(faces, 1), L"아날로그");
  EXPECT_EQ(SendMessageW(faces, LB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(Checked(dialog, IDC_CLOCK_HOUR24));
  EXPECT_TRUE(Checked(dialog, IDC_CLOCK_SECONDS));
  EXPECT_FALSE(Checked(dialog, IDC_CLOCK_DIGIT2));
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_HOUR24), L"24시간제");
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_SECONDS), L"초 표시");
  EXPECT_EQ(ItemText(dialog, IDC_CLOCK_DIGIT2), L"선행 제로");
  // The start-up line, computed when the popup opened (a minute may have turned since).
  const std::wstring line = ItemText(dialog, IDC_CLOCK_STARTUP);
  const std::u16string now = CurrentStartupLine();
  EXPECT_NE(line.find(L"부팅("), std::wstring::npos) << std::string(line.begin(), line.end());
  EXPECT_EQ(line.back(), L')');
  EXPECT_EQ(line.substr(line.find(L'(')), std::wstring(now.begin() + now.find(u'('), now.end()));
  // No caption bar and no buttons: options apply on deactivation only.
  EXPECT_NE(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)) & WS_CAPTION,
            static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(GetDlgItem(dialog, IDOK), nullptr);
}

TEST_F(ClockWidget, SecondRightClickOnAnotherClockOpensNothing) {
  CClock* first = AddClock();
  CClock* second = AddClock(kHeight);
  ASSERT_NE(second, nullptr);
  RightClick(*first);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  RightClick(*second);
  EXPECT_EQ(activeDialog, dialog);
  int dialogs = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770") ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dialogs));
  EXPECT_EQ(dialogs, 1);
}

TEST_F(ClockWidget, EscapeLeavesTheOptionsAndTheFileAlone) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  RightClick(*clock);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  CheckDlgButton(dialog, IDC_CLOCK_HOUR24, BST_CHECKED);
  CheckDlgButton(dialog, IDC_CLOCK_SECONDS, BST_UNCHECKED);
  SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_SETCURSEL, 1, 0);
  MSG escape{GetFocus() ? GetFocus() : dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  EXPECT_TRUE(IsDialogMessageW(dialog, &escape));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_FALSE(clock->hour24);
  EXPECT_TRUE(clock->outSec);
  EXPECT_EQ(clock->faceType, kDigitalFace);
  EXPECT_EQ(StoredInt(L"Clock_1", L"hour24"), -99);
}

TEST_F(ClockWidget, DeactivationAppliesRepaintsAndSaves) {
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  RightClick(*clock);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  CheckDlgButton(dialog, IDC_CLOCK_HOUR24, BST_CHECKED);
  CheckDlgButton(dialog, IDC_CLOCK_SECONDS, BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_CLOCK_DIGIT2, BST_UNCHECKED);
  SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_SETCURSEL, 1, 0);
  ValidateRect(clock->hwnd, nullptr);
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_TRUE(clock->hour24);
  EXPECT_FALSE(clock->outSec);
  EXPECT_FALSE(clock->digit2);
  EXPECT_EQ(clock->faceType, kAnalogueFace);
  RECT dirty{};
  EXPECT_TRUE(GetUpdateRect(clock->hwnd, &dirty, FALSE));
  EXPECT_EQ(StoredInt(L"Clock_1", L"faceType"), 1);
  EXPECT_EQ(StoredInt(L"Clock_1", L"hour24"), 1);
  EXPECT_EQ(StoredInt(L"Clock_1", L"outSec"), 0);
  EXPECT_EQ(StoredInt(L"Clock_1", L"digit2"), 0);
}

TEST_F(ClockWidget, UnknownFaceSurvivesAPopupThatChoseNone) {
  WriteSetting(L"Clock_1", L"faceType", L"4");
  CClock* clock = AddClock();
  ASSERT_NE(clock, nullptr);
  RightClick(*clock);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_CLOCK_FACE, LB_GETCURSEL, 0, 0), LB_ERR);
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(clock->faceType, 4);
  EXPECT_EQ(StoredInt(L"Clock_1", L"faceType"), 4);
}

}  // namespace
