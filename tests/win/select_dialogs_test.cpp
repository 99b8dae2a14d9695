// The widget and tidget selection dialogs opened from the real bar's menu command and
// driven as a user would: list selections, button clicks, typed numbers, and answers
// to the message boxes they ask.
#include "app/select_dialogs_win.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/bar_settings.h"
#include "app/bar_state.h"
#include "app/bar_win.h"
#include "app/select_dialogs.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/dget_win.h"

namespace {

using test_support::PumpMessages;

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  std::wstring folder = std::wstring(temp) + L"pelgra-select-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++counter);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

struct WindowSearch {
  const wchar_t* title;
  HWND owner;
  HWND found;
};

// A dialog or message box of this thread with this title (and this owner, if given).
HWND FindThreadDialog(const wchar_t* title, HWND owner = nullptr) {
  WindowSearch search{title, owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(param);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || TextOf(window) != s->title) return TRUE;
        if (s->owner && GetWindow(window, GW_OWNER) != s->owner) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// --- Running a dialog from inside its own modal loop -------------------------------

struct PendingScript {
  const wchar_t* title;
  std::function<void(HWND)> script;
  bool ran = false;
};
PendingScript* pendingScript = nullptr;

void CALLBACK RunScriptWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = pendingScript ? FindThreadDialog(pendingScript->title) : nullptr;
  if (!dialog) return;
  KillTimer(nullptr, timer);
  pendingScript->ran = true;
  pendingScript->script(dialog);
  if (IsWindow(dialog)) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// A message box seen while a button was pressed, answered with `answer`.
struct Box {
  bool seen = false;
  std::wstring caption;
  std::wstring text;
};
struct PendingBox {
  HWND owner;
  int answer;
  Box box;
};
PendingBox* pendingBox = nullptr;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
  if (!pendingBox || pendingBox->box.seen) return;
  for (const wchar_t* caption : {L"확인", L"알림"}) {
    HWND box = FindThreadDialog(caption, pendingBox->owner);
    if (!box) continue;
    pendingBox->box = {true, caption, TextOf(GetDlgItem(box, 0xFFFF))};
    PostMessageW(box, WM_COMMAND, pendingBox->answer, 0);
    return;
  }
}

// Clicks a button of the dialog; a message box it opens is answered with `answer`.
Box Press(HWND dialog, int id, int answer = IDOK) {
  PendingBox pending{dialog, answer, {}};
  pendingBox = &pending;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
  SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  pendingBox = nullptr;
  return pending.box;
}

// --- Reading and driving controls -------------------------------------------------

int Count(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageW(dialog, list, LB_GETCOUNT, 0, 0)); }
int Selection(HWND dialog, int list) {
  return static_cast<int>(SendDlgItemMessageW(dialog, list, LB_GETCURSEL, 0, 0));
}

