// The "환경 설정" dialog opened from the real bar's menu command and driven as a user
// would: typed fields, OK, Cancel, "적용", refused entries, a colour swatch and the
// autostart box read back from the registry.
#include "app/preferences_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "app/bar_state.h"
#include "app/bar_win.h"
#include "core/bar_settings.h"
#include "core/records.h"
#include "core/program_path_win.h"
#include "core/settings_win.h"
#include "res/resource.h"
#include "support/bar_bench.h"
#include "support/win_test_support.h"
#include "widgets/base/dget_win.h"

namespace {

using test_support::FileBytes;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring Field(HWND dialog, int id) { return test_support::TextOf(GetDlgItem(dialog, id)); }
void Type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
// Presses a button and answers whether that closed the dialog.
bool Closes(HWND dialog, int id) {
  Click(dialog, id);
  return !IsWindowVisible(dialog);
}

std::optional<std::wstring> RunValue() {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Pelgra", RRF_RT_REG_SZ, nullptr, value, &size)) return std::nullopt;
  return std::wstring(value);
}

void SetRunValue(const std::optional<std::wstring>& value) {
  if (!value) RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Pelgra");
  if (value)
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Pelgra", REG_SZ, value->c_str(),
                    static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
}

// The real bar with one clock, a fresh settings file and no Run value (the one found
// there is put back afterwards).
class Preferences : public test_support::BarBench {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  void SetUp() override {
    barSettings = BarSettings{};
    barState = BarState{};
    widgetList.Clear();
    widgetList.Append(MakeWidgetInfo(u"Clock", widgetList));
    SetRunValue(std::nullopt);
    bar_ = CreateBarWindow();
    ASSERT_NE(bar_, nullptr);
    ShowWindow(bar_, SW_SHOWNOACTIVATE);
    test_support::PumpMessages();
    barState.placementChanged = false;
  }

  void TearDown() override {
    if (bar_ && IsWindow(bar_)) DestroyWindow(bar_);
    test_support::PumpMessages();
    ReleaseRecordObjects();
    widgetList.Clear();
    SetRunValue(savedRun_);
  }

  // Opens the dialog by the bar's menu command, runs `script` on it inside its modal
  // loop and cancels it unless the script closed it.
  void WithDialog(const std::function<void(HWND)>& script) {
    const bool ran = test_support::WhileModal([&] { SendMessageW(bar_, WM_COMMAND, ID_PREFERENCES, 0); }, [&] {
      HWND dialog = test_support::FindDialog(L"환경 설정", bar_);
      if (!dialog) return false;
      script(dialog);
      if (IsWindowVisible(dialog)) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return true;
    });
    EXPECT_TRUE(ran) << "the dialog did not open";
  }

