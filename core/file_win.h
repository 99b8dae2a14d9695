// Files opened through the system: a handle closed with its owner, and the start of a
// file read without decoding it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Owns a file handle; INVALID_HANDLE_VALUE and null hold nothing.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  // Closes now; false when the system reports a failure (a write it could not finish).
  bool Close();

 private:
  HANDLE handle_;
};

// Up to `most` bytes from the start of the file at `path`: fewer when it is shorter,
// none when it cannot be opened or read.
std::vector<std::uint8_t> ReadFileStart(const wchar_t* path, std::size_t most);
