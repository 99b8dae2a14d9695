// Kernel handles (files, named objects) owned once: closed when their owner goes.
#pragma once

#include <windows.h>

#include <utility>

class UniqueHandle {
 public:
  UniqueHandle() = default;
  // CreateFileW fails with INVALID_HANDLE_VALUE, most other calls with null: both hold nothing.
  explicit UniqueHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // False when the system could not close it (a file's last write may then be lost).
  bool Close() {
    if (!handle_) return true;
    return CloseHandle(std::exchange(handle_, nullptr)) != FALSE;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A view of a named memory block, unmapped when its owner goes.
class MappedView {
 public:
  MappedView() = default;
  MappedView(HANDLE block, SIZE_T bytes)
      : view_(block ? MapViewOfFile(block, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, bytes) : nullptr) {}
  ~MappedView() {
    if (view_) UnmapViewOfFile(view_);
  }
  MappedView(MappedView&& other) noexcept : view_(std::exchange(other.view_, nullptr)) {}
  MappedView& operator=(MappedView&& other) noexcept {
    if (this != &other) {
      if (view_) UnmapViewOfFile(view_);
      view_ = std::exchange(other.view_, nullptr);
    }
    return *this;
  }
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;

  void* get() const { return view_; }

 private:
  void* view_ = nullptr;
};
