// The one settings store: integers and strings by section and key, in the .ini file
// named after the executable in the program's data folder (beside it in portable use)
// or, when useIni is false, under a registry key.
#pragma once

#include <windows.h>

#include <string>

class CSettings {
 public:
  bool useIni = true;
  std::wstring iniPath;
  std::wstring regBase = L"Software\\Tarvinex\\Pelgra\\";
  HKEY rootKey = HKEY_CURRENT_USER;

  // Sets iniPath from DataProgramPath() and regBase; called before the first read.
  void FillPaths();

  int GetInt(const wchar_t* section, const wchar_t* key, int def);
  // Always leaves a terminated string in buffer ("" when missing); nothing for capacity <= 0.
  void GetString(const wchar_t* section, const wchar_t* key, wchar_t* buffer, int capacity);
  // The whole value, however long: read again with more room while it fills the buffer
  // (up to some 67 million units).
  std::wstring GetWholeString(const wchar_t* section, const wchar_t* key);
  bool SetInt(const wchar_t* section, const wchar_t* key, int value);
  bool SetString(const wchar_t* section, const wchar_t* key, const wchar_t* value);

 private:
  void EnsureUnicodeIni() const;
};

// "MusicList" and 2 -> "MusicList2": the numbered keys of stored lists.
std::wstring NumberedKey(const wchar_t* prefix, int n);

