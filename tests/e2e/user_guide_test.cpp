// "도움말" of the real program opens the README.txt shipped beside it: with the program
// chosen for text files, or, as in a fresh Wine prefix that has none, with Notepad.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "e2e/driver_win.h"
#include "res/resource.h"

namespace {

struct Search {
  DWORD skipped;  // the program's own process
  HWND found = nullptr;
};

// A shown window of another process with README.TXT in its title (any case).
BOOL CALLBACK FindGuideWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  CharUpperW(title);
  if (process == search->skipped || !IsWindowVisible(window) || !wcsstr(title, L"README.TXT")) return TRUE;
  search->found = window;
  return FALSE;
}

TEST(UserGuideRun, HelpOpensTheGuideBesideTheProgram) {
  e2e::Sandbox box;
  std::ofstream(box.Path(L"README.txt").c_str(), std::ios::binary) << "Pelgra\r\n";
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  Search search{};
  GetWindowThreadProcessId(run.bar(), &search.skipped);
  run.PostCommand(ID_HELP_NOTICE);
  e2e::WaitUntil(20000, [&] { return !EnumWindows(FindGuideWindow, reinterpret_cast<LPARAM>(&search)); });
  ASSERT_NE(search.found, nullptr) << "no window shows README.txt";

  // The viewer is closed again, and waited for, so that no program outlives the test.
  DWORD viewer = 0;
  GetWindowThreadProcessId(search.found, &viewer);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, viewer);
  PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (process && WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  if (process) CloseHandle(process);
  EXPECT_TRUE(run.Close());
}

}  // namespace
