#include "core/whole_file_win.h"

#include <algorithm>

#include "core/handle_win.h"

namespace {

// ReadFile and WriteFile move at most 4 GB - 1 per call.
constexpr std::size_t kStep = 1u << 24;

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto want = static_cast<DWORD>(std::min(kStep, bytes.size()));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data(), want, &wrote, nullptr) || wrote != want) return false;
    bytes.remove_prefix(want);
  }
  return true;
}

bool Flush(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && FlushFileBuffers(file.get()) && file.Close();
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

WholeRead ReadWholeFile(const std::wstring& path, std::string& bytes) {
  bytes.clear();
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? WholeRead::kMissing
                                                                          : WholeRead::kUnreadable;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > bytes.max_size())
    return WholeRead::kUnreadable;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  for (std::size_t done = 0; done < bytes.size();) {
    const auto want = static_cast<DWORD>(std::min(kStep, bytes.size() - done));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr) || got == 0) {
      bytes.clear();
      return WholeRead::kUnreadable;
    }
    done += got;
  }
  return WholeRead::kRead;
}

bool ReplaceWholeFile(const std::wstring& path, const std::wstring& tempPath,
                      const std::function<bool(HANDLE)>& write) {
  UniqueHandle file(
      CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (write(file.get()) && FlushFileBuffers(file.get()) && file.Close() && MoveOver(tempPath, path)) return true;
  file.Close();
  DeleteFileW(tempPath.c_str());
  return false;
}

bool WriteWholeFile(const std::wstring& path, const std::wstring& tempPath, std::string_view bytes) {
  return ReplaceWholeFile(path, tempPath, [bytes](HANDLE file) { return WriteAll(file, bytes); });
}

bool WriteNewFile(const std::wstring& path, std::string_view bytes) {
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAll(file.get(), bytes) && file.Close();
}

bool MoveFlushedOver(const std::wstring& from, const std::wstring& path) {
  return Flush(from) && MoveOver(from, path);
}