std::vector<std::wstring> Entries(HWND dialog, int list) {
  std::vector<std::wstring> entries;
  for (int i = 0; i < Count(dialog, list); ++i) {
    wchar_t text[128] = {};
    SendDlgItemMessageW(dialog, list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

void Choose(HWND dialog, int list, int entry) {
  HWND control = GetDlgItem(dialog, list);
  SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

void ChooseSwatch(HWND dialog, int item) {
  HWND combo = GetDlgItem(dialog, IDC_WSEL_COLOR);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_WSEL_COLOR, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::wstring Field(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
void Type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Whether the delayed layout is waiting; the check stops it.
bool TakePendingLayout(HWND dialog) { return KillTimer(dialog, kDelayedLayoutTimer) != FALSE; }

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    PumpMessages();
    Sleep(5);
  }
}

int WindowHeight(const CWindow* object) {
  RECT r{};
  GetClientRect(object->hwnd, &r);
  return r.bottom;
}

std::u16string Name(const WidgetInfo& record) { return std::u16string(FieldView(record.name)); }

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH info{};
  GetObjectW(brush, sizeof info, &info);
  return info.lbColor;
}

// --- Fixture: the real bar over records set up by each test -------------------------

class SelectionDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  void SetUp() override {
    folder_ = TempFolder();
    settings.useIni = true;
    settings.iniPath = folder_ + L"\\pelgra.ini";
    barSettings = BarSettings{};
    barState = BarState{};
    widgetList.Clear();
    tidgetList.Clear();
  }

  void TearDown() override {
    if (bar_ && IsWindow(bar_)) DestroyWindow(bar_);
    PumpMessages();  // takes the bar's quit message too
    ReleaseRecordObjects();
    widgetList.Clear();
    tidgetList.Clear();
    settings.useIni = true;
    DeleteFileW(settings.iniPath.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  void Seed(const char16_t* kind) { widgetList.Append(MakeWidgetInfo(kind, widgetList)); }
  void SeedLine(const char16_t* line) { widgetList.Append(ParseWidgetLine(line)); }
  void SeedTidget(const char16_t* kind) { tidgetList.Append(MakeTidgetInfo(kind, tidgetList)); }

  void StartBar() {
    bar_ = CreateBarWindow();
    ASSERT_NE(bar_, nullptr);
    ShowWindow(bar_, SW_SHOWNOACTIVATE);
    PumpMessages();
  }

  // Opens a dialog through the bar's menu command, runs `script` on it from inside
  // its modal loop and closes it with "닫기".
  void WithDialog(UINT command, const wchar_t* title, std::function<void(HWND)> script) {
    PendingScript pending{title, std::move(script)};
    pendingScript = &pending;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunScriptWhenShown);
    SendMessageW(bar_, WM_COMMAND, command, 0);
    KillTimer(nullptr, timer);
    pendingScript = nullptr;
    EXPECT_TRUE(pending.ran) << "the dialog did not open";
  }
  void WithWidgets(std::function<void(HWND)> script) {
    WithDialog(ID_SELECT_WIDGETS, L"위젯 선택", std::move(script));
  }
  void WithTidgets(std::function<void(HWND)> script) {
    WithDialog(ID_SELECT_TIDGETS, L"티젯 선택", std::move(script));
  }

  std::wstring Ini() const { return settings.iniPath; }
  bool HasSection(const wchar_t* section) const {
    wchar_t names[1024] = {};
    const DWORD length = GetPrivateProfileSectionNamesW(names, 1024, Ini().c_str());
    for (const wchar_t* name = names; name < names + length && *name; name += wcslen(name) + 1)
      if (std::wstring(name) == section) return true;
    return false;
  }

  std::wstring folder_;
  HWND bar_ = nullptr;
};

// --- Opening ------------------------------------------------------------------------

TEST_F(SelectionDialogs, WidgetDialogOpensBesideTheBarWithTheKindsAndTheFirstRecord) {
  barSettings.widgetMinThick = 40;
  barSettings.widgetMaxThick = 250;
  Seed(u"Clock");
  Seed(u"MemUsage");
  StartBar();
  ASSERT_FALSE(barState.listsChanged);
  WithWidgets([&](HWND dialog) {
    const std::vector<std::wstring> kinds = Entries(dialog, IDC_WSEL_AVAILABLE);
    ASSERT_EQ(kinds.size(), 10u);
    EXPECT_EQ(kinds[0], L"시계");
    EXPECT_EQ(kinds[5], L"음악 재생기(멀티안됨)");
    EXPECT_EQ(kinds[9], L"이미지슬라이더");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_AVAILABLE, LB_GETITEMDATA, 7, 0), 7);
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE), (std::vector<std::wstring>{L"시계-Clock_1", L"메모리 사용량-MemUsage_1"}));
    EXPECT_EQ(Selection(dialog, IDC_WSEL_AVAILABLE), 0);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 0);

    // The first record's properties; PapayaWhip is swatch 3.
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_HIDE));
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"80");
    EXPECT_EQ(Field(dialog, IDC_WSEL_WIDTH), L"120");
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_MERGE));
    EXPECT_TRUE(Checked(dialog, IDC_WSEL_RELATIVE));
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_ABSOLUTE));
    EXPECT_EQ(Field(dialog, IDC_WSEL_RATIO), L"100");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_COLOR, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_COLOR, CB_GETCOUNT, 0, 0), kSwatchCount);

    // The spinners follow the bar's thickness limits.
    int low = 0, high = 0;
    SendDlgItemMessageW(dialog, IDC_WSEL_HEIGHT_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 40);
    EXPECT_EQ(high, 250);
    SendDlgItemMessageW(dialog, IDC_WSEL_RATIO_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 250);

    RECT bar{}, own{};
    GetWindowRect(bar_, &bar);
    GetWindowRect(dialog, &own);
    EXPECT_TRUE(own.left == bar.right + 5 || own.right == bar.left - 5) << own.left << " " << bar.right;
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), bar_);
  });
  // The lists will be written when the bar goes, whatever the dialog did.
  EXPECT_TRUE(barState.listsChanged);
}

