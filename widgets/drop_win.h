// A dropped-files handle is the receiver's to release, whatever happens to the files.
#pragma once

#include <windows.h>
#include <shellapi.h>

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
