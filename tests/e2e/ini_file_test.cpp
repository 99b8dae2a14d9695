// The settings file against cut writes: a pelgra.ini left empty or zero-filled comes back
// from its last good copy with the bar's place, widgets and options, and the user is told
// once the bar shows; a write that fails is told and leaves the file and its copy.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kTwoWidgets[] =
    L"[main]\r\nwnum=2\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\n"
    L"widget_1=계산기§Calc§Calc_1§1§50§120§13353215§0§100\r\ntnum=0\r\n";

void Answer(HWND box) {
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  e2e::WaitUntil(5000, [&] { return !IsWindow(box); });
}

TEST(TornIni, ComesBackFromItsLastGoodCopyWithThePlaceWidgetsAndOptionsItHad) {
  for (const bool zeroFilled : {false, true}) {
    e2e::Sandbox box;
    ASSERT_TRUE(box.WriteIni(kTwoWidgets));
    int widgets = 0;
    {
      e2e::Pelgra run(box);
      ASSERT_TRUE(run.bar());
      run.Command(ID_TOGGLE_DIRECTION);
      SetWindowPos(run.bar(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      widgets = run.CountChildren(L"CWindow");
      ASSERT_TRUE(run.Close());
    }
    const std::string good = box.ReadBytes(L"pelgra.ini");
    ASSERT_EQ(box.ReadBytes(L"pelgra.ini.bak"), good);
    {
      HANDLE file = CreateFileW(box.Path(L"pelgra.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      const std::string zeros(zeroFilled ? good.size() : 0, '\0');
      DWORD written = 0;
      WriteFile(file, zeros.data(), static_cast<DWORD>(zeros.size()), &written, nullptr);
      CloseHandle(file);
    }

    e2e::Pelgra run(box);
    ASSERT_TRUE(run.bar());
    const HWND told = run.WaitForWindow(L"알림");
    ASSERT_TRUE(told) << zeroFilled;
    EXPECT_EQ(GetWindow(told, GW_OWNER), run.bar());
    Answer(told);
    EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), good) << zeroFilled;
    const RECT place = run.WindowRect();
    EXPECT_EQ(place.left, 300) << zeroFilled;
    EXPECT_EQ(place.top, 200) << zeroFilled;
    EXPECT_GT(place.right - place.left, place.bottom - place.top) << zeroFilled;  // laid out across
    EXPECT_EQ(run.CountChildren(L"CWindow"), widgets) << zeroFilled;
    ASSERT_TRUE(run.Close());
  }
}

TEST(IniWrite, AFailedWriteIsToldAndLeavesTheFileAndItsCopy) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.WriteIni(kTwoWidgets));
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  SetWindowPos(run.bar(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(e2e::WaitUntil(10000, [&] { return box.IniInt(L"main", L"left") == 300; }));
  const std::string good = box.ReadBytes(L"pelgra.ini");
  ASSERT_EQ(box.ReadBytes(L"pelgra.ini.bak"), good);
  // As in a folder made read-only: the working copy beside the file cannot be made.
  ASSERT_TRUE(CreateDirectoryW(box.Path(L"pelgra.ini.tmp").c_str(), nullptr));
  SetWindowPos(run.bar(), nullptr, 400, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HWND told = run.WaitForWindow(L"에러");
  ASSERT_TRUE(told);
  Answer(told);
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini"), good);
  EXPECT_EQ(box.ReadBytes(L"pelgra.ini.bak"), good);
  ASSERT_TRUE(run.Kill());
}

}  // namespace
