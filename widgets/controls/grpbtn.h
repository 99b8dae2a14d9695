// State rules of the bitmap button "GrpBtn", kept apart from the window so that
// every transition can be tested without one. Each function takes the current
// state and returns the next one; the window procedure repaints when it changed.
#pragma once

namespace grpbtn {

enum State : int { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };
inline constexpr int kStateCount = 4;

// The pointer moved over a button whose top-level window is in the foreground:
// a push button lights up, a toggle button has no hover face.
int AfterHover(bool toggle, int state);

// Left press. A toggle button shows what a click would give and remembers the
// state it had in pressState (one value for all buttons: only one holds the capture).
int AfterPress(bool toggle, int state, int& pressState);

// Mouse move while the button holds the capture; inside: the pointer is over the button.
int AfterCapturedMove(bool toggle, bool inside, int pressState);

// Left release of the captured button: a push button springs back; a toggle
// button keeps what the press and the moves gave it.
int AfterRelease(bool toggle, int state);

int AfterEnable(bool enabled);

// Set-state message: toggle buttons take any of the four states, push buttons
// ignore it. A value outside 0…3 is ignored too: the state picks one of four faces.
int AfterSetState(bool toggle, int state, int requested);

}  // namespace grpbtn
