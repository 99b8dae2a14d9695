// The memo widget under a stand-in bar: its controls, its file in a folder of the
// test's own, the memo windows and the properties dialog.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "widgets/memo/memo_file.h"
#include "widgets/memo/memo_file_win.h"
#include "widgets/memo/memo_viewer_win.h"
#include "widgets/memo/memo_win.h"

namespace {

using test_support::AnswerModal;
using test_support::FindDialog;
using test_support::TextOf;
using test_support::WhileModal;

FILETIME WriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class MemoWidget : public test_support::WidgetBench {
 protected:
  void SetUp() override {
    WidgetBench::SetUp();
    host.dataProgramPath = folder.Path(L"bar.exe");
  }

  CMemo* AddMemoWidget() { return Place<CMemo>(u"Memo", 200, 200); }

  // A file of memos titled as given, the last one shown.
  void WriteMemos(std::initializer_list<const char16_t*> titles) {
    MemoSet set;
    for (const char16_t* title : titles) {
      CopyField(set.At(set.AddNew(host.texts[TextId::MemoNewTitle]))->title, title);
      set.memos[set.Count() - 1]->SetText(std::u16string(title) + u" 내용");
    }
    set.current = set.Count() - 1;
    ASSERT_TRUE(WriteMemoFile(file, set));
  }

  std::unique_ptr<MemoSet> ReadBack() {
    auto set = std::make_unique<MemoSet>();
    EXPECT_EQ(ReadMemoFile(file, *set), MemoFileRead::kRead);
    return set;
  }

  static void Click(CMemo* memo, int id) {
    SendMessageW(memo->hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(memo->hwnd, id)));
  }
  // As typed: the edit reports the change to its parent.
  static void Type(HWND edit, const std::wstring& text) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static void Select(CMemo* memo, int index) {
    SendMessageW(memo->titleList, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(memo->hwnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(memo->titleList));
  }
  static test_support::Answered Delete(CMemo* memo, int answer) {
    return AnswerModal(nullptr, answer, [&] { Click(memo, 2); });
  }
  static int Entries(CMemo* memo) { return static_cast<int>(SendMessageW(memo->titleList, CB_GETCOUNT, 0, 0)); }
  static int Selected(CMemo* memo) { return static_cast<int>(SendMessageW(memo->titleList, CB_GETCURSEL, 0, 0)); }
  static std::wstring Entry(CMemo* memo, int index) {
    wchar_t text[64] = {};
    SendMessageW(memo->titleList, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  static CMemoViewer* OpenViewer(CMemo* memo) {
    Click(memo, 3);
    MemoRecord* shown = memo->At(memo->current);
    return shown ? shown->viewer : nullptr;
  }
  // Runs the properties dialog of `viewer`; `inside` works on it and answers it.
  static bool WithProperties(CMemoViewer* viewer, const std::function<void(HWND)>& inside) {
    return WhileModal([&] { SendMessageW(viewer->hwnd, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0); },
                      [&] {
                        HWND dialog = FindDialog(L"메모 속성");
                        if (dialog) inside(dialog);
                        return dialog != nullptr;
                      });
  }
  void DestroyWidget(CMemo* memo) {
    DestroyWindow(memo->hwnd);
    delete memo;
    widgetList[0].widget = nullptr;
  }

  test_support::TempFolder folder;
  std::wstring file = folder.Path(L"bar.Memo");
};

TEST_F(MemoWidget, FirstStartAddTypeCloseAndStartAgain) {
  CMemo* memo = AddMemoWidget();
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->FilePath(), file);
  EXPECT_FALSE(IsWindowEnabled(memo->edit));
  EXPECT_EQ(AsU16View(TextOf(memo->edit).c_str()), host.texts[TextId::MemoEmpty]);

  Click(memo, 1);
  EXPECT_TRUE(IsWindowEnabled(memo->edit));
  EXPECT_EQ(TextOf(memo->edit), L"");
  EXPECT_EQ(Entry(memo, 0), L"새 메모1");
  EXPECT_EQ(Selected(memo), 0);
  EXPECT_EQ(GetFocus(), memo->edit);
  // Past the edit's default limit of 32,767 characters.
  const std::wstring pasted(40000, L'x');
  Type(memo->edit, pasted);
  EXPECT_EQ(GetWindowTextLengthW(memo->edit), 40000);
  EXPECT_FALSE(Exists(file));
  DestroyWidget(memo);

  const auto written = ReadBack();
  ASSERT_EQ(written->Count(), 1);
  EXPECT_EQ(written->current, 0);
  EXPECT_EQ(written->memos[0]->Text(), AsU16View(pasted.c_str()));
  EXPECT_EQ(written->memos[0]->backColor, memoBackColors[0]);

  widgetList.Clear();
  CMemo* again = AddMemoWidget();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Entries(again), 1);
  EXPECT_EQ(Selected(again), 0);
  EXPECT_EQ(GetWindowTextLengthW(again->edit), 40000);
  EXPECT_TRUE(IsWindowEnabled(again->edit));
}

TEST_F(MemoWidget, ARunWithoutChangesLeavesTheFileAsItWas) {
  WriteMemos({u"하나", u"둘"});
  const FILETIME old{0x12345678, 0x01D00000};
  HANDLE handle = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(handle, nullptr, nullptr, &old);
  CloseHandle(handle);
  const std::string before = test_support::FileBytes(file);

  CMemo* memo = AddMemoWidget();
  Select(memo, 0);
  CMemoViewer* viewer = OpenViewer(memo);
  ASSERT_NE(viewer, nullptr);
  DestroyWidget(memo);
  EXPECT_EQ(test_support::FileBytes(file), before);
  const FILETIME after = WriteTime(file);
  EXPECT_EQ(CompareFileTime(&old, &after), 0);
}

TEST_F(MemoWidget, DeleteAsksAndKeepsAMemoShownUntilNoneIsLeft) {
  WriteMemos({u"가", u"나", u"다"});
  CMemo* memo = AddMemoWidget();
  ASSERT_EQ(Selected(memo), 2);

  const test_support::Answered no = Delete(memo, IDNO);
  EXPECT_EQ(no.caption, L"질문");
  EXPECT_EQ(no.text, L"다 메모를 삭제합니다.");
  EXPECT_EQ(Entries(memo), 3);
  EXPECT_FALSE(memo->changed);

  Delete(memo, IDYES);  // the last one: the new last is shown
  EXPECT_EQ(Entries(memo), 2);
  EXPECT_EQ(memo->current, 1);
  EXPECT_EQ(Selected(memo), 1);
  EXPECT_EQ(TextOf(memo->edit), L"나 내용");
  Select(memo, 0);
  Delete(memo, IDYES);  // the first: the one after it takes its place
  EXPECT_EQ(memo->current, 0);
  EXPECT_EQ(TextOf(memo->edit), L"나 내용");
  Delete(memo, IDYES);  // the only one
  EXPECT_EQ(Entries(memo), 0);
  EXPECT_EQ(memo->current, -1);
  EXPECT_FALSE(IsWindowEnabled(memo->edit));
  EXPECT_EQ(AsU16View(TextOf(memo->edit).c_str()), host.texts[TextId::MemoEmpty]);
  DestroyWidget(memo);
  const auto written = ReadBack();
  EXPECT_EQ(written->Count(), 0);
  EXPECT_EQ(written->current, -1);
}

TEST_F(MemoWidget, ViewerEditsItsMemoAndReopensWhereItWasClosed) {
  WriteMemos({u"가", u"나"});
  CMemo* memo = AddMemoWidget();
  // Typed in the widget and not flushed: the viewer still starts from it.
  Type(memo->edit, L"위젯에서 ");
  CMemoViewer* viewer = OpenViewer(memo);
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(TextOf(viewer->edit), TextOf(memo->edit));
  EXPECT_EQ(TextOf(viewer->hwnd), L"나");

  // An earlier memo goes: the viewer's edits still reach its own memo.
  Select(memo, 0);
  Delete(memo, IDYES);
  ASSERT_EQ(memo->current, 0);
  EXPECT_EQ(TextOf(memo->edit), TextOf(viewer->edit));
  SetFocus(viewer->edit);
  Type(viewer->edit, L"창에서 ");
  SetFocus(memo->edit);  // the viewer's edit loses the focus
  EXPECT_EQ(TextOf(memo->edit), L"창에서 위젯에서 나 내용");
  MoveWindow(viewer->hwnd, 33, 44, 300, 250, TRUE);
  SendMessageW(viewer->hwnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
  test_support::PumpMessages();
  EXPECT_EQ(memo->memos[0]->viewer, nullptr);

  viewer = OpenViewer(memo);
  ASSERT_NE(viewer, nullptr);
  RECT at{};
  GetWindowRect(viewer->hwnd, &at);
  EXPECT_EQ(at.left, 33);
  EXPECT_EQ(at.top, 44);
  EXPECT_EQ(at.right - at.left, 300);
  EXPECT_EQ(at.bottom - at.top, 250);
  // The coloured strip drags the window; below it is the edit.
  POINT strip{40, 10}, below{40, 100};
  ClientToScreen(viewer->hwnd, &strip);
  ClientToScreen(viewer->hwnd, &below);
  EXPECT_EQ(SendMessageW(viewer->hwnd, WM_NCHITTEST, 0, MAKELPARAM(strip.x, strip.y)), HTCAPTION);
  EXPECT_EQ(SendMessageW(viewer->hwnd, WM_NCHITTEST, 0, MAKELPARAM(below.x, below.y)), HTCLIENT);
  // Still open when the widget goes: its pending text and place are kept.
  Type(viewer->edit, L"끝 ");
  MoveWindow(viewer->hwnd, 55, 66, 300, 250, TRUE);
  DestroyWidget(memo);
  const auto written = ReadBack();
  ASSERT_EQ(written->Count(), 1);
  EXPECT_EQ(written->memos[0]->Text(), u"끝 창에서 위젯에서 나 내용");
  EXPECT_EQ(written->memos[0]->left, 55);
}

TEST_F(MemoWidget, PropertiesRenameInPlaceAndCancelKeepsAPickedColour) {
  WriteMemos({u"가", u"나", u"다"});
  CMemo* memo = AddMemoWidget();
  Select(memo, 1);
  CMemoViewer* viewer = OpenViewer(memo);
  ASSERT_NE(viewer, nullptr);
  Select(memo, 2);

  EXPECT_TRUE(WithProperties(viewer, [](HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_MEMO_BACK_COLOR, CB_SETCURSEL, 3, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_MEMO_BACK_COLOR, CBN_SELCHANGE), 0);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }));
  EXPECT_EQ(memo->memos[1]->backColor, memoBackColors[3]);
  const int liveBefore = gdi::LiveObjects();
  test_support::Snapshot shown = test_support::Snapshot::Repainted(*viewer);
  EXPECT_EQ(shown.At(2, 2), memoBackColors[3]);
  EXPECT_EQ(gdi::LiveObjects(), liveBefore);

