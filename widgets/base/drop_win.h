// A dropped-files handle is the receiver's to release, whatever happens to the files.
#pragma once

#include <windows.h>
#include <shellapi.h>

// What DragAcceptFiles does, without loading the shell library at start-up: the
// style alone makes the system send WM_DROPFILES.
inline void AcceptDroppedFiles(HWND window) {
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

class DropScope {
 public:
  explicit DropScope(HDROP drop) : drop_(drop) {}
  ~DropScope() { DragFinish(drop_); }
  DropScope(const DropScope&) = delete;
  DropScope& operator=(const DropScope&) = delete;
  HDROP get() const { return drop_; }

 private:
  HDROP drop_;
};
