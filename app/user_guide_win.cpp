#include "app/user_guide_win.h"

#include <shellapi.h>

#include "core/program_path_win.h"
#include "core/texts_win.h"

namespace {

std::wstring ProgramFolder() {
  const std::wstring program = ProgramFilePath();
  const std::size_t slash = program.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1);
}

// Opens `file` (with `parameters`) by its default verb. No box of the shell's own on
// failure: the caller decides what comes next.
bool Launch(HWND owner, const wchar_t* file, const wchar_t* parameters, const std::wstring& folder) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpFile = file;
  info.lpParameters = parameters;
  info.lpDirectory = folder.c_str();
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace

std::wstring UserGuidePath() {
  const std::wstring folder = ProgramFolder();
  if (folder.empty()) return {};
  const std::wstring path = folder + kUserGuideName;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return path;
}

void ShowUserGuide(HWND owner, const TextTable& texts, const wchar_t* title) {
  const std::wstring guide = UserGuidePath();
  if (guide.empty()) {
    MessageBoxW(owner, WideText(texts, TextId::HelpMissing), title, MB_OK);
    return;
  }
  const std::wstring folder = ProgramFolder();
  // The default verb, so that whatever the user chose for .txt files opens it. A
  // system without that choice (a fresh Wine prefix has none) still has Notepad.
  if (Launch(owner, guide.c_str(), nullptr, folder)) return;
  const std::wstring quoted = L"\"" + guide + L"\"";
  if (Launch(owner, L"notepad.exe", quoted.c_str(), folder)) return;
  MessageBoxW(owner, (WideText(texts, TextId::HelpOpenFailed) + guide).c_str(), title, MB_OK | MB_ICONWARNING);
}
