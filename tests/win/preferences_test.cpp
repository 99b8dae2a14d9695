// The "환경 설정" dialog opened from the real bar's menu command and driven as a user
// would: typed fields, OK, Cancel, "적용", refused entries, a colour swatch, the
// autostart box read back from the registry, and the language.
#include "app/preferences_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/bar_state.h"
#include "app/bar_win.h"
#include "core/bar_settings.h"
#include "core/records.h"
#include "core/program_path_win.h"
#include "core/settings_win.h"
#include "core/tooltip_win.h"
#include "core/window_win.h"
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

  // Opens the dialog (by default "환경 설정") by the bar's menu command, runs `script` on
  // it inside its modal loop and cancels it unless the script closed it.
  void WithDialog(const std::function<void(HWND)>& script, UINT command = ID_PREFERENCES,
                  const wchar_t* title = L"환경 설정") {
    const bool ran = test_support::WhileModal([&] { SendMessageW(bar_, WM_COMMAND, command, 0); }, [&] {
      HWND dialog = test_support::FindDialog(title, bar_);
      if (!dialog) return false;
      script(dialog);
      if (IsWindowVisible(dialog)) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return true;
    });
    EXPECT_TRUE(ran) << "the dialog did not open";
  }

  // Chooses a language in the settings dialog, titled `title` in the language it is
  // shown in, and presses OK.
  void ChooseLanguage(LanguageChoice choice, const wchar_t* title) {
    WithDialog(
        [&](HWND dialog) {
          SendDlgItemMessageW(dialog, IDC_PREF_LANGUAGE, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
          EXPECT_TRUE(Closes(dialog, IDOK));
        },
        ID_PREFERENCES, title);
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

bool IsHangul(wchar_t c) { return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F); }

// The texts of a dialog that hold Hangul: its caption, its controls and the entries of
// its lists and drop-downs.
std::vector<std::wstring> HangulIn(HWND dialog) {
  std::vector<std::wstring> found;
  auto look = [&](const std::wstring& text) {
    if (std::ranges::any_of(text, IsHangul)) found.push_back(text);
  };
  look(test_support::TextOf(dialog));
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    look(test_support::TextOf(child));
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    const bool list = std::wstring(kind) == L"ListBox";
    if (!list && std::wstring(kind) != L"ComboBox") continue;
    const auto count = static_cast<int>(SendMessageW(child, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t item[128] = {};
      SendMessageW(child, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
      look(item);
    }
  }
  return found;
}

std::wstring TipOf(HWND bar, HWND control) {
  wchar_t text[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(TooltipOf(bar), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  return text;
}

// English at OK: the open colour table and the tips follow at once, and the settings
// and widget selection dialogs show no Hangul; Korean at OK brings every text back.
TEST_F(Preferences, LanguageChangesAtOkWithoutARestart) {
  tidgetList.Append(MakeTidgetInfo(u"ColorTable", tidgetList));
  mainWindow.MakeTidgetWindow(0);
  const HWND tidget = tidgetList[0].tidget->hwnd;
  tidgetList[0].tidget->Activate();
  const HWND colors = FindWindowW(kWindowClassName, L"색상표");
  ASSERT_TRUE(colors);

  ChooseLanguage(LanguageChoice::English, L"환경 설정");
  EXPECT_EQ(test_support::TextOf(colors), L"Color Table");
  EXPECT_EQ(TipOf(bar_, tidget), L"Color Table");
  EXPECT_EQ(TipOf(bar_, mainWindow.menuButton), L"Menu");
  WithDialog([](HWND dialog) { EXPECT_EQ(HangulIn(dialog), std::vector<std::wstring>{}); }, ID_PREFERENCES, L"Settings");
  WithDialog(
      [](HWND dialog) {
        EXPECT_EQ(HangulIn(dialog), std::vector<std::wstring>{});
        EXPECT_EQ(test_support::TextOf(GetDlgItem(dialog, IDC_WSEL_HIDE)), L"Hide for now (settings are kept)");
      },
      ID_SELECT_WIDGETS, L"Select Widgets");

  ChooseLanguage(LanguageChoice::Korean, L"Settings");
  EXPECT_EQ(test_support::TextOf(colors), L"색상표");
  EXPECT_EQ(TipOf(bar_, tidget), L"색상표");
  WithDialog([](HWND dialog) { EXPECT_EQ(Field(dialog, IDC_PREF_AUTOSTART), L"Windows 시작 시 자동 실행"); });
  WithDialog(
      [](HWND dialog) {
        wchar_t entry[64] = {};
        SendDlgItemMessageW(dialog, IDC_WSEL_IN_USE, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
        EXPECT_STREQ(entry, L"시계-Clock_1");
      },
      ID_SELECT_WIDGETS, L"위젯 선택");
  DestroyWindow(colors);
}

// "적용" with another language shows the dialog again in that language, holding what
// was applied.
TEST_F(Preferences, ApplyShowsTheDialogAgainInTheNewLanguage) {
  bool applied = false;
  const bool ran = test_support::WhileModal([&] { SendMessageW(bar_, WM_COMMAND, ID_PREFERENCES, 0); }, [&] {
    HWND korean = test_support::FindDialog(L"환경 설정", bar_);
    if (korean && !applied) {
      SendDlgItemMessageW(korean, IDC_PREF_LANGUAGE, CB_SETCURSEL, 1, 0);
      Type(korean, IDC_PREF_TIDGET_GAP, L"9");
      Click(korean, IDC_PREF_APPLY);
      applied = true;
    }
    HWND english = test_support::FindDialog(L"Settings", bar_);
    if (!english) return false;
    EXPECT_EQ(Field(english, IDC_PREF_TIDGET_GAP), L"9");
    EXPECT_EQ(SendDlgItemMessageW(english, IDC_PREF_LANGUAGE, CB_GETCURSEL, 0, 0), 1);
    SendMessageW(english, WM_COMMAND, IDCANCEL, 0);
    return true;
  });
  EXPECT_TRUE(ran && applied);
  EXPECT_EQ(mainWindow.texts.language(), Language::English);
}

// Section "main" without its "language" line, as text.
std::wstring MainWithoutLanguage(const std::string& bytes) {
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  const std::size_t at = text.find(L"language=");
  if (at != std::wstring::npos) text.erase(at, text.find(L'\n', at) + 1 - at);
  return text;
}

// Switched to English and back, the bar writes the same file but for the language;
// the stored lines keep their Korean captions in English too. A file that never had
// the key gets none while the bar stays Korean.
TEST_F(Preferences, LanguageRoundTripWritesTheSameSettings) {
  auto written = [&] {
    barState.placementChanged = barState.listsChanged = true;
    mainWindow.SaveBarChanges();
    return FileBytes(ini.path());
  };
  WithDialog([](HWND dialog) { EXPECT_TRUE(Closes(dialog, IDOK)); });
  const std::string korean = written();
  EXPECT_EQ(ini.String(L"main", L"language"), L"<missing>");
  ChooseLanguage(LanguageChoice::English, L"환경 설정");
  written();
  EXPECT_EQ(ini.String(L"main", L"language"), L"en");
  EXPECT_EQ(ini.String(L"main", L"widget_0").substr(0, 9), L"시계§Clock§");
  ChooseLanguage(LanguageChoice::Korean, L"Settings");
  const std::string back = written();
  EXPECT_EQ(ini.String(L"main", L"language"), L"ko");
  EXPECT_NE(back, korean);
  EXPECT_EQ(MainWithoutLanguage(back), MainWithoutLanguage(korean));
}

}  // namespace