TEST_F(SelectionDialogs, EnterClosesWithCancelAndAnEmptyBarOpensWithNothingSelected) {
  StartBar();
  PendingScript pending{L"위젯 선택", [](HWND dialog) {
                          EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 0);
                          EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), LB_ERR);
                          // No record: the properties do nothing.
                          EXPECT_FALSE(Press(dialog, IDC_WSEL_HIDE).seen);
                          Type(dialog, IDC_WSEL_HEIGHT, L"90");
                          EXPECT_FALSE(TakePendingLayout(dialog));
                          EXPECT_FALSE(Press(dialog, IDC_WSEL_REMOVE).seen);
                          EXPECT_FALSE(Press(dialog, IDC_WSEL_UP).seen);
                          // Enter closes too, and still reports IDCANCEL.
                          SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                          EXPECT_FALSE(IsWindowVisible(dialog));
                        }};
  pendingScript = &pending;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunScriptWhenShown);
  EXPECT_EQ(RunWidgetSelection(bar_), IDCANCEL);
  KillTimer(nullptr, timer);
  pendingScript = nullptr;
  EXPECT_TRUE(pending.ran);
  EXPECT_EQ(widgetList.count(), 0);
}

// --- Adding and removing --------------------------------------------------------------

TEST_F(SelectionDialogs, ClocksAreNumberedAndAFreedNameIsUsedAgain) {
  Seed(u"Clock");
  StartBar();
  const int barHeightBefore = barState.barHeight;
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_AVAILABLE, 0);
    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    ASSERT_EQ(widgetList.count(), 2);
    EXPECT_EQ(Name(widgetList[1]), u"Clock_2");
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_2");
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 1);
    // Live at once: a child of the bar, laid out at its catalogue height.
    CWidget* added = widgetList[1].widget;
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(GetParent(added->hwnd), bar_);
    EXPECT_EQ(WindowHeight(added), 80);
    EXPECT_GT(barState.barHeight, barHeightBefore);

    Choose(dialog, IDC_WSEL_IN_USE, 0);
    const Box asked = Press(dialog, IDC_WSEL_REMOVE, IDYES);
    EXPECT_TRUE(asked.seen);
    EXPECT_EQ(asked.caption, L"확인");
    EXPECT_EQ(asked.text, L"위젯 제거시 모든 정보도 같이 삭제됩니다. 제거하시겠습니까?");
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE), std::vector<std::wstring>{L"시계-Clock_2"});

    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    ASSERT_EQ(widgetList.count(), 2);
    EXPECT_EQ(Name(widgetList[1]), u"Clock_1");
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_1");
  });
}

TEST_F(SelectionDialogs, ASingleInstanceKindIsRefusedUntilItsInstanceIsRemoved) {
  StartBar();
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_AVAILABLE, 5);
    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    ASSERT_EQ(widgetList.count(), 1);
    EXPECT_EQ(Name(widgetList[0]), u"MusicPlayer");

    const Box refused = Press(dialog, IDC_WSEL_ADD);
    EXPECT_EQ(refused.caption, L"알림");
    EXPECT_EQ(refused.text, L"이 위젯은 여러 개 사용할 수 없거나 그럴 필요가 없습니다.");
    EXPECT_EQ(widgetList.count(), 1);
    EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 1);

    EXPECT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    EXPECT_EQ(widgetList.count(), 0);
    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    EXPECT_EQ(widgetList.count(), 1);
  });
}

