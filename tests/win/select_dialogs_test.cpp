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

#include "core/bar_settings.h"
#include "app/bar_state.h"
#include "app/bar_win.h"
#include "app/select_dialogs.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "res/resource.h"
#include "support/bar_bench.h"
#include "support/win_test_support.h"
#include "widgets/base/dget_win.h"

namespace {

using test_support::Answered;
using test_support::TextOf;
using Entries = std::vector<std::wstring>;

// Clicks a button of the dialog; a message box it opens is answered with `answer`.
Answered Press(HWND dialog, int id, int answer = IDOK) {
  return test_support::AnswerModal(dialog, answer, [&] { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); });
}

int Count(HWND dialog, int list) { return static_cast<int>(SendDlgItemMessageW(dialog, list, LB_GETCOUNT, 0, 0)); }
int Selection(HWND dialog, int id, UINT msg = LB_GETCURSEL) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, msg, 0, 0));
}

Entries ListOf(HWND dialog, int list) {
  Entries entries;
  for (int i = 0; i < Count(dialog, list); ++i) {
    wchar_t text[128] = {};
    SendDlgItemMessageW(dialog, list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

// Selects an entry of a list or drop-down and tells the dialog, as a click does.
void Choose(HWND dialog, int id, int entry, UINT select = LB_SETCURSEL, WORD notice = LBN_SELCHANGE) {
  HWND control = GetDlgItem(dialog, id);
  SendMessageW(control, select, static_cast<WPARAM>(entry), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, notice), reinterpret_cast<LPARAM>(control));
}
void ChooseSwatch(HWND dialog, int item) { Choose(dialog, IDC_WSEL_COLOR, item, CB_SETCURSEL, CBN_SELCHANGE); }

std::wstring Field(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
void Type(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Whether the delayed layout is waiting; the check stops it.
bool TakePendingLayout(HWND dialog) { return KillTimer(dialog, kDelayedLayoutTimer) != FALSE; }

int WindowHeight(const CWindow* object) {
  RECT r{};
  GetClientRect(object->hwnd, &r);
  return r.bottom;
}

std::u16string Name(const WidgetInfo& record) { return std::u16string(FieldView(record.name)); }

// --- Fixture: the real bar over records set up by each test -------------------------

class SelectionDialogs : public test_support::BarBench {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  void SetUp() override {
    barSettings = BarSettings{};
    barState = BarState{};
    widgetList.Clear();
    tidgetList.Clear();
  }

  void TearDown() override {
    if (bar_ && IsWindow(bar_)) DestroyWindow(bar_);
    test_support::PumpMessages();  // takes the bar's quit message too
    ReleaseRecordObjects();
    widgetList.Clear();
    tidgetList.Clear();
  }

  void Seed(const char16_t* kind) { widgetList.Append(MakeWidgetInfo(kind, widgetList)); }
  void SeedLine(const char16_t* line) { widgetList.Append(ParseWidgetLine(line)); }

  void StartBar() {
    bar_ = CreateBarWindow();
    ASSERT_NE(bar_, nullptr);
    ShowWindow(bar_, SW_SHOWNOACTIVATE);
    test_support::PumpMessages();
  }

  // Calls `start`, which opens the dialog titled `title`, runs `script` on it from
  // inside its modal loop and closes it with "닫기" unless the script did.
  void WithDialog(const std::function<void()>& start, const wchar_t* title, const std::function<void(HWND)>& script) {
    const bool ran = test_support::WhileModal(start, [&] {
      HWND dialog = test_support::FindDialog(title, bar_);
      if (!dialog) return false;
      script(dialog);
      if (IsWindow(dialog)) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return true;
    });
    EXPECT_TRUE(ran) << "the dialog did not open";
  }
  void Command(UINT id) { SendMessageW(bar_, WM_COMMAND, id, 0); }
  void WithWidgets(const std::function<void(HWND)>& script) {
    WithDialog([&] { Command(ID_SELECT_WIDGETS); }, L"위젯 선택", script);
  }
  void WithTidgets(const std::function<void(HWND)>& script) {
    WithDialog([&] { Command(ID_SELECT_TIDGETS); }, L"티젯 선택", script);
  }

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
    const Entries kinds = ListOf(dialog, IDC_WSEL_AVAILABLE);
    ASSERT_EQ(kinds.size(), 10u);
    EXPECT_EQ(kinds[0], L"시계");
    EXPECT_EQ(kinds[5], L"음악 재생기(멀티안됨)");
    EXPECT_EQ(kinds[9], L"이미지슬라이더");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_WSEL_AVAILABLE, LB_GETITEMDATA, 7, 0), 7);
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE), (Entries{L"시계-Clock_1", L"메모리 사용량-MemUsage_1"}));
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
    EXPECT_EQ(Selection(dialog, IDC_WSEL_COLOR, CB_GETCURSEL), 3);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_COLOR, CB_GETCOUNT), kSwatchCount);

    // The spinners follow the bar's thickness limits.
    for (auto [spin, lowest] : {std::pair{IDC_WSEL_HEIGHT_SPIN, 40}, {IDC_WSEL_RATIO_SPIN, 1}}) {
      int low = 0, high = 0;
      SendDlgItemMessageW(dialog, spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                          reinterpret_cast<LPARAM>(&high));
      EXPECT_EQ(low, lowest);
      EXPECT_EQ(high, 250);
    }

    RECT bar{}, own{};
    GetWindowRect(bar_, &bar);
    GetWindowRect(dialog, &own);
    EXPECT_TRUE(own.left == bar.right + 5 || own.right == bar.left - 5) << own.left << " " << bar.right;
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), bar_);
  });
  // The lists will be written when the bar goes, whatever the dialogs did.
  EXPECT_TRUE(barState.listsChanged);
  barState.listsChanged = false;
  WithTidgets([](HWND) {});
  EXPECT_TRUE(barState.listsChanged);
}

