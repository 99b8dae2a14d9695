// One bar per data folder, on the system's side: the object is a small named memory
// block, made by the first start and held for its whole run, in which that start leaves
// its bar's window for later starts to find.
#pragma once

#include <windows.h>

#include <string>

#include "core/handle_win.h"

class SingleBar {
 public:
  // Made before anything is written. Claims the folder for this process, or, when a bar
  // serves it already, asks that bar to show itself (kMsgShowBar), waiting a few seconds
  // for one that is still starting or ending, and holds nothing.
  explicit SingleBar(const std::wstring& dataFolder);
  SingleBar(const SingleBar&) = delete;
  SingleBar& operator=(const SingleBar&) = delete;

  // Whether this process runs the folder's bar. Also when the object cannot be made at
  // all (there is then nothing to guard with, and a bar is better than none).
  bool first() const { return first_; }
  // Where later starts find the bar; null once its window is gone.
  void Publish(HWND bar);

 private:
  // Declared in this order so that the view goes before the block it shows.
  UniqueHandle block_;
  MappedView view_;
  bool first_ = false;
};
