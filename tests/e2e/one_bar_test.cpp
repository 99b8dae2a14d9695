// One bar per data folder: a second start from the same folder brings the running bar
// to the front and ends without writing anything; a copy in another folder is a bar of
// its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver_win.h"

namespace {

constexpr wchar_t kClock[] = L"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\ntnum=0\r\n";

TEST(OneBar, ASecondStartFromTheSameFolderShowsTheRunningBarAndEndsWritingNothing) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(kClock));
  e2e::Pelgra first(box);
  ASSERT_TRUE(first.bar());
  const std::vector<std::wstring> files = e2e::FilesIn(box.folder());
  const std::string ini = box.ReadBytes(L"pelgra.ini");
  // Another window is in front when the second start comes.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 500, 400, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_TRUE(e2e::BringToFront(other));

  // Waits for a bar of its own or for its end, a few seconds at most.
  e2e::Pelgra second(box, 8000);
  EXPECT_TRUE(second.WaitForExit(0));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_FALSE(second.bar());
  EXPECT_TRUE(first.running());
  EXPECT_TRUE(e2e::PumpUntil(3000, [&] { return GetForegroundWindow() == first.bar(); }));
  EXPECT_EQ(e2e::FilesIn(box.folder()), files);
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), ini);
  DestroyWindow(other);
  EXPECT_TRUE(first.Close());
}

TEST(OneBar, CopiesInTwoFoldersAreTwoBars) {
  e2e::Sandbox one, two;
  for (const e2e::Sandbox* box : {&one, &two}) ASSERT_TRUE(box->WriteIni(kClock));
  e2e::Pelgra a(one);
  e2e::Pelgra b(two);
  EXPECT_TRUE(a.bar() && b.bar());
  EXPECT_NE(a.bar(), b.bar());
  EXPECT_TRUE(a.running() && b.running());
}

}  // namespace