TEST_F(SelectionDialogs, EnterClosesWithCancelAndAnEmptyBarOpensWithNothingSelected) {
  StartBar();
  INT_PTR result = 0;
  WithDialog([&] { result = RunWidgetSelection(mainWindow); }, L"위젯 선택", [](HWND dialog) {
    EXPECT_EQ(Count(dialog, IDC_WSEL_IN_USE), 0);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), LB_ERR);
    // No record: the properties do nothing.
    EXPECT_FALSE(Press(dialog, IDC_WSEL_HIDE).seen);
    Type(dialog, IDC_WSEL_HEIGHT, L"90");
    EXPECT_FALSE(TakePendingLayout(dialog));
    EXPECT_FALSE(Press(dialog, IDC_WSEL_REMOVE).seen);
    EXPECT_FALSE(Press(dialog, IDC_WSEL_UP).seen);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(dialog));
  });
  EXPECT_EQ(result, IDCANCEL);
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
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_2");
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 1);
    // Live at once: a child of the bar, laid out at its catalogue height.
    CWidget* added = widgetList[1].widget;
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(GetParent(added->hwnd), bar_);
    EXPECT_EQ(WindowHeight(added), 80);
    EXPECT_GT(barState.barHeight, barHeightBefore);

    Choose(dialog, IDC_WSEL_IN_USE, 0);
    const Answered asked = Press(dialog, IDC_WSEL_REMOVE, IDYES);
    EXPECT_EQ(asked.caption, L"확인");
    EXPECT_EQ(asked.text, L"위젯 제거시 모든 정보도 같이 삭제됩니다. 제거하시겠습니까?");
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE), Entries{L"시계-Clock_2"});

    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    ASSERT_EQ(widgetList.count(), 2);
    EXPECT_EQ(Name(widgetList[1]), u"Clock_1");
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_1");
  });
}

TEST_F(SelectionDialogs, ASingleInstanceKindIsRefusedUntilItsInstanceIsRemoved) {
  StartBar();
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_AVAILABLE, 5);
    EXPECT_FALSE(Press(dialog, IDC_WSEL_ADD).seen);
    ASSERT_EQ(widgetList.count(), 1);
    EXPECT_EQ(Name(widgetList[0]), u"MusicPlayer");

    const Answered refused = Press(dialog, IDC_WSEL_ADD);
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
  EXPECT_TRUE(ini.HasSection(L"Clock_1"));
}

