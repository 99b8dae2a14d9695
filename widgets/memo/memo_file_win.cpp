#include "widgets/memo/memo_file_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "core/file_win.h"
#include "core/wide_win.h"
#include "widgets/memo/memo_file.h"

namespace {

// Reads and writes go through a buffer of this size, as a plain file copy does; a
// text larger than it moves straight between the file and the memo's buffer.
constexpr DWORD kBufferBytes = 1u << 16;
// ReadFile and WriteFile move at most 4 GB - 1 per call.
constexpr std::size_t kStep = 1u << 24;

class FileSource : public MemoSource {
 public:
  FileSource(HANDLE file, std::uint64_t size) : file_(file), remaining_(size) {}
  std::uint64_t Remaining() const override { return remaining_; }

  bool Take(void* into, std::size_t count) override {
    if (count > remaining_) return false;
    auto* to = static_cast<std::uint8_t*>(into);
    const std::size_t buffered = std::min(count, end_ - next_);
    std::memcpy(to, buffer_.get() + next_, buffered);
    next_ += buffered;
    to += buffered;
    count -= buffered;
    remaining_ -= buffered;
    if (count >= kBufferBytes) return Direct(to, count);
    if (count == 0) return true;
    if (!Fill() || end_ < count) return false;
    std::memcpy(to, buffer_.get(), count);
    next_ = count;
    remaining_ -= count;
    return true;
  }

 private:
  bool Fill() {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min<std::uint64_t>(kBufferBytes, remaining_));
    if (!ReadFile(file_, buffer_.get(), want, &got, nullptr)) return false;
    next_ = 0;
    end_ = got;
    return true;
  }

  bool Direct(std::uint8_t* to, std::size_t count) {
    while (count > 0) {
      DWORD got = 0;
      const auto want = static_cast<DWORD>(std::min(kStep, count));
      if (!ReadFile(file_, to, want, &got, nullptr) || got == 0) return false;
      to += got;
      count -= got;
      remaining_ -= got;
    }
    return true;
  }

  HANDLE file_;
  std::uint64_t remaining_;
  std::unique_ptr<std::uint8_t[]> buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferBytes);
  std::size_t next_ = 0;
  std::size_t end_ = 0;
};

class FileSink : public MemoSink {
 public:
  explicit FileSink(HANDLE file) : file_(file) {}

  void Put(const void* bytes, std::size_t count) override {
    const auto* from = static_cast<const std::uint8_t*>(bytes);
    if (used_ + count > kBufferBytes) {
      Flush();
      if (count >= kBufferBytes) return Write(from, count);
    }
    std::memcpy(buffer_.get() + used_, from, count);
    used_ += count;
  }

  // Whether every byte reached the file.
  bool Finish() {
    Flush();
    return ok_;
  }

 private:
  void Flush() {
    Write(buffer_.get(), used_);
    used_ = 0;
  }

  void Write(const std::uint8_t* from, std::size_t count) {
    while (ok_ && count > 0) {
      DWORD wrote = 0;
      const auto want = static_cast<DWORD>(std::min(kStep, count));
      ok_ = WriteFile(file_, from, want, &wrote, nullptr) && wrote == want;
      from += want;
      count -= want;
    }
  }

  HANDLE file_;
  std::unique_ptr<std::uint8_t[]> buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBufferBytes);
  std::size_t used_ = 0;
  bool ok_ = true;
};

bool WriteTemp(const std::wstring& tempPath, const MemoSet& set) {
  FileHandle file(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file) return false;
  FileSink sink(file.get());
  EncodeMemoFile(set, sink);
  return sink.Finish() && FlushFileBuffers(file.get()) && file.Close();
}

}  // namespace

MemoFileRead ReadMemoFile(const std::wstring& path, MemoSet& set) {
  set.Clear();
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? MemoFileRead::kMissing
                                                                          : MemoFileRead::kUnreadable;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return MemoFileRead::kUnreadable;
  FileSource source(file.get(), static_cast<std::uint64_t>(size.QuadPart));
  try {
    DecodeMemoFile(source, set);
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