  memo->changed = false;
  EXPECT_TRUE(WithProperties(viewer, [](HWND dialog) {
    SetDlgItemTextW(dialog, IDC_MEMO_TITLE, L"새 이름");
    SendDlgItemMessageW(dialog, IDC_MEMO_FONTS, LB_SETCURSEL, 1, 0);
    SetDlgItemTextW(dialog, IDC_MEMO_FONT_SIZE, L"30");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }));
  EXPECT_EQ(Entry(memo, 1), L"새 이름");
  EXPECT_EQ(Entries(memo), 3);
  EXPECT_EQ(Selected(memo), 2);
  EXPECT_EQ(TextOf(viewer->hwnd), L"새 이름");
  EXPECT_EQ(FieldView(memo->memos[1]->faceName), u"바탕");
  EXPECT_EQ(memo->memos[1]->fontSize, 30);
  // Not the shown memo, yet the rename reaches the file.
  EXPECT_TRUE(memo->changed);

  // The widget goes while the dialog is open: the dialog ends and nothing is left running.
  EXPECT_TRUE(WithProperties(viewer, [&](HWND) { DestroyWidget(memo); }));
  EXPECT_EQ(FindDialog(L"메모 속성"), nullptr);
  EXPECT_EQ(ReadBack()->memos[1]->Title(), u"새 이름");
}