TEST_F(SelectionDialogs, RemovalSelectsTheNextEntryOrNoneAfterTheLast) {
  Seed(u"Clock");
  Seed(u"MemUsage");
  Seed(u"Battery");
  widgetList[1].vertHeight = 61;
  StartBar();
  WithWidgets([&](HWND dialog) {
    Choose(dialog, IDC_WSEL_IN_USE, 0);
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    // The memory widget took the place and the controls show it, not the clock.
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 0);
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"61");

    Choose(dialog, IDC_WSEL_IN_USE, 1);
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE), Entries{L"메모리 사용량-MemUsage_1"});
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

TEST_F(SelectionDialogs, RemovingAnInstanceDeletesItsWholeSectionOnlyAndForGood) {
  Seed(u"Clock");
  Seed(u"Clock");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  settings.SetString(L"Clock_1", L"hour24", L"0");
  settings.SetString(L"Clock_2", L"faceType", L"1");
  WithWidgets([&](HWND dialog) { ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen); });
  EXPECT_FALSE(ini.HasSection(L"Clock_1"));
  EXPECT_EQ(ini.Int(L"Clock_2", L"faceType"), 1);
  // Closing the bar writes the lists and the other clock's options, but not the removed ones.
  DestroyWindow(bar_);
  EXPECT_EQ(ini.Int(L"main", L"wnum"), 1);
  EXPECT_EQ(ini.String(L"main", L"widget_0"), L"시계§Clock§Clock_2§1§80§120§14020607§0§100");
  EXPECT_FALSE(ini.HasSection(L"Clock_1"));
}

TEST_F(SelectionDialogs, TheRemovedSectionIsTheSelectedRecordsEvenWithADashInTheCaption) {
  SeedLine(u"탁상-시계§Clock§Clock_1§1§80§120§14020607§0§100");
  StartBar();
  settings.SetString(L"Clock_1", L"faceType", L"1");
  settings.SetString(L"시계-Clock_1", L"keep", L"1");
  WithWidgets([&](HWND dialog) {
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE), Entries{L"탁상-시계-Clock_1"});
    ASSERT_TRUE(Press(dialog, IDC_WSEL_REMOVE, IDYES).seen);
  });
  EXPECT_FALSE(ini.HasSection(L"Clock_1"));
  EXPECT_TRUE(ini.HasSection(L"시계-Clock_1"));
}

TEST_F(SelectionDialogs, ARecordOfAnUnknownKindIsListedEditedAndRemoved) {
  SeedLine(u"미래 위젯§FutureKind§FutureKind_1§1§70§120§255§0§100§more");
  SeedLine(u"미래 위젯§FutureKind§FutureKind_2§1§70§120§255§0§100§more");
  Seed(u"Clock");
  StartBar();
  ASSERT_EQ(widgetList[0].widget, nullptr);
  WithWidgets([&](HWND dialog) {
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE)[0], L"미래 위젯-FutureKind_1");
    EXPECT_EQ(Field(dialog, IDC_WSEL_HEIGHT), L"70");
    EXPECT_EQ(Selection(dialog, IDC_WSEL_COLOR, CB_GETCURSEL), 0);  // red is no swatch: Pink is shown

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
    const Entries before = ListOf(dialog, IDC_WSEL_IN_USE);
    Press(dialog, IDC_WSEL_UP);
    Choose(dialog, IDC_WSEL_IN_USE, 2);
    Press(dialog, IDC_WSEL_DOWN);
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE), before);
    EXPECT_EQ(Selection(dialog, IDC_WSEL_IN_USE), 2);
    EXPECT_EQ(widgetList[0].widget, clock);

    Choose(dialog, IDC_WSEL_IN_USE, 0);
    Press(dialog, IDC_WSEL_DOWN);
    EXPECT_EQ(ListOf(dialog, IDC_WSEL_IN_USE)[1], L"시계-Clock_1");
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
    EXPECT_EQ(Selection(dialog, IDC_WSEL_COLOR, CB_GETCURSEL), 0);
    EXPECT_EQ(widgetList[0].bgColor, RGB(1, 2, 3));
    ChooseSwatch(dialog, 13);
    EXPECT_EQ(widgetList[0].bgColor, ResolvedSwatches()[13]);
    LOGBRUSH brush{};
    GetObjectW(clock->bgBrush, sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, ResolvedSwatches()[13]);
    ChooseSwatch(dialog, -1);  // a pick that is no swatch changes nothing
    EXPECT_EQ(widgetList[0].bgColor, ResolvedSwatches()[13]);
  });
  EXPECT_EQ(ResolvedSwatches()[13], RGB(0xEE, 0x82, 0xEE));  // Violet
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
    EXPECT_FALSE(TakePendingLayout(dialog));  // hiding lays out at once, with no timer

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
    EXPECT_EQ(Field(dialog, IDC_WSEL_ABSOLUTE), L"절대 픽셀");
    EXPECT_FALSE(Checked(dialog, IDC_WSEL_RELATIVE));
    EXPECT_EQ(Field(dialog, IDC_WSEL_RATIO), L"0");
    EXPECT_EQ(widgetList[1].ratio, 0);  // shown, not stored: the record keeps its value
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

    Choose(dialog, IDC_WSEL_IN_USE, 0);  // back on the first record: its own ratio
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

