// Reserving the screen edge the bar is snapped to: registered as an application
// desktop toolbar, the bar asks the shell for a band along its edge, and maximised
// windows then stop at it. The negotiation goes through a seam (AppBarShell), so what
// the bar asks and what it does with each answer is decided here, without a window.
#pragma once

#include "core/geometry.h"

enum class ScreenEdge { None, Left, Top, Right, Bottom };

// The edge of the work area `bar` is snapped to: the left or right side for a
// vertical bar, the top or bottom for a horizontal one; None when it touches neither.
ScreenEdge EdgeOf(const Rect& bar, const Rect& work, bool vertical);

// The work area as it was before the bar's own band was reserved at `edge`: the
// system takes the band out of it, but the bar snaps and stays at the edge it had.
Rect WithoutOwnBand(const Rect& work, ScreenEdge edge, const Rect& band);

// What the bar asks of the shell: the real SHAppBarMessage, or a test's script.
class AppBarShell {
 public:
  virtual bool New() = 0;
  // The band the shell offers for the one proposed, and the one it then grants.
  virtual Rect QueryPos(ScreenEdge edge, const Rect& proposed) = 0;
  virtual Rect SetPos(ScreenEdge edge, const Rect& band) = 0;
  virtual void Remove() = 0;

 protected:
  ~AppBarShell() = default;
};

class EdgeReservation {
 public:
  // Keeps the reservation with the bar: `edge` is where it is snapped (None when it is
  // not, or the option is off), `bar` its window and `monitor` its monitor's rectangle.
  // Registers, negotiates, moves the band along, or gives it back; asks nothing when
  // nothing changed since the last call. Answers where the bar goes: across, to the
  // outer side of the band the shell granted, at its own size (never smaller than its
  // layout needs); along, where it is.
  Rect Follow(AppBarShell& shell, ScreenEdge edge, const Rect& bar, const Rect& monitor);
  // Gives the band back (the option turned off, the bar's end).
  void Release(AppBarShell& shell);
  // The shell asks for a new negotiation (another bar moved), or has restarted and
  // forgotten every registration.
  void Renegotiate() { settled_ = false; }
  void ShellRestarted();

  bool Registered() const { return registered_; }
  ScreenEdge Edge() const { return registered_ ? edge_ : ScreenEdge::None; }
  const Rect& Band() const { return band_; }

 private:
  bool registered_ = false;
  bool settled_ = false;
  ScreenEdge edge_ = ScreenEdge::None;
  Rect band_;
  Rect bar_;
  Rect monitor_;
};
