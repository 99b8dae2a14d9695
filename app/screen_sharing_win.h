// How the bar shares the screen with other programs: it steps back behind a full-screen
// program in front on its monitor, and holds the screen edge it is snapped to when the
// options ask for that. The bar owns one and hands it its window and options.
#pragma once

#include <windows.h>

#include "app/full_screen_win.h"
#include "app/reserved_edge.h"
#include "core/bar_settings.h"

class ScreenSharing {
 public:
  void Start() { frontWatch_.Start(); }
  // Gives the edge back: the bar ends.
  void Stop(HWND bar);

  // One look at the window in front: step back behind a full-screen one, or return.
  // With `onlyIfNew` (the heartbeat's look) a window already looked at counts as it was.
  void LookAtFront(HWND bar, const BarSettings& options, bool onlyIfNew);
  // An option of the band changed: the bar stays behind a full-screen window while the
  // options still ask for that, and takes its band otherwise.
  void KeepBand(HWND bar, const BarSettings& options);
  // The reserved band follows the bar's place and options, or is given back.
  void KeepReservation(HWND bar, const BarSettings& options);
  // The bar moved, was sized or turned.
  void Moved(HWND bar, const BarSettings& options);

  // The foreground and shell notices and the shell's restart; true when the message
  // needs no more handling.
  bool Handle(HWND bar, const BarSettings& options, UINT msg, WPARAM wParam);

  bool HoldsEdge() const { return reservation_.Registered(); }
  ScreenEdge Edge() const { return reservation_.Edge(); }
  Rect Band() const { return reservation_.Band(); }
  bool SteppedBack() const { return frontWatch_.SteppedBack(); }

 private:
  FrontWatch frontWatch_;
  EdgeReservation reservation_;
  // Moving the bar to its granted band must not start another negotiation.
  bool keepingEdge_ = false;
  // The shell's restart broadcast, known once the option has been on.
  UINT taskbarCreated_ = 0;
};
