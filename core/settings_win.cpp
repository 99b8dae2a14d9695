#include "core/settings_win.h"

#include <cwchar>

#include "core/data_folder_win.h"
#include "core/ini_file_win.h"
#include "core/settings_path.h"
#include "core/text.h"
#include "core/whole_file_win.h"
#include "core/wide_win.h"

namespace {

class RegKey {
 public:
  RegKey() = default;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  HKEY* put() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Opens or creates regBase + section; *created tells whether it did not exist before.
bool OpenSection(const CSettings& store, const wchar_t* section, REGSAM access, RegKey& key,
                 bool* created) {
  std::wstring path = store.regBase + (section ? section : L"");
  DWORD disposition = 0;
  if (RegCreateKeyExW(store.rootKey, path.c_str(), 0, nullptr, 0, access, nullptr, key.put(),
                      &disposition) != ERROR_SUCCESS)
    return false;
  if (created) *created = disposition != REG_OPENED_EXISTING_KEY;
  return true;
}

}  // namespace

std::wstring NumberedKey(const wchar_t* prefix, int n) { return prefix + std::to_wstring(n); }


void CSettings::FillPaths() { FillPaths(DataProgramPath()); }

void CSettings::FillPaths(const std::wstring& dataProgramPath) {
  iniPath = ToWide(IniPathFor(AsU16View(dataProgramPath.c_str())));
  regBase = L"Software\\Tarvinex\\Pelgra\\";
}

const IniValues* CSettings::CurrentValues() {
  if (editing_ || iniPath.empty()) return nullptr;
  if (read_ && stampChecked_) return read_->usable ? &read_->values : nullptr;
  FileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA file{};
  if (GetFileAttributesExW(iniPath.c_str(), GetFileExInfoStandard, &file))
    stamp = {true, (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow,
             (static_cast<unsigned long long>(file.ftLastWriteTime.dwHighDateTime) << 32) |
                 file.ftLastWriteTime.dwLowDateTime};
  if (!read_ || read_->stamp != stamp) {
    read_.emplace();
    read_->stamp = stamp;
    std::string bytes;
    // A missing file holds no values, as the profile API sees it.
    read_->usable =
        !stamp.present || (ReadWholeFile(iniPath, bytes) == WholeRead::kRead && read_->values.Parse(bytes));
  }
  stampChecked_ = readBatchDepth_ > 0;
  return read_->usable ? &read_->values : nullptr;
}

bool CSettings::WriteProfile(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  if (iniPath.empty()) return false;
  ++batchDepth_;
  if (!editing_ && !editFailed_) {
    editing_ = BeginIniEdit(iniPath, staged_);
    editFailed_ = !editing_;
    if (editing_) workingPath_ = IniWorkingPath(iniPath);
  }
  if (editing_ && !WritePrivateProfileStringW(section, key, value, workingPath_.c_str())) editFailed_ = true;
  const bool staged = !editFailed_;
  return EndBatch() && staged;
}

bool CSettings::EndBatch() {
  if (--batchDepth_ > 0 || (!editing_ && !editFailed_)) return true;
  // Reads in the batch went to the working copy; the file may change now, perhaps within
  // its time stamp's resolution.
  read_.reset();
  bool written = false;
  if (editFailed_)
    DropIniEdit(iniPath);
  else
    written = CommitIniEdit(iniPath, staged_);
  editing_ = editFailed_ = false;
  staged_.clear();
  if (written) {
    failureTold_ = false;
  } else if (!failureTold_) {
    failureTold_ = true;
    if (watcher) watcher->SettingsNotWritten();
  }
  return written;
}

int CSettings::GetInt(const wchar_t* section, const wchar_t* key, int def) {
  if (useIni) {
    if (iniPath.empty()) return def;
    if (const IniValues* values = section && key ? CurrentValues() : nullptr)
      return ProfileInt(values->Find(AsU16View(section), AsU16View(key)), def);
    return static_cast<int>(GetPrivateProfileIntW(section, key, def, ReadPath().c_str()));
  }
  RegKey subkey;
  bool created = false;
  if (!OpenSection(*this, section, KEY_READ, subkey, &created) || created) return def;
  // Starts at 0 so that a value shorter than 4 bytes leaves no stray bytes.
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(subkey.get(), key, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS)
    return def;
  return static_cast<int>(value);
}

void CSettings::GetString(const wchar_t* section, const wchar_t* key, wchar_t* buffer,
                          int capacity) {
  if (!buffer || capacity <= 0) return;
  if (useIni) {
    if (iniPath.empty()) {
      buffer[0] = L'\0';
      return;
    }
    if (const IniValues* values = section && key ? CurrentValues() : nullptr) {
      const std::u16string* stored = values->Find(AsU16View(section), AsU16View(key));
      CopyText(AsU16(buffer), static_cast<std::size_t>(capacity), stored ? ProfileCopy(*stored, capacity) : u"");
      return;
    }
    GetPrivateProfileStringW(section, key, L"", buffer, static_cast<DWORD>(capacity),
                             ReadPath().c_str());
    return;
  }
  buffer[0] = L'\0';
  RegKey subkey;
  bool created = false;
  if (!OpenSection(*this, section, KEY_READ, subkey, &created) || created) return;
  DWORD size = static_cast<DWORD>(capacity) * sizeof(wchar_t);
  if (RegQueryValueExW(subkey.get(), key, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS) {
    buffer[0] = L'\0';
    return;
  }
  // The registry returns a string as stored, possibly without its terminator; one that
  // fills the buffer loses its last character to the terminator.
  std::size_t length = size / sizeof(wchar_t);
  if (length >= static_cast<std::size_t>(capacity)) length = static_cast<std::size_t>(capacity) - 1;
  buffer[length] = L'\0';
}

bool CSettings::SetInt(const wchar_t* section, const wchar_t* key, int value) {
  if (useIni) return WriteProfile(section, key, ToWide(FormatInt(value)).c_str());
  RegKey subkey;
  if (!OpenSection(*this, section, KEY_WRITE, subkey, nullptr)) return false;
  DWORD data = static_cast<DWORD>(value);
  return RegSetValueExW(subkey.get(), key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

bool CSettings::SetString(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  // A null value would make the profile API delete the key; store an empty string instead.
  if (!value) value = L"";
  if (useIni) return WriteProfile(section, key, value);
  RegKey subkey;
  if (!OpenSection(*this, section, KEY_WRITE, subkey, nullptr)) return false;
  DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
  return RegSetValueExW(subkey.get(), key, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                        bytes) == ERROR_SUCCESS;
}

bool CSettings::DeleteSection(const wchar_t* section) {
  return useIni && section && *section && WriteProfile(section, nullptr, nullptr);
}

std::wstring CSettings::GetWholeString(const wchar_t* section, const wchar_t* key) {
  // Most values are short: a small first room, since each room is cleared before the
  // read and the program reads some of them before its first paint.
  constexpr int kFirstRoom = 4096;
  constexpr int kLargestRoom = 1 << 26;
  for (int room = kFirstRoom;; room *= 4) {
    std::wstring value(static_cast<std::size_t>(room), L'\0');
    GetString(section, key, value.data(), room);
    value.resize(std::wcslen(value.c_str()));
    // The profile API fills a buffer that is too small up to room - 1 or room - 2.
    if (static_cast<int>(value.size()) + 2 < room || room >= kLargestRoom) return value;
  }
}
