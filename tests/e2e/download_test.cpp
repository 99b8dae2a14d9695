// The program from the download zip, used portable first and then moved where it cannot
// write (as under Program Files): its bar and memos come along to %APPDATA%\Pelgra\, a new
// memo and a move of the bar are kept there, nothing changes beside the program, and the
// next start finds them. Run by download_test.sh, which unpacks the zip and mounts the
// program's folder read-only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "e2e/driver_win.h"

namespace {

constexpr wchar_t kMemoOnly[] = L"[main]\r\nwnum=1\r\nwidget_0=메모§Memo§Memo_1§1§150§150§15794175§0§100\r\ntnum=0\r\n";

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  GetEnvironmentVariableW(name, value, MAX_PATH);
  return value;
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(entry.cFileName);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::int32_t MemoCount(const std::string& memoFile) {
  std::int32_t count = -1;
  if (memoFile.size() >= 32) std::memcpy(&count, memoFile.data() + 28, 4);
  return count;
}

void AddMemo(const e2e::Pelgra& run, const wchar_t* text) {
  HWND add = run.Descendant(L"Button", L"+");
  HWND titles = run.Descendant(L"ComboBox");
  ASSERT_TRUE(add && titles);
  const LRESULT before = SendMessageW(titles, CB_GETCOUNT, 0, 0);
  run.ClickOn(add);
  ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return SendMessageW(titles, CB_GETCOUNT, 0, 0) == before + 1; }));
  SendMessageW(run.Descendant(L"Edit"), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

TEST(Download, FromAReadOnlyFolderTheDataLivesInAppDataAndStays) {
  const std::wstring folder = Environment(L"PELGRA_E2E_PROGRAM");
  const std::wstring readOnlyView = Environment(L"PELGRA_E2E_PROGRAM_RO");
  ASSERT_FALSE(folder.empty() || readOnlyView.empty()) << "run by download_test.sh";
  e2e::Sandbox roaming;
  ASSERT_TRUE(SetEnvironmentVariableW(L"APPDATA", roaming.folder().c_str()));
  const std::wstring data = roaming.Path(L"Pelgra\\");

  // Portable use: everything stays beside the program, and only the program's own files.
  e2e::Sandbox portable;
  ASSERT_TRUE(portable.WriteIni(kMemoOnly));
  {
    e2e::Pelgra run(portable);
    ASSERT_TRUE(run.bar());
    AddMemo(run, L"장보기");
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(FilesIn(portable.folder()), (std::vector<std::wstring>{L"pelgra.Memo", L"pelgra.exe", L"pelgra.ini"}));
  EXPECT_EQ(GetFileAttributesW(data.c_str()), INVALID_FILE_ATTRIBUTES);

  // The same files, read-only, beside the unpacked program in its read-only folder.
  e2e::Sandbox program(folder, readOnlyView);
  ASSERT_TRUE(program.ok());
  for (const wchar_t* name : {L"pelgra.ini", L"pelgra.Memo"}) {
    ASSERT_TRUE(CopyFileW(portable.Path(name).c_str(), program.Path(name).c_str(), FALSE));
    ASSERT_TRUE(SetFileAttributesW(program.Path(name).c_str(), FILE_ATTRIBUTE_READONLY));
  }
  const std::vector<std::wstring> shipped = FilesIn(folder);
  const std::string storedIni = program.ReadBytes(L"pelgra.ini");
  const std::string storedMemos = program.ReadBytes(L"pelgra.Memo");

  RECT moved{};
  {
    e2e::Pelgra run(program);
    ASSERT_TRUE(run.bar());
    ASSERT_EQ(SendMessageW(run.Descendant(L"ComboBox"), CB_GETCOUNT, 0, 0), 1) << "the stored memo came along";
    AddMemo(run, L"우유");
    SetWindowPos(run.bar(), nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    moved = run.WindowRect();
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(FilesIn(folder), shipped);
  EXPECT_EQ(program.ReadBytes(L"pelgra.ini"), storedIni);
  EXPECT_EQ(program.ReadBytes(L"pelgra.Memo"), storedMemos);
  EXPECT_EQ(FilesIn(data), (std::vector<std::wstring>{L"pelgra.Memo", L"pelgra.ini"}));
  const std::wstring dataIni = data + L"pelgra.ini";
  EXPECT_FALSE(GetFileAttributesW(dataIni.c_str()) & FILE_ATTRIBUTE_READONLY) << "a copy the program can write";
  EXPECT_EQ(GetPrivateProfileIntW(L"main", L"left", -1, dataIni.c_str()), moved.left);
  EXPECT_EQ(GetPrivateProfileIntW(L"main", L"top", -1, dataIni.c_str()), moved.top);
  EXPECT_EQ(MemoCount(roaming.ReadBytes(L"Pelgra\\pelgra.Memo")), 2);

  e2e::Pelgra again(program);
  ASSERT_TRUE(again.bar());
  EXPECT_EQ(again.WindowRect().left, moved.left);
  EXPECT_EQ(again.WindowRect().top, moved.top);
  EXPECT_EQ(SendMessageW(again.Descendant(L"ComboBox"), CB_GETCOUNT, 0, 0), 2);
  ASSERT_TRUE(again.Close());
}

}  // namespace
