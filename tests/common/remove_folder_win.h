// Shared by the Wine tests and the end-to-end driver: removes a test's temporary
// folder with everything in it.
#pragma once

#include <windows.h>

#include <string>

inline void RemoveTestFolder(const std::wstring& folder) {
  if (folder.empty()) return;
  std::wstring base = folder;
  if (base.back() != L'\\') base += L'\\';
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((base + L"*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((base + name).c_str());
      else if (name != L"." && name != L"..")
        RemoveTestFolder(base + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}
