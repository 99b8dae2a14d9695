// Program entry: settings and record lists, the bar, the message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "app/bar_onscreen_win.h"
#include "app/bar_store_win.h"
#include "app/bar_win.h"
#include "core/settings_win.h"
#include "core/shell_win.h"
#include "core/tooltip_win.h"
#include "core/window_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"

namespace {

int RunMessageLoop() {
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 1;
    RelayToTooltip(msg);
    // The open settings popup, if any, gets its keyboard navigation first.
    if (activeDialog && IsWindow(activeDialog) && IsDialogMessageW(activeDialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  appInstance = instance;
  InitCommonControls();
  std::srand(GetTickCount());
  settings.FillPaths();
  LoadBarSettings();
  LoadRecordLists();
  LoadBarPlacement();

  HWND bar = CreateBarWindow();
  if (!bar) return 1;
  KeepBarOnScreen(bar);
  SetClassLongPtrW(bar, GCLP_HICON,
                   reinterpret_cast<LONG_PTR>(LoadIconW(instance, MAKEINTRESOURCEW(IDI_PELGRA))));
  ShowWindow(bar, showCommand);
  const int exitCode = RunMessageLoop();
  // Tool windows outlive the bar; what they still had waiting is written now.
  write_later::WriteAll();
  ReleaseRecordObjects();
  return exitCode;
}