TEST_F(SelectionDialogs, AnsweringNoKeepsTheInstanceAndItsSection) {
  Seed(u"Clock");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) {
    EXPECT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDNO).seen);
    EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 1);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 0);
  });
  ASSERT_EQ(widgetList.count(), 1);
  EXPECT_EQ(widgetList[0].widget, clock);
  EXPECT_TRUE(IsWindow(clock->hwnd));
  EXPECT_TRUE(HasSection(L"Clock_1"));
}

TEST_F(SelectionDialogs, RemovalSelectsTheNextEntryOrNoneAfterTheLast) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  Seed(u"Battery");
  widgetList[1].vertHeight = 61;
  widgetList[2].vertHeight = 77;
  StartBar();
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_IN_USE, 0);
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    // The memory widget took the place and the controls show it, not the clock.
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 0);
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"61");

    Choose(dialog, IDC_WSEL_IN_USE, 1);
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE), std::vector<std::wstring>{L"메모리 사용량-MemUsage_1"});
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), LB_ERR);

    Choose(dialog, IDC_WSEL_IN_USE, 0);
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 0);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), LB_ERR);
  });
  EXPECT_EQ(widgetList.count(), 0);
  // Only the bar's own buttons and the tidget strip are left under it.
  int children = 0;
  for (HWND child = GetWindow(bar_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(children, 3);
}

TEST_F(SelectionDialogs, RemovingAnInstanceDeletesItsWholeSectionOnly) {
  Seed(u"Clock");
  Seed(u"Clock");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  settings.SetString(L"Clock_1", L"hour24", L"0");
  settings.SetString(L"Clock_2", L"faceType", L"1");
  WithWidgets([&](HWND dialog) { ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen); });
  EXPECT_FALSE(HasSection(L"Clock_1"));
  EXPECT_TRUE(HasSection(L"Clock_2"));
  EXPECT_EQ(GetPrivateProfileIntW(L"Clock_2", L"faceType", 0, Ini().c_str()), 1u);
}

TEST_F(SelectionDialogs, WithTheRegistryStoreTheFileIsLeftAlone) {
  Seed(u"Clock");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  settings.useIni = false;
  WithWidgets([&](HWND dialog) { ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen); });
  EXPECT_EQ(widgetList.count(), 0);
  EXPECT_TRUE(HasSection(L"Clock_1"));
}

TEST_F(SelectionDialogs, TheRemovedSectionIsTheSelectedRecordsEvenWithADashInTheCaption) {
  SeedLine(u"탁상-시계§Clock§Clock_1§1§80§120§14020607§0§100");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  settings.SetString(L"시계-Clock_1", L"keep", L"1");
  WithWidgets([&](HWND dialog) {
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE), std::vector<std::wstring>{L"탁상-시계-Clock_1"});
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
  });
  EXPECT_FALSE(HasSection(L"Clock_1"));
  EXPECT_TRUE(HasSection(L"시계-Clock_1"));
}

TEST_F(SelectionDialogs, ARecordOfAnUnknownKindIsListedEditedAndRemoved) {
  SeedLine(u"미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100§more");
  SeedLine(u"미래 위젯§FutureKind§FutureKind_2§1§70§120§255§0§100§more");
  Seed(u"Clock");
  StartBar();
  ASSERT_EQ(widgetList[0].widget, nullptr);
  WithWidgets([&](HWND dialog) {
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE)[0], L"미래 위젯-FutureKind_1");
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"70");
    // Red is no swatch: Pink is shown.
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_COLOR, CB_GETCURSEL, 0, 0), 0);

    // Moved without an edit, the second keeps its line as it was read.
    Choose(dialog, IDC_WSEL_IN_USE, 1);
    Press(dialog, IDC_WSEL_DOWN);
    ASSERT_EQ(Name(widgetList[2]), u"FutureKind_2");
    EXPECT_EQ(LineToSave(widgetList[2]), u"미래 위젯§FutureKind§FutureKind_2§1§70§120§255§0§100§more");

    // An edited one is written with the edit.
    Choose(dialog, IDC_WSEL_IN_USE, 0);
    Press(dialog, IDC_WSEL_HIDE);
    EXPECT_EQ(LineToSave(widgetList[0]), u"미래 위젯§FutureKind§FutureKind_1§0§70§120§255§0§100");

    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 2);
  });
  ASSERT_EQ(widgetList.count(), 2);
  EXPECT_EQ(Name(widgetList[0]), u"Clock_1");
  EXPECT_TRUE(IsWindow(widgetList[0].widget->hwnd));
}