TEST_F(SelectionDialogs, TheNewHeightIsLaidOutWhenTheDelayHasPassedOrAtOnceOnClosing) {
  Seed(u"Clock");
  StartBar();
  CWidget* clock = widgetList[0].widget;
  WithWidgets([&](HWND dialog) {
    const DWORD typed = GetTickCount();
    Type(dialog, IDC_WSEL_HEIGHT, L"150");
    EXPECT_EQ(WindowHeight(clock), 80);
    EXPECT_TRUE(test_support::PumpUntil([&] { return WindowHeight(clock) == 150; }, 3000));
    EXPECT_GE(GetTickCount() - typed, 700u);
    EXPECT_FALSE(TakePendingLayout(dialog));
  });
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
    gdi::MemoryDC dc(nullptr);
    gdi::Bitmap canvas = gdi::CompatibleBitmap(gdi::WindowDC(nullptr), 60, kSwatchItemHeight);
    gdi::Selection selected(dc, canvas);
    const int liveBefore = gdi::LiveObjects();
    auto draw = [&](UINT item, UINT state) {
      DRAWITEMSTRUCT info{ODT_COMBOBOX, IDC_WSEL_COLOR, item, ODA_DRAWENTIRE, state, combo, dc,
                          {0, 0, 60, kSwatchItemHeight}, 0};
      SendMessageW(dialog, WM_DRAWITEM, IDC_WSEL_COLOR, reinterpret_cast<LPARAM>(&info));
    };
    draw(3, ODS_SELECTED);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 30, 9), ResolvedSwatches()[3]);
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
  tidgetList.Append(MakeTidgetInfo(u"LCDTest", tidgetList));
  StartBar();
  WithTidgets([&](HWND dialog) {
    const Entries kinds = ListOf(dialog, IDC_TSEL_AVAILABLE);
    ASSERT_EQ(kinds.size(), 7u);
    EXPECT_EQ(kinds[0], L"LCD 테스트(멀티안됨)");
    EXPECT_EQ(kinds[4], L"참조 이미지");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TSEL_AVAILABLE, LB_GETITEMDATA, 4, 0), 14);
    EXPECT_EQ(ListOf(dialog, IDC_TSEL_IN_USE), Entries{L"LCD 테스트-LCDTest"});
    EXPECT_FALSE(Checked(dialog, IDC_TSEL_HIDE));

    const Answered refused = Press(dialog, IDC_TSEL_ADD);
    EXPECT_EQ(refused.caption, L"알림");
    EXPECT_EQ(refused.text, L"이 티젯은 여러 개 사용할 수 없거나 그럴 필요가 없습니다.");
    EXPECT_EQ(tidgetList.count(), 1);

    Choose(dialog, IDC_TSEL_AVAILABLE, 4);
    EXPECT_FALSE(Press(dialog, IDC_TSEL_ADD).seen);
    EXPECT_FALSE(Press(dialog, IDC_TSEL_ADD).seen);
    EXPECT_EQ(ListOf(dialog, IDC_TSEL_IN_USE),
              (Entries{L"LCD 테스트-LCDTest", L"참조 이미지-OneImage_1", L"참조 이미지-OneImage_2"}));
    EXPECT_EQ(Selection(dialog, IDC_TSEL_IN_USE), 2);

    Press(dialog, IDC_TSEL_HIDE);
    EXPECT_FALSE(tidgetList[2].visible);
    Press(dialog, IDC_TSEL_UP);
    EXPECT_EQ(std::u16string(FieldView(tidgetList[1].name)), u"OneImage_2");
    Choose(dialog, IDC_TSEL_IN_USE, 2);
    EXPECT_FALSE(Checked(dialog, IDC_TSEL_HIDE));
    Choose(dialog, IDC_TSEL_IN_USE, 1);
    EXPECT_TRUE(Checked(dialog, IDC_TSEL_HIDE));

    const Answered asked = Press(dialog, IDC_TSEL_REMOVE, IDYES);
    EXPECT_EQ(asked.caption, L"확인");
    EXPECT_EQ(asked.text, L"티젯 제거시 모든 정보도 같이 삭제됩니다. 제거하시겠습니까?");
    EXPECT_EQ(ListOf(dialog, IDC_TSEL_IN_USE), (Entries{L"LCD 테스트-LCDTest", L"참조 이미지-OneImage_1"}));
  });
  EXPECT_EQ(tidgetList.count(), 2);
}

