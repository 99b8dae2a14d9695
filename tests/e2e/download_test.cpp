// The program from the download zip, used portable first and then moved where it cannot
// write (as under Program Files): its bar and memo come along to %APPDATA%\Pelgra\, a new
// memo and a move are kept there, nothing changes beside the program, and the next start
// finds them. download_test.sh unpacks the zip and mounts the folder read-only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/driver_win.h"

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  GetEnvironmentVariableW(name, value, MAX_PATH);
  return value;
}

LRESULT MemoCount(const e2e::Pelgra& run) { return SendMessageW(run.Descendant(L"ComboBox"), CB_GETCOUNT, 0, 0); }

void AddMemo(const e2e::Pelgra& run, const wchar_t* text) {
  const LRESULT before = MemoCount(run);
  run.ClickOn(run.Descendant(L"Button", L"새 메모"));
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return MemoCount(run) == before + 1; }));
  SendMessageW(run.Descendant(L"Edit"), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

TEST(Download, FromAReadOnlyFolderTheDataLivesInAppDataAndStays) {
  e2e::Sandbox program(Environment(L"PELGRA_E2E_PROGRAM"), Environment(L"PELGRA_E2E_PROGRAM_RO"));
  ASSERT_TRUE(program.ok()) << "run by download_test.sh";
  e2e::Sandbox roaming;
  ASSERT_TRUE(SetEnvironmentVariableW(L"APPDATA", roaming.folder().c_str()));
  const std::wstring data = roaming.Path(L"Pelgra\\");

  e2e::Sandbox portable;
  ASSERT_TRUE(portable.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=메모§Memo§Memo_1§1§150§150§15794175§0§100\r\ntnum=0\r\n"));
  {
    e2e::Pelgra run(portable);
    AddMemo(run, L"장보기");
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(e2e::FilesIn(portable.folder()), (std::vector<std::wstring>{L"pelgra.Memo", L"pelgra.exe", L"pelgra.ini"}));
  for (const wchar_t* name : {L"pelgra.ini", L"pelgra.Memo"}) {
    ASSERT_TRUE(CopyFileW(portable.Path(name).c_str(), program.Path(name).c_str(), FALSE));
    ASSERT_TRUE(SetFileAttributesW(program.Path(name).c_str(), FILE_ATTRIBUTE_READONLY));
  }
  const std::vector<std::wstring> shipped = e2e::FilesIn(program.folder());
  const std::string storedIni = program.ReadBytes(L"pelgra.ini");

  RECT moved{};
  {
    e2e::Pelgra run(program);
    ASSERT_TRUE(run.bar());
    ASSERT_EQ(MemoCount(run), 1);
    AddMemo(run, L"우유");
    SetWindowPos(run.bar(), nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    moved = run.WindowRect();
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(e2e::FilesIn(program.folder()), shipped);
  EXPECT_EQ(program.ReadBytes(L"pelgra.ini"), storedIni);
  EXPECT_EQ(e2e::FilesIn(data), (std::vector<std::wstring>{L"pelgra.Memo", L"pelgra.ini", L"pelgra.ini.bak"}));
  EXPECT_FALSE(GetFileAttributesW((data + L"pelgra.ini").c_str()) & FILE_ATTRIBUTE_READONLY);

  e2e::Pelgra again(program);
  EXPECT_EQ(again.WindowRect().left, moved.left);
  EXPECT_EQ(again.WindowRect().top, moved.top);
  EXPECT_EQ(MemoCount(again), 2);
  ASSERT_TRUE(again.Close());
}

}  // namespace