// --- Moving -----------------------------------------------------------------------------

TEST_F(SelectionDialogs, MovingPastEitherEndChangesNothingAndAMoveReordersTheBar) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  Seed(u"Battery");
  StartBar();
  CWidget* clock = widgetList[0].widget;
  CWidget* memory = widgetList[1].widget;
  WithWidgets([&](HWND dialog) {
    const std::vector<std::wstring> before = Entries(dialog, IDC_WSEL_IN_USE);
    Press(dialog, IDC_WSEL_UP);
    Choose(dialog, IDC_WSEL_IN_USE, 2);
    Press(dialog, IDC_WSEL_DOWN);
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE), before);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 2);
    EXPECT_EQ(widgetList[0].widget, clock);

    Choose(dialog, IDC_WSEL_IN_USE, 0);
    Press(dialog, IDC_WSEL_DOWN);
    EXPECT_EQ(Entries(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_1");
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 1);
    EXPECT_EQ(widgetList[0].widget, memory);
    EXPECT_EQ(widgetList[1].widget, clock);
    // Laid out at once: the memory widget is now above the clock.
    RECT first{}, second{};
    GetWindowRect(memory->hwnd, &first);
    GetWindowRect(clock->hwnd, &second);
    EXPECT_LT(first.top, second.top);
  });
}

// --- Properties ---------------------------------------------------------------------------

TEST_F(SelectionDialogs, AColourOutsideTheSwatchesShowsPinkUntilOneIsPicked) {
  Seed(u"Clock");
  widgetList[0].bgColor = RGB(1, 2, 3);
  StartBar();
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) {
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_COLOR, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(widgetList[0].bgColor, RGB(1, 2, 3));
    ChooseSwatch(dialog, 13);
    EXPECT_EQ(widgetList[0].bgColor, colorSwatches[13]);
    EXPECT_EQ(BrushColor(clock->bgBrush), colorSwatches[13]);
    // A pick that is no swatch changes nothing.
    ChooseSwatch(dialog, -1);
    EXPECT_EQ(widgetList[0].bgColor, colorSwatches[13]);
  });
  EXPECT_EQ(colorSwatches[13], RGB(0xEE, 0x82, 0xEE));  // Violet
}

TEST_F(SelectionDialogs, HidingAMergedWidgetClearsMergingAndShowingDoesNotRestoreIt) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  widgetList[1].merged = true;
  StartBar();
  CWidget* memory = widgetList[1].widget;
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_IN_USE, 1);
    EXPECT_TRUE(Checked(dialog, IDC_WSEL_MERGE));
    Press(dialog, IDC_WSEL_HIDE);
    EXPECT_FALSE(widgetList[1].visible);
    EXPECT_FALSE(widgetList[1].merged);
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_MERGE));
    EXPECT_FALSE(IsWindowVisible(memory->hwnd));
    // Hiding lays out at once, with no timer.
    EXPECT_FALSE(TakePendingLayout(dialog));

    Press(dialog, IDC_WSEL_HIDE);
    EXPECT_TRUE(widgetList[1].visible);
    EXPECT_FALSE(widgetList[1].merged);
    EXPECT_TRUE(IsWindowVisible(memory->hwnd));

    Press(dialog, IDC_WSEL_MERGE);
    EXPECT_TRUE(widgetList[1].merged);
    EXPECT_TRUE(TakePendingLayout(dialog));
  });
}

