#include "core/data_folder_win.h"

#include <windows.h>

#include "core/data_folder.h"
#include "core/settings_path.h"
#include "core/program_path_win.h"
#include "core/wide_win.h"

namespace {

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

// Asked of the folder itself, never guessed from its name: a file is created there, and
// deleted as its handle closes (even by a crash), which under Wine costs less than a
// separate delete. The name is the process's own, so no other start's probe is in the way.
bool CanCreateFileIn(const std::wstring& folder) {
  const std::wstring probe = folder + L"pelgra-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool Opens(const std::wstring& path, DWORD access) {
  HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

StoredIni StoredIniAt(const std::wstring& path) {
  if (Opens(path, GENERIC_WRITE)) return StoredIni::kWritable;
  return Opens(path, GENERIC_READ) ? StoredIni::kReadOnly : StoredIni::kNone;
}

std::wstring Environment(const wchar_t* name) {
  std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
  if (value.empty()) return value;
  value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

// A copy keeps the source's attributes; one taken from a read-only file must be writable.
bool CopyNew(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) return false;
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  return true;
}

// File names compare without regard to case, as the file system does.
bool SameName(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && SameName(text.substr(text.size() - end.size()), end);
}

// The first run in the new folder takes the settings along, and with them the other files
// named after the program (its memo files), so the user keeps the bar and its memos.
void CarryStoredFiles(const std::wstring& program, const std::wstring& data) {
  const std::wstring ini = ToWide(IniPathFor(AsU16View(program.c_str())));
  if (!CopyNew(ini, ToWide(IniPathFor(AsU16View(data.c_str()))))) return;

  const std::wstring from = FolderOf(program);
  const std::wstring to = FolderOf(data);
  const std::wstring stem = ini.substr(0, ini.size() - 3);  // "...\pelgra."
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((stem + L"*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || SameName(from + name, program) ||
        SameName(from + name, ini) || EndsWith(name, L".tmp"))
      continue;
    CopyNew(from + name, to + name);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

}  // namespace

DataFolderChoice DecideDataFolder() {
  const std::wstring program = ProgramFilePath();
  if (program.empty()) return {};
  const std::wstring appData = Environment(L"APPDATA");
  DataFolderFacts facts;
  facts.programPath = AsU16View(program.c_str());
  facts.folderWritable = CanCreateFileIn(FolderOf(program));
  facts.iniBeside = StoredIniAt(ToWide(IniPathFor(facts.programPath)));
  facts.appData = AsU16View(appData.c_str());
  return ChooseDataFolder(facts);
}

std::wstring SettleDataFolder(const DataFolderChoice& choice) {
  const std::wstring program = ProgramFilePath();
  std::wstring data = ToWide(choice.dataProgramPath);
  if (data.empty() || data == program) return data;

  const std::wstring folder = FolderOf(data);
  CreateDirectoryW(folder.substr(0, folder.size() - 1).c_str(), nullptr);  // may exist already
  if (choice.carryStoredFiles) CarryStoredFiles(program, data);
  return data;
}

const std::wstring& DataProgramPath() {
  static const std::wstring path = SettleDataFolder(DecideDataFolder());
  return path;
}
