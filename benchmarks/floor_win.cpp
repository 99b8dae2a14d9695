// floor.exe: the default bar's window tree and nothing else (see floor_tree_win.h),
// shown where the bar first shows, and a message loop. ./bench starts it beside
// pelgra.exe: its start-up and memory are the floor the program is measured against.
#include <windows.h>
#include <commctrl.h>

#include "benchmarks/floor_tree_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  // The program's manifest asks for the same common controls, started the same way.
  InitCommonControls();
  HWND top = floor_tree::Create(instance, 100, 100);
  if (!top) return 1;
  ShowWindow(top, showCommand);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  floor_tree::Release();
  return 0;
}