  std::optional<std::wstring> savedRun_ = RunValue();
  HWND bar_ = nullptr;
};

TEST_F(Preferences, OkAppliesToTheLiveBarAndWritesSectionMainAtOnce) {
  const HWND clock = widgetList[0].widget->hwnd;
  EXPECT_EQ(test_support::WindowPixel(bar_, 100, 28 + 80 + 2), RGB(0x4B, 0x00, 0x82));
  WithDialog([&](HWND dialog) {
    RECT bar{}, own{};
    GetWindowRect(bar_, &bar);
    GetWindowRect(dialog, &own);
    EXPECT_TRUE(own.left == bar.right + 5 || own.right == bar.left - 5) << own.left << " " << bar.right;
    EXPECT_EQ(Field(dialog, IDC_PREF_BD_THICK) + Field(dialog, IDC_PREF_SPLIT_COLOR), L"4#4B0082");
    EXPECT_TRUE(Checked(dialog, IDC_PREF_BD_3D) && Checked(dialog, IDC_PREF_TOPMOST));
    EXPECT_TRUE(Checked(dialog, IDC_PREF_STEP_BACK));
    EXPECT_FALSE(Checked(dialog, IDC_PREF_RESERVE_EDGE));
    // The system colour dialog starts at the field's colour: its OK keeps it.
    EXPECT_TRUE(test_support::AnswerModal(dialog, IDOK, [&] { Click(dialog, IDC_PREF_BD_SWATCH); }).seen);
    EXPECT_EQ(Field(dialog, IDC_PREF_BD_COLOR), L"#C0C0C0");

    Type(dialog, IDC_PREF_BD_THICK, L"8");
    Type(dialog, IDC_PREF_SPLIT_COLOR, L"#FF0000");
    Click(dialog, IDC_PREF_BD_FLAT);
    Click(dialog, IDC_PREF_TOPMOST);
    Click(dialog, IDC_PREF_STEP_BACK);
    Click(dialog, IDC_PREF_RESERVE_EDGE);
    EXPECT_TRUE(Closes(dialog, IDOK));
  });
  EXPECT_TRUE(barState.placementChanged);
  // Laid out and painted at once: the clock inside the thicker border, the gap below it red.
  POINT clockAt{};
  MapWindowPoints(clock, bar_, &clockAt, 1);
  EXPECT_EQ(clockAt.x, 8);
  EXPECT_EQ(clockAt.y, 24 + 8);
  EXPECT_EQ(test_support::WindowPixel(bar_, 100, 32 + 80 + 2), RGB(255, 0, 0));
  EXPECT_FALSE(GetWindowLongW(bar_, GWL_EXSTYLE) & WS_EX_TOPMOST);

  // Every option in its key and format while the bar is still open.
  const std::pair<const wchar_t*, int> written[] = {
      {L"vertical", 1},    {L"alwaysontop", 0},  {L"widgetMinThick", 30}, {L"widgetMaxThick", 300},
      {L"bdStyle", 1},     {L"bdThick", 8},      {L"bdColor", 12632256},  {L"capThick", 24},
      {L"splitThick", 5},  {L"splitColor", 255}, {L"vertThick", 200},     {L"horzThick", 120},
      {L"tidgetSize", 24}, {L"tidgetGap", 4},    {L"magneticEffet", 1},   {L"fullScreenStepBack", 0},
      {L"reserveEdge", 1}};
  for (const auto& [key, value] : written) EXPECT_EQ(ini.Int(L"main", key), value) << key;
}

TEST_F(Preferences, CancelAndRefusedEntriesChangeNothing) {
  ini.Write(L"main", L"bdThick", L"4");
  const std::string before = FileBytes(ini.path());
  WithDialog([&](HWND dialog) {
    Type(dialog, IDC_PREF_BD_THICK, L"9");
    Click(dialog, IDC_PREF_HORIZONTAL);
    EXPECT_TRUE(Closes(dialog, IDCANCEL));
  });
  EXPECT_EQ(barSettings.bdThick, 4);
  EXPECT_TRUE(barSettings.vertical);

  const struct {
    int field;
    const wchar_t* typed;
    int message;
    const wchar_t* told;
  } refused[] = {
      {IDC_PREF_BD_THICK, L"21", IDC_PREF_BD_THICK_MSG, L"0~20 사이의 수만 가능"},
      {IDC_PREF_CAP_THICK, L"", IDC_PREF_CAP_THICK_MSG, L"16~100 사이의 수만 가능"},
      {IDC_PREF_MIN_THICK, L"301", IDC_PREF_MIN_THICK_MSG, L"최대 두께보다 클 수 없음"},
      {IDC_PREF_SPLIT_COLOR, L"#12", IDC_PREF_SPLIT_COLOR_MSG, L"#RRGGBB나 색 이름만 가능"},
  };
  WithDialog([&](HWND dialog) {
    for (const auto& c : refused) {
      const std::wstring kept = Field(dialog, c.field);
      Type(dialog, c.field, c.typed);
      Type(dialog, IDC_PREF_TIDGET_GAP, L"9");  // a good change that waits too
      EXPECT_FALSE(Closes(dialog, IDOK)) << c.typed;
      Click(dialog, IDC_PREF_APPLY);
      EXPECT_EQ(Field(dialog, c.message), c.told);
      EXPECT_EQ(GetFocus(), GetDlgItem(dialog, c.field));
      EXPECT_EQ(barSettings.tidgetGap, 4);
      Type(dialog, c.field, kept.c_str());
      EXPECT_EQ(Field(dialog, c.message), L"");  // correcting the field clears it
    }
  });
  EXPECT_EQ(FileBytes(ini.path()), before);
}

TEST_F(Preferences, AutostartBoxWritesAndRemovesTheRunValue) {
  const std::wstring ours = L"\"" + ProgramFilePath() + L"\"";
  const std::wstring other = L"\"C:\\Elsewhere\\pelgra.exe\"";
  // Each step: the value before, whether the box shows it as ours, the box at OK, the value after.
  const struct {
    std::optional<std::wstring> stored;
    bool shown;
    bool checked;
    std::optional<std::wstring> after;
  } steps[] = {
      {std::nullopt, false, true, ours},
      {ours, true, false, std::nullopt},
      {other, false, false, other},  // another copy's value stays unless the box is checked
      {other, false, true, ours},
  };
  for (const auto& step : steps) {
    SetRunValue(step.stored);
    WithDialog([&](HWND dialog) {
      EXPECT_EQ(Checked(dialog, IDC_PREF_AUTOSTART), step.shown);
      if (step.checked != step.shown) Click(dialog, IDC_PREF_AUTOSTART);
      EXPECT_TRUE(Closes(dialog, IDOK));
    });
    EXPECT_EQ(RunValue(), step.after);
  }
}

TEST_F(Preferences, OpeningAndClosingTenTimesLeavesNoGdiObject) {
  WithDialog([](HWND dialog) { UpdateWindow(dialog); });
  const int before = gdi::LiveObjects();
  for (int i = 0; i < 10; ++i) WithDialog([&](HWND dialog) {
      UpdateWindow(dialog);
      Click(dialog, i % 2 ? IDOK : IDCANCEL);
    });
  EXPECT_EQ(gdi::LiveObjects(), before);
}

}  // namespace