TEST_F(SelectionDialogs, RatioSignFollowsTheRadioButtonsAndZeroIsFixed) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  widgetList[1].ratio = 0;
  widgetList[1].merged = true;
  StartBar();
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_IN_USE, 1);
    EXPECT_TRUE(Checked(dialog, IDC_WSEL_ABSOLUTE));
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_RELATIVE));
    EXPECT_EQ(Field(dialog, IDC_WSEL_RATIO), L"0");
    // Shown, not stored: the record keeps its value.
    EXPECT_EQ(widgetList[1].ratio, 0);
    EXPECT_FALSE(TakePendingLayout(dialog));

    Type(dialog, IDC_WSEL_RATIO, L"40");
    EXPECT_EQ(widgetList[1].ratio, -40);
    Press(dialog, IDC_WSEL_RELATIVE);
    EXPECT_EQ(widgetList[1].ratio, 40);
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_ABSOLUTE));
    Type(dialog, IDC_WSEL_RATIO, L"25");
    EXPECT_EQ(widgetList[1].ratio, 25);
    Press(dialog, IDC_WSEL_ABSOLUTE);
    EXPECT_EQ(widgetList[1].ratio, -25);
    EXPECT_TRUE(TakePendingLayout(dialog));

    // Back on the first record: its own ratio is shown.
    Choose(dialog, IDC_WSEL_IN_USE, 0);
    EXPECT_TRUE(Checked(dialog, IDC_WSEL_RELATIVE));
    EXPECT_EQ(Field(dialog, IDC_WSEL_RATIO), L"100");
  });
}

TEST_F(SelectionDialogs, ThicknessIsClampedAndOnlyTheCurrentDirectionWaitsForALayout) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  widgetList[1].vertHeight = 500;  // stored out of range
  StartBar();
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) {
    Type(dialog, IDC_WSEL_HEIGHT, L"1000");
    EXPECT_EQ(widgetList[0].vertHeight, 300);
    EXPECT_EQ(clock->height, 300);
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"1000");
    Type(dialog, IDC_WSEL_HEIGHT, L"");
    EXPECT_EQ(widgetList[0].vertHeight, 30);
    EXPECT_TRUE(TakePendingLayout(dialog));

    // The bar is vertical: a width waits for no layout.
    Type(dialog, IDC_WSEL_WIDTH, L"10");
    EXPECT_EQ(widgetList[0].horzWidth, 30);
    EXPECT_EQ(clock->width, 30);
    EXPECT_FALSE(TakePendingLayout(dialog));

    // Loading a record is no edit: its stored height is shown and kept.
    Choose(dialog, IDC_WSEL_IN_USE, 1);
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"500");
    EXPECT_EQ(widgetList[1].vertHeight, 500);
    EXPECT_FALSE(TakePendingLayout(dialog));
  });
}

TEST_F(SelectionDialogs, TheNewHeightIsLaidOutWhenTheDelayHasPassed) {
  Seed(u"Clock");
  StartBar();
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) {
    const DWORD typed = GetTickCount();
    Type(dialog, IDC_WSEL_HEIGHT, L"150");
    EXPECT_EQ(WindowHeight(clock), 80);
    while (WindowHeight(clock) == 80 && GetTickCount() - typed < 3000) PumpFor(20);
    EXPECT_EQ(WindowHeight(clock), 150);
    EXPECT_GE(GetTickCount() - typed, 700u);
    EXPECT_FALSE(TakePendingLayout(dialog));
  });
}

TEST_F(SelectionDialogs, ClosingBeforeTheDelayLaysOutAtOnce) {
  Seed(u"Clock");
  StartBar();
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) { Type(dialog, IDC_WSEL_HEIGHT, L"140"); });
  EXPECT_EQ(WindowHeight(clock), 140);
}

// --- The colour drop-down ---------------------------------------------------------