// --- The templates --------------------------------------------------------------------

TEST_F(SelectionDialogs, TemplatesHaveTheirSizesFontsAndControlKinds) {
  StartBar();
  auto checkFrame = [](HWND dialog, int widthUnits, int heightUnits, const wchar_t* face, int lists[2]) {
    RECT expected{0, 0, widthUnits, heightUnits};
    MapDialogRect(dialog, &expected);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, face);
    const LONG frame = WS_CAPTION | WS_SYSMENU | WS_POPUP;
    EXPECT_EQ(GetWindowLongW(dialog, GWL_STYLE) & frame, frame);
    EXPECT_EQ(Field(dialog, IDCANCEL), L"닫기");
    for (int i = 0; i < 2; ++i) {
      const LONG style = GetWindowLongW(GetDlgItem(dialog, lists[i]), GWL_STYLE);
      EXPECT_TRUE(style & LBS_NOTIFY) << lists[i];
      EXPECT_FALSE(style & LBS_SORT) << lists[i];
    }
  };
  WithWidgets([&](HWND dialog) {
    int lists[2] = {IDC_WSEL_AVAILABLE, IDC_WSEL_IN_USE};
    checkFrame(dialog, 427, 204, L"맑은 고딕", lists);
    const LONG combo = GetWindowLongW(GetDlgItem(dialog, IDC_WSEL_COLOR), GWL_STYLE);
    EXPECT_EQ(combo & 0xF, CBS_DROPDOWNLIST);
    EXPECT_TRUE(combo & CBS_OWNERDRAWFIXED);
    EXPECT_FALSE(combo & CBS_HASSTRINGS);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_WSEL_HEIGHT), GWL_STYLE) & ES_NUMBER);
    // Each spinner takes the edit just before it.
    EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageW(dialog, IDC_WSEL_RATIO_SPIN, UDM_GETBUDDY, 0, 0)),
              GetDlgItem(dialog, IDC_WSEL_RATIO));
    EXPECT_EQ(Field(dialog, IDC_WSEL_HIDE), L"잠시 숨기기(모든 설정은 그대로 유지됨)");
  });
  WithTidgets([&](HWND dialog) {
    int lists[2] = {IDC_TSEL_AVAILABLE, IDC_TSEL_IN_USE};
    checkFrame(dialog, 438, 252, L"굴림", lists);
    EXPECT_EQ(Field(dialog, IDC_TSEL_DOWN), L"v");
  });
}

}  // namespace
