#include "app/settings_notice_win.h"

#include "core/texts_win.h"
#include "core/warning_box_win.h"

void ShowSettingsNotice(HWND bar, WPARAM notice, const std::wstring& iniPath, const TextTable& texts) {
  if (notice == kIniRestored)
    ShowBoxOverBar(bar, WideText(texts, TextId::SettingsRestored) + iniPath, WideText(texts, TextId::CaptionNotice),
                   MB_ICONINFORMATION);
  else if (notice == kIniNotWritten)
    ShowBoxOverBar(bar, WideText(texts, TextId::SettingsNotWritten) + iniPath, WideText(texts, TextId::CaptionError),
                   MB_ICONWARNING);
}

void TellSettingsNotWrittenWhileEnding(const std::wstring& iniPath, const TextTable& texts) {
  ShowBoxWhileEnding(WideText(texts, TextId::SettingsNotWritten) + iniPath, WideText(texts, TextId::CaptionError));
}
