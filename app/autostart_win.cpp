#include "app/autostart_win.h"

#include <vector>

#include "app/autostart.h"
#include "core/program_path_win.h"
#include "core/wide_win.h"

namespace {

const wchar_t* RunValueName() { return AsWide(kRunValueName); }

// The long form of an existing file's path, so that a short (8.3) spelling of the
// same file compares equal; the path as given otherwise.
std::wstring LongPath(const std::wstring& path) {
  const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetLongPathNameW(path.c_str(), full.data(), needed);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

}  // namespace

std::optional<std::wstring> StoredRunCommand() {
  // Also takes REG_EXPAND_SZ, with its variables expanded.
  constexpr DWORD kText = RRF_RT_REG_SZ;
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKeyPath, RunValueName(), kText, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The value may change between the two calls: ask again with the size it reports.
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, kRunKeyPath, RunValueName(), kText, nullptr, buffer.data(), &size);
    if (status == ERROR_SUCCESS) return std::wstring(buffer.data());
    if (status != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

bool AutostartRegistered() {
  const std::optional<std::wstring> command = StoredRunCommand();
  if (!command) return false;
  const std::wstring stored(ToWide(RunCommandProgram(AsU16View(command->c_str()))));
  const std::wstring self = ProgramFilePath();
  return SamePath(AsU16View(LongPath(stored).c_str()), AsU16View(LongPath(self).c_str()));
}

bool ApplyAutostart(bool checked) {
  switch (AutostartChangeFor(AutostartRegistered(), checked)) {
    case AutostartChange::None: return true;
    case AutostartChange::Register: {
      const std::u16string command = RunCommandFor(AsU16View(ProgramFilePath().c_str()));
      const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(char16_t));
      return RegSetKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, RunValueName(), REG_SZ, AsWide(command.c_str()),
                             bytes) == ERROR_SUCCESS;
    }
    case AutostartChange::Remove: {
      const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKeyPath, RunValueName());
      return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
  }
  return false;
}
