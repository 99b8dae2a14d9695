// Program entry: the bar with its settings and record lists, the message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "app/bar_onscreen_win.h"
#include "app/bar_win.h"
#include "app/message_loop_win.h"
#include "app/settings_notice_win.h"
#include "core/app_messages_win.h"
#include "core/data_folder_win.h"
#include "core/ini_file_win.h"
#include "core/settings_win.h"
#include "core/single_instance_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  appInstance = instance;
  InitCommonControls();
  std::srand(GetTickCount());
  // A second start for a data folder that a bar serves writes nothing, not even the
  // folder's making: the question comes first.
  const DataFolderChoice folder = DecideDataFolder();
  const std::wstring dataPath = ToWide(folder.dataProgramPath);
  SingleBar single(dataPath.substr(0, dataPath.find_last_of(L'\\') + 1));
  if (!single.first()) return 0;

  // Lives until the end: the tool windows that outlive the bar's window keep their
  // settings in its store.
  CMainWindow bar;
  bar.dataProgramPath = SettleDataFolder(folder);
  bar.settings.FillPaths(bar.dataProgramPath);
  const bool restored = RestoreTornIni(bar.settings.iniPath);
  HWND window = nullptr;
  {
    // The settings and every widget's own are read in one go.
    CSettings::ReadBatch reads(bar.settings);
    bar.Load();
    window = bar.CreateBar();
  }
  if (!window) return 1;
  single.Publish(window);
  if (KeepBarOnScreen(window)) bar.barState.placementChanged = true;
  ShowWindow(window, showCommand);
  bar.GiveIconWhenSettled();
  if (restored) PostMessageW(window, kMsgSettingsNotice, kIniRestored, 0);
  const int exitCode = RunMessageLoop(bar.popup, [&bar] {
    if (bar.hwnd) bar.Beat();
  });
  single.Publish(nullptr);
  // Tool windows outlive the bar; what they still had waiting is written now.
  write_later::WriteAll();
  return exitCode;
}
