// The window side of the reserved edge: the shell's application desktop toolbar
// messages for the bar's window, behind the seam the negotiation talks to.
#pragma once

#include <windows.h>

#include "app/reserved_edge.h"

// SHAppBarMessage for `bar`, whose notices arrive as kMsgAppBarNotice.
class ShellAppBar : public AppBarShell {
 public:
  explicit ShellAppBar(HWND bar) : bar_(bar) {}
  bool New() override;
  Rect QueryPos(ScreenEdge edge, const Rect& proposed) override;
  Rect SetPos(ScreenEdge edge, const Rect& band) override;
  void Remove() override;
  // The bar was activated or moved: the shell keeps the bars' order with it.
  void Activated();
  void PositionChanged();

 private:
  HWND bar_;
};

// The message the shell broadcasts when it (re)starts: registrations are to be made again.
UINT TaskbarCreatedMessage();
