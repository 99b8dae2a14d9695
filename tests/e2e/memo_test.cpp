// The memo widget of the real program: a run that changes nothing writes no memo
// file; a memo added and typed is in pelgra.Memo after the bar closes and back in
// the widget on the next start.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "e2e/driver_win.h"

namespace {

constexpr wchar_t kMemoOnly[] = L"[main]\r\nwnum=1\r\nwidget_0=메모§Memo§Memo_1§1§150§150§15794175§0§100\r\ntnum=0\r\n";

std::int32_t I32At(const std::string& bytes, std::size_t at) {
  std::int32_t value = 0;
  if (bytes.size() >= at + 4) std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

TEST(MemoRun, AddedMemoIsWrittenAtCloseAndShownAgain) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(kMemoOnly));
  {
    e2e::Pelgra idle(box);
    ASSERT_TRUE(idle.bar());
    ASSERT_TRUE(idle.Close());
  }
  EXPECT_TRUE(box.ReadBytes(L"pelgra.Memo").empty());

  {
    e2e::Pelgra run(box);
    HWND add = run.Descendant(L"Button", L"새 메모");
    HWND edit = run.Descendant(L"Edit");
    ASSERT_TRUE(add && edit);
    EXPECT_FALSE(IsWindowEnabled(edit));
    run.ClickOn(add);
    ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return IsWindowEnabled(edit) != FALSE; }));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"장보기"));
    ASSERT_TRUE(run.Close());
  }
  const std::string bytes = box.ReadBytes(L"pelgra.Memo");
  ASSERT_GE(bytes.size(), 32u + 244u);
  EXPECT_EQ(std::memcmp(bytes.data(), L"PelgraMemo", 20), 0);
  EXPECT_EQ(I32At(bytes, 24), 0);  // shown memo
  EXPECT_EQ(I32At(bytes, 28), 1);  // count
  EXPECT_EQ(std::memcmp(bytes.data() + 32, L"새 메모1", 12), 0);
  EXPECT_EQ(I32At(bytes, 32 + 232), 4);  // "장보기" and its terminator
  EXPECT_EQ(std::memcmp(bytes.data() + 32 + 244, L"장보기", 8), 0);

  {
    e2e::Pelgra again(box);
    HWND edit = again.Descendant(L"Edit");
    ASSERT_TRUE(edit);
    wchar_t text[16] = {};
    // GetWindowTextW would give another process's edit its caption, not its text.
    SendMessageW(edit, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"장보기");
    ASSERT_TRUE(again.Close());
  }
  EXPECT_EQ(box.ReadBytes(L"pelgra.Memo"), bytes);
}

TEST(MemoRun, AFailedWriteAtCloseIsToldAndTheOldFileStays) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(kMemoOnly));
  e2e::Pelgra run(box);
  HWND add = run.Descendant(L"Button", L"새 메모");
  HWND edit = run.Descendant(L"Edit");
  ASSERT_TRUE(add && edit);
  run.ClickOn(add);
  // A new memo is written at once; typing waits for a pause that the close cuts short.
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return !box.ReadBytes(L"pelgra.Memo").empty(); }));
  const std::string written = box.ReadBytes(L"pelgra.Memo");
  // A folder where the temporary file would go: the write cannot start.
  ASSERT_TRUE(CreateDirectoryW(box.Path(L"pelgra.Memo.tmp").c_str(), nullptr));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"장보기"));
  PostMessageW(run.bar(), WM_CLOSE, 0, 0);
  // The box stays up although the bar is gone and the program is ending.
  HWND told = run.WaitForWindow(L"에러");
  ASSERT_TRUE(told);
  EXPECT_FALSE(e2e::WaitUntil(500, [&] { return !IsWindowVisible(told); }));
  PostMessageW(told, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_EQ(box.ReadBytes(L"pelgra.Memo"), written);
  RemoveDirectoryW(box.Path(L"pelgra.Memo.tmp").c_str());
}

}  // namespace