TEST_F(SelectionDialogs, SwatchItemsAreDrawnAndAMissingItemOnlyClearsItsBox) {
  Seed(u"Clock");
  StartBar();
  WithWidgets([&](HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_WSEL_COLOR);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), kSwatchItemHeight);

    HDC screen = GetDC(nullptr);
    gdi::MemoryDC dc(screen);
    gdi::Bitmap canvas = gdi::CompatibleBitmap(screen, 60, kSwatchItemHeight);
    ReleaseDC(nullptr, screen);
    gdi::Selection selected(dc, canvas);
    const int liveBefore = gdi::LiveObjects();
    auto draw = [&](UINT item, UINT state) {
      DRAWITEMSTRUCT info{};
      info.CtlType = ODT_COMBOBOX;
      info.CtlID = IDC_WSEL_COLOR;
      info.itemID = item;
      info.itemAction = ODA_DRAWENTIRE;
      info.itemState = state;
      info.hwndItem = combo;
      info.hDC = dc;
      info.rcItem = {0, 0, 60, kSwatchItemHeight};
      SendMessageW(dialog, WM_DRAWITEM, IDC_WSEL_COLOR, reinterpret_cast<LPARAM>(&info));
    };
    draw(3, ODS_SELECTED);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 30, 9), colorSwatches[3]);
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0, 0, 0));  // the DC's pen
    draw(3, 0);
    EXPECT_EQ(GetPixel(dc, 59, 17), RGB(255, 255, 255));
    for (UINT missing : {static_cast<UINT>(-1), static_cast<UINT>(kSwatchCount), 0x7FFFFFFFu}) {
      draw(missing, 0);
      EXPECT_EQ(GetPixel(dc, 30, 9), RGB(255, 255, 255)) << missing;
      EXPECT_EQ(GetPixel(dc, 2, 1), RGB(255, 255, 255)) << missing;
    }
    EXPECT_EQ(gdi::LiveObjects(), liveBefore);
  });
}

// --- The tidget dialog ----------------------------------------------------------------

TEST_F(SelectionDialogs, TidgetDialogAddsNumbersRefusesRemovesAndHides) {
  SeedTidget(u"LCDTest");
  StartBar();
  WithTidgets([&](HWND dialog) {
    const std::vector<std::wstring> kinds = Entries(dialog, IDC_TSEL_AVAILABLE);
    ASSERT_EQ(kinds.size(), 7u);
    EXPECT_EQ(kinds[0], L"LCD 테스트(멀티안됨)");
    EXPECT_EQ(kinds[4], L"참조 이미지");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TSEL_AVAILABLE, LB_GETITEMDATA, 4, 0), 14);
    EXPECT_EQ(Entries(dialog, IDC_TSEL_IN_USE), std::vector<std::wstring>{L"LCD 테스트-LCDTest"});
    EXPECT_FALSE(Checked(dialog, IDC_TSEL_HIDE));

    const Box refused = Press(dialog, IDC_TSEL_ADD);
    EXPECT_EQ(refused.caption, L"알림");
    EXPECT_EQ(refused.text, L"이 티젯은 여러 개 사용할 수 없거나 그럴 필요가 없습니다.");
    EXPECT_EQ(tidgetList.count(), 1);

    Choose(dialog, IDC_TSEL_AVAILABLE, 4);
    EXPECT_FALSE(Press(dialog, IDC_TSEL_ADD).seen);
    EXPECT_FALSE(Press(dialog, IDC_TSEL_ADD).seen);
    EXPECT_EQ(Entries(dialog, IDC_TSEL_IN_USE),
              (std::vector<std::wstring>{L"LCD 테스트-LCDTest", L"참조 이미지-OneImage_1", L"참조 이미지-OneImage_2"}));
    EXPECT_EQ(Selection(dialog, IDC_TSEL_IN_USE), 2);

    Press(dialog, IDC_TSEL_HIDE);
    EXPECT_FALSE(tidgetList[2].visible);
    Press(dialog, IDC_TSEL_UP);
    EXPECT_EQ(std::u16string(FieldView(tidgetList[1].name)), u"OneImage_2");
    Choose(dialog, IDC_TSEL_IN_USE, 2);
    EXPECT_FALSE(Checked(dialog, IDC_TSEL_HIDE));
    Choose(dialog, IDC_TSEL_IN_USE, 1);
    EXPECT_TRUE(Checked(dialog, IDC_TSEL_HIDE));

    const Box asked = Press(dialog, IDC_TSEL_REMOVE, IDYES);
    EXPECT_EQ(asked.caption, L"확인");
    EXPECT_EQ(asked.text, L"티젯 제거시 모든 정보도 같이 삭제됩니다. 제거하시겠습니까?");
    EXPECT_EQ(Entries(dialog, IDC_TSEL_IN_USE),
              (std::vector<std::wstring>{L"LCD 테스트-LCDTest", L"참조 이미지-OneImage_1"}));
  });
  EXPECT_EQ(tidgetList.count(), 2);
}

