// The real bar object over a fresh .ini for the tests that drive the bar: its parts
// by the names the bar gives them, and the bar's own calls under their old short names.
#pragma once

#include <gtest/gtest.h>

#include "app/bar_win.h"
#include "support/win_test_support.h"

namespace test_support {

class BarBench : public ::testing::Test {
 protected:
  BarBench() {
    mainWindow.settings.iniPath = ini.path();
    mainWindow.dataProgramPath = ini.Beside(L"pelgra.exe");
  }

  HWND CreateBarWindow() { return mainWindow.CreateBar(); }
  void LayoutBar() { mainWindow.LayoutBar(); }
  void ReleaseRecordObjects() { mainWindow.ReleaseRecordObjects(); }

  IniSandbox ini;
  CMainWindow mainWindow;
  CSettings& settings = mainWindow.settings;
  BarSettings& barSettings = mainWindow.barSettings;
  BarState& barState = mainWindow.barState;
  RecordList<WidgetInfo>& widgetList = mainWindow.widgetList;
  RecordList<TidgetInfo>& tidgetList = mainWindow.tidgetList;
  CTrayWindow& trayWindow = mainWindow.trayWindow;
  HWND& activeDialog = mainWindow.popup.activeDialog;
};

}  // namespace test_support
