#include "core/ini_file_win.h"

#include <windows.h>

#include "core/ini_file.h"
#include "core/whole_file_win.h"

namespace {

// The byte order mark of UTF-16LE: the profile API keeps a file that starts with it in
// Unicode, where it writes a new file in the ANSI code page and loses Korean text and "§".
constexpr char kNewIni[] = "\xFF\xFE";

std::wstring TempOf(const std::wstring& path) { return path + L".tmp"; }

}  // namespace

std::wstring IniWorkingPath(const std::wstring& iniPath) { return TempOf(iniPath); }
std::wstring IniBackupPath(const std::wstring& iniPath) { return iniPath + L".bak"; }

bool BeginIniEdit(const std::wstring& iniPath, std::string& staged) {
  const WholeRead read = ReadWholeFile(iniPath, staged);
  if (read == WholeRead::kUnreadable) return false;
  if (read == WholeRead::kMissing || IniLooksTorn(staged)) staged = kNewIni;
  // Written afresh, never copied: the copy gets a new time, so the profile API's cache
  // of the working file from an earlier batch is not taken for it.
  return WriteNewFile(IniWorkingPath(iniPath), staged);
}

bool CommitIniEdit(const std::wstring& iniPath, const std::string& staged) {
  const std::wstring working = IniWorkingPath(iniPath);
  std::string edited;
  if (ReadWholeFile(working, edited) != WholeRead::kRead) {
    DropIniEdit(iniPath);
    return false;
  }
  if (edited == staged) {
    DropIniEdit(iniPath);
    return true;
  }
  if (!MoveFlushedOver(working, iniPath)) {
    DropIniEdit(iniPath);
    return false;
  }
  // A copy that cannot be refreshed stays the older good one.
  const std::wstring backup = IniBackupPath(iniPath);
  WriteWholeFile(backup, TempOf(backup), edited);
  return true;
}

void DropIniEdit(const std::wstring& iniPath) { DeleteFileW(IniWorkingPath(iniPath).c_str()); }

bool RestoreTornIni(const std::wstring& iniPath) {
  std::string bytes;
  if (ReadWholeFile(iniPath, bytes) != WholeRead::kRead || !IniLooksTorn(bytes)) return false;
  if (ReadWholeFile(IniBackupPath(iniPath), bytes) != WholeRead::kRead || IniLooksTorn(bytes)) return false;
  return WriteWholeFile(iniPath, TempOf(iniPath), bytes);
}
