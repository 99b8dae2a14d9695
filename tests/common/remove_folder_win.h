// Shared by the Wine tests and the end-to-end driver: removes a test's temporary
// folder with the files in it (test folders hold no subfolders).
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
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((base + entry.cFileName).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}
