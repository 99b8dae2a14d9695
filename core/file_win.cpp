#include "core/file_win.h"

#include <windows.h>

#include "core/handle_win.h"

std::vector<std::uint8_t> ReadFileStart(const wchar_t* path, std::size_t most) {
  // Shared with writers, so that a file another program holds open still shows.
  UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::vector<std::uint8_t> start;
  if (!file || most > MAXDWORD) return start;
  start.resize(most);
  DWORD read = 0;
  if (!ReadFile(file.get(), start.data(), static_cast<DWORD>(most), &read, nullptr)) read = 0;
  start.resize(read);
  return start;
}
