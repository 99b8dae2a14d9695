#include "core/gdiplus_win.h"

#include <windows.h>
#include <gdiplus.h>

namespace {

class Session {
 public:
  ~Session() {
    if (started_) Gdiplus::GdiplusShutdown(token_);
  }
  bool Start() {
    if (!tried_) {
      tried_ = true;
      Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, background thread
      started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    return started_;
  }
  bool started() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool tried_ = false;
  bool started_ = false;
};

Session session;

}  // namespace

namespace gdiplus_session {
bool Start() { return session.Start(); }
bool Started() { return session.started(); }
}  // namespace gdiplus_session
