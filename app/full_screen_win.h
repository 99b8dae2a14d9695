// The window side of stepping back for full-screen programs: what the window in front
// is, the foreground hook that tells the bar when it changes, and moving the bar
// between the topmost band and the one behind that window.
#pragma once

#include <windows.h>

#include "app/full_screen.h"

// The bar's band as its options give it: topmost with "항상 위", else the normal one.
void PutInBand(HWND bar, bool alwaysOnTop);

class FrontWatch {
 public:
  FrontWatch() = default;
  ~FrontWatch() { Stop(); }
  FrontWatch(const FrontWatch&) = delete;
  FrontWatch& operator=(const FrontWatch&) = delete;

  // Listens for a new window in front; the thread's windows of ours are told with
  // kMsgForegroundChanged. Some systems (Wine) send nothing for other programs'
  // windows: the heartbeat's look covers those.
  void Start();
  void Stop();

  // Looks at the window in front and steps `bar` back behind it or returns it to its
  // band. With `onlyIfNew` (the heartbeat's look) a window already looked at is taken
  // as it was, unless the bar stands behind it: then it is looked at until that ends.
  // While the bar itself is in front, that look asks nothing: no window can cover it
  // without taking the foreground from it first, and the bar hears that (LostFront).
  void Look(HWND bar, bool alwaysOnTop, bool stepBackOption, bool onlyIfNew);
  // The bar is no longer the active window: the next look asks again.
  void LostFront() { lastFront_ = nullptr; }
  bool SteppedBack() const { return state_.SteppedBack(); }
  // The bar was put in its band by other means ("항상 위" changed).
  void Forget() { state_.Reset(); }

 private:
  HWINEVENTHOOK hook_ = nullptr;
  HWND lastFront_ = nullptr;
  StepBackState state_;
};
