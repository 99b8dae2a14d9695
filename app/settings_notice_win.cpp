#include "app/settings_notice_win.h"

#include "core/warning_box_win.h"

namespace {

constexpr wchar_t kRestoredTitle[] = L"알림";
constexpr wchar_t kRestoredText[] =
    L"설정 파일이 손상되어 마지막으로 저장된 사본(.bak)에서 되살렸습니다.\r\n";
constexpr wchar_t kNotWrittenTitle[] = L"에러";
constexpr wchar_t kNotWrittenText[] =
    L"설정 파일을 저장하지 못했습니다. 이전에 저장한 설정 파일과 그 사본은 그대로 남아 있습니다.\r\n";

}  // namespace

void ShowSettingsNotice(HWND bar, WPARAM notice, const std::wstring& iniPath) {
  if (notice == kIniRestored)
    ShowBoxOverBar(bar, kRestoredText + iniPath, kRestoredTitle, MB_ICONINFORMATION);
  else if (notice == kIniNotWritten)
    ShowBoxOverBar(bar, kNotWrittenText + iniPath, kNotWrittenTitle, MB_ICONWARNING);
}

void TellSettingsNotWrittenWhileEnding(const std::wstring& iniPath) {
  ShowBoxWhileEnding(kNotWrittenText + iniPath, kNotWrittenTitle);
}
