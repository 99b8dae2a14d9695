#include "widgets/controls/grpbtn.h"

namespace grpbtn {

int AfterHover(bool toggle, int state) { return toggle ? state : kHover; }

int AfterPress(bool toggle, int state, int& pressState) {
  if (!toggle) return kPressed;
  pressState = state;
  return pressState == kNormal ? kPressed : kNormal;
}

int AfterCapturedMove(bool toggle, bool inside, int pressState) {
  if (!toggle) return inside ? kPressed : kNormal;
  if (!inside) return pressState;
  return pressState == kNormal ? kPressed : kNormal;
}

int AfterRelease(bool toggle, int state) { return toggle ? state : kNormal; }

int AfterEnable(bool enabled) { return enabled ? kNormal : kDisabled; }

int AfterSetState(bool toggle, int state, int requested) {
  const bool known = requested >= kNormal && requested < kStateCount;
  return toggle && known ? requested : state;
}

}  // namespace grpbtn
