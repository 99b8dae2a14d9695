// What the bar tells the user about its settings file.
#pragma once

#include <windows.h>

#include <string>

#include "core/texts.h"

enum SettingsNotice : WPARAM {
  kIniRestored = 1,     // the file was torn and has been put back from its last good copy
  kIniNotWritten = 2,   // a write failed; the file and its copy are as they were
};

// Over the drawn bar, from the loop (kMsgSettingsNotice).
void ShowSettingsNotice(HWND bar, WPARAM notice, const std::wstring& iniPath, const TextTable& texts);
// A write that failed while the program ends.
void TellSettingsNotWrittenWhileEnding(const std::wstring& iniPath, const TextTable& texts);
