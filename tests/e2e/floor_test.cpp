// The floor benchmark's window tree (benchmarks/floor_tree_win.cpp) is only a fair
// floor while it is the default bar's tree: the same windows of the system's classes
// with the same styles, one window of its own class wherever the program has one of
// its classes, and the same sizes, places and nesting. This holds it to the running
// pelgra.exe, so a window added to the default bar fails here until the floor has it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "e2e/driver_win.h"

namespace {

// The classes of the system the bar uses; every other class is the program's own.
bool IsSystemClass(const wchar_t* name) {
  for (const wchar_t* system : {L"Button", L"ComboBox", L"Edit", L"ListBox", L"msctls_trackbar32",
                                L"tooltips_class32", L"ComboLBox"})
    if (_wcsicmp(name, system) == 0) return true;
  return false;
}

// One line per window, depth first in the order of the children: the depth, the class
// (or "own"), the style the program asked for, and the place in the parent.
void Describe(HWND window, int depth, std::vector<std::wstring>& lines) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  RECT rect{};
  GetWindowRect(window, &rect);
  if (HWND parent = GetParent(window); parent && depth > 0)
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  else
    OffsetRect(&rect, -rect.left, -rect.top);
  wchar_t line[256];
  std::swprintf(line, 256, L"%d %ls style %08lx ex %08lx at %ld,%ld size %ldx%ld", depth,
                IsSystemClass(name) ? name : L"own", GetWindowLongW(window, GWL_STYLE),
                GetWindowLongW(window, GWL_EXSTYLE), rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
  lines.emplace_back(line);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    Describe(child, depth + 1, lines);
}

// The top-level windows of one process and everything in them. Top-level windows are
// taken in a fixed order, not in their stacking order, which activation may change.
std::vector<std::wstring> TreeOf(DWORD processId) {
  struct Walk {
    DWORD processId;
    std::vector<std::vector<std::wstring>> tops;
  } walk{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == w->processId) Describe(window, 0, w->tops.emplace_back());
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  std::sort(walk.tops.begin(), walk.tops.end());
  std::vector<std::wstring> lines;
  for (const auto& top : walk.tops) lines.insert(lines.end(), top.begin(), top.end());
  return lines;
}

TEST(FloorTree, IsTheDefaultBarsWindowTree) {
  e2e::Sandbox box;
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  DWORD pelgraId = 0;
  GetWindowThreadProcessId(run.bar(), &pelgraId);

  std::wstring floorExe(MAX_PATH, L'\0');
  floorExe.resize(GetModuleFileNameW(nullptr, floorExe.data(), MAX_PATH));
  floorExe = floorExe.substr(0, floorExe.find_last_of(L"\\/") + 1) + L"floor.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION floor{};
  std::wstring commandLine = L"\"" + floorExe + L"\"";
  ASSERT_TRUE(CreateProcessW(floorExe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &floor));
  HWND floorTop = nullptr;
  EXPECT_TRUE(e2e::WaitUntil(10000, [&] {
    floorTop = FindWindowW(L"PelgraFloor", L"Floor");
    return floorTop && IsWindowVisible(floorTop);
  }));
  WaitForInputIdle(floor.hProcess, 5000);

  const std::vector<std::wstring> pelgra = TreeOf(pelgraId);
  EXPECT_GT(pelgra.size(), 40u);
  EXPECT_EQ(TreeOf(floor.dwProcessId), pelgra);

  if (floorTop) PostMessageW(floorTop, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(floor.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(floor.hProcess, 1);
  CloseHandle(floor.hThread);
  CloseHandle(floor.hProcess);
  EXPECT_TRUE(run.Close());
}

}  // namespace