TEST_F(MemoWidget, AFileThatCannotBeReadIsNeverWrittenOver) {
  WriteMemos({u"가"});
  const std::string before = test_support::FileBytes(file);
  HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  CMemo* memo = nullptr;
  // Told from the loop once the widget is made, not inside its creation.
  EXPECT_FALSE(AnswerModal(nullptr, IDOK, [&] { memo = AddMemoWidget(); }).seen);
  const test_support::Answered told = AnswerModal(nullptr, IDOK, [] { test_support::PumpMessages(); });
  CloseHandle(held);
  EXPECT_EQ(told.caption, L"에러");
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(Entries(memo), 0);
  Click(memo, 1);
  write_later::WriteAll();
  EXPECT_EQ(test_support::FileBytes(file), before);
  DestroyWidget(memo);
  EXPECT_EQ(test_support::FileBytes(file), before);
}

TEST_F(MemoWidget, AFailedWriteLeavesTheOldFileWholeIsToldOnceAndTriedAgainAtTheNextChange) {
  WriteMemos({u"가"});
  const std::string before = test_support::FileBytes(file);
  const std::wstring temp = file + L".tmp";
  // What waits is written, and a box it posted shows (and is answered) inside the pump.
  auto writeWaiting = [](const std::function<void()>& change) {
    return AnswerModal(nullptr, IDOK, [&] {
      change();
      write_later::WriteAll();
      test_support::PumpMessages();
    });
  };
  for (const bool heldOpen : {false, true}) {
    widgetList.Clear();
    CMemo* memo = AddMemoWidget();
    // Either the temporary file cannot be made (a folder is in its place), or it is
    // written and cannot replace the old file (held open without sharing).
    HANDLE held = INVALID_HANDLE_VALUE;
    if (heldOpen)
      held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    else
      ASSERT_TRUE(CreateDirectoryW(temp.c_str(), nullptr));
    EXPECT_EQ(writeWaiting([&] { Click(memo, 1); }).caption, L"에러") << heldOpen;
    EXPECT_FALSE(writeWaiting([&] { Type(memo->edit, L"x"); }).seen) << heldOpen;  // not at every pause
    if (heldOpen) {
      CloseHandle(held);
      EXPECT_FALSE(Exists(temp));
    }
    RemoveDirectoryW(temp.c_str());
    EXPECT_EQ(test_support::FileBytes(file), before) << heldOpen;
    writeWaiting([&] { Type(memo->edit, L"y"); });
    EXPECT_EQ(ReadBack()->Count(), 2) << heldOpen;
    DestroyWidget(memo);
    WriteMemos({u"가"});
  }
}

}  // namespace