// --- The templates --------------------------------------------------------------------

TEST_F(SelectionDialogs, TemplatesHaveTheirSizesFontsAndControlKinds) {
  StartBar();
  auto checkFrame = [](HWND dialog, int widthUnits, int heightUnits, const wchar_t* face) {
    RECT expected{0, 0, widthUnits, heightUnits};
    MapDialogRect(dialog, &expected);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, face);
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_POPUP), WS_CAPTION | WS_SYSMENU | WS_POPUP);
    EXPECT_EQ(Field(dialog, IDCANCEL), L"닫기");
  };
  auto checkList = [](HWND dialog, int id) {
    const LONG style = GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE);
    EXPECT_TRUE(style & LBS_NOTIFY) << id;
    EXPECT_FALSE(style & LBS_SORT) << id;
  };
  WithWidgets([&](HWND dialog) {
    checkFrame(dialog, 427, 204, L"맑은 고딕");
    checkList(dialog, IDC_WSEL_AVAILABLE);
    checkList(dialog, IDC_WSEL_IN_USE);
    const LONG combo = GetWindowLongW(GetDlgItem(dialog, IDC_WSEL_COLOR), GWL_STYLE);
    EXPECT_EQ(combo & 0xF, CBS_DROPDOWNLIST);
    EXPECT_TRUE(combo & CBS_OWNERDRAWFIXED);
    EXPECT_FALSE(combo & CBS_HASSTRINGS);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_WSEL_HEIGHT), GWL_STYLE) & ES_NUMBER);
    // Each spinner takes the edit just before it.
    const std::pair<int, int> spinners[] = {{IDC_WSEL_HEIGHT_SPIN, IDC_WSEL_HEIGHT},
                                            {IDC_WSEL_WIDTH_SPIN, IDC_WSEL_WIDTH},
                                            {IDC_WSEL_RATIO_SPIN, IDC_WSEL_RATIO}};
    for (const auto& [spin, buddy] : spinners)
      EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, spin, UDM_GETBUDDY, 0, 0)),
                GetDlgItem(dialog, buddy));
    EXPECT_EQ(Field(dialog, IDC_WSEL_HIDE), L"잠시 숨기기(모든 설정은 그대로 유지됨)");
    EXPECT_EQ(Field(dialog, IDC_WSEL_ADD), L"->");
    // Position and size are mapped from dialog units one by one.
    RECT down{144, 126, 19, 14};
    MapDialogRect(dialog, &down);
    RECT shown{};
    GetWindowRect(GetDlgItem(dialog, IDC_WSEL_DOWN), &shown);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&shown), 2);
    EXPECT_EQ(shown.left, down.left);
    EXPECT_EQ(shown.top, down.top);
    EXPECT_EQ(shown.right - shown.left, down.right);
    EXPECT_EQ(shown.bottom - shown.top, down.bottom);
  });
  WithTidgets([&](HWND dialog) {
    checkFrame(dialog, 438, 252, L"굴림");
    checkList(dialog, IDC_TSEL_AVAILABLE);
    checkList(dialog, IDC_TSEL_IN_USE);
    EXPECT_EQ(Field(dialog, IDC_TSEL_DOWN), L"v");
  });
}

}  // namespace
