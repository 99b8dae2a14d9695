#include "widgets/memo_file_win.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <vector>

#include "core/wide_win.h"
#include "widgets/memo_file.h"

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    if (!ok()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// ReadFile and WriteFile move at most 4 GB - 1 per call; smaller steps keep it simple.
constexpr DWORD kStep = 1u << 24;

bool ReadAll(HANDLE file, std::vector<std::uint8_t>& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > bytes.max_size())
    return false;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kStep, bytes.size() - done));
    DWORD got = 0;
    if (!ReadFile(file, bytes.data() + done, want, &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank meanwhile: decode what is there
    done += got;
  }
  bytes.resize(done);
  return true;
}

bool WriteAll(HANDLE file, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(kStep, bytes.size() - done));
    DWORD wrote = 0;
    if (!WriteFile(file, bytes.data() + done, want, &wrote, nullptr) || wrote != want) return false;
    done += wrote;
  }
  return true;
}

bool WriteTemp(const std::wstring& tempPath, const MemoSet& set) {
  FileHandle file(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file.ok()) return false;
  try {
    const std::vector<std::uint8_t> bytes = EncodeMemoFile(set);
    if (!WriteAll(file.get(), bytes)) return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return FlushFileBuffers(file.get()) && file.Close();
}

}  // namespace

MemoFileRead ReadMemoFile(const std::wstring& path, MemoSet& set) {
  set.Clear();
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.ok()) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? MemoFileRead::kMissing
                                                                          : MemoFileRead::kUnreadable;
  }
  try {
    std::vector<std::uint8_t> bytes;
    if (!ReadAll(file.get(), bytes)) return MemoFileRead::kUnreadable;
    DecodeMemoFile(bytes, set);
  } catch (const std::bad_alloc&) {
    set.Clear();
    return MemoFileRead::kUnreadable;
  }
  return MemoFileRead::kRead;
}

bool WriteMemoFile(const std::wstring& path, const MemoSet& set) {
  const std::wstring tempPath = ToWide(MemoTempPath(AsU16View(path.c_str())));
  if (WriteTemp(tempPath, set) &&
      MoveFileExW(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(tempPath.c_str());
  return false;
}
