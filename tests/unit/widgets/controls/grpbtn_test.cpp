#include "widgets/controls/grpbtn.h"

#include <gtest/gtest.h>

namespace {

using namespace grpbtn;

// One button driven through press, moves and release, as the window procedure does.
struct Button {
  bool toggle;
  int state = kNormal;
  int pressState = kNormal;

  void Press() { state = AfterPress(toggle, state, pressState); }
  void MoveCaptured(bool inside) { state = AfterCapturedMove(toggle, inside, pressState); }
  void Release() { state = AfterRelease(toggle, state); }
  void Click() {
    Press();
    Release();
  }
};

TEST(GrpBtnPush, DraggedOffAndBackFollowsThePointer) {
  Button push{false, AfterHover(false, kNormal)};
  EXPECT_EQ(push.state, kHover);
  push.Press();
  EXPECT_EQ(push.state, kPressed);
  push.MoveCaptured(false);
  EXPECT_EQ(push.state, kNormal);
  push.MoveCaptured(true);
  EXPECT_EQ(push.state, kPressed);
  push.MoveCaptured(false);
  push.Release();
  EXPECT_EQ(push.state, kNormal);
}

TEST(GrpBtnToggle, ClickFlipsBetweenOffAndOn) {
  Button toggle{true};
  toggle.Click();
  EXPECT_EQ(toggle.state, kPressed);
  EXPECT_EQ(toggle.pressState, kNormal);
  toggle.Click();
  EXPECT_EQ(toggle.state, kNormal);
  EXPECT_EQ(toggle.pressState, kPressed);
}

TEST(GrpBtnToggle, ReleaseOutsideRestoresThePreviousState) {
  for (int before : {kNormal, kPressed}) {
    Button toggle{true, before};
    toggle.Press();
    EXPECT_NE(toggle.state, before);
    toggle.MoveCaptured(false);
    EXPECT_EQ(toggle.state, before);
    toggle.MoveCaptured(true);
    EXPECT_NE(toggle.state, before);
    toggle.MoveCaptured(false);
    toggle.Release();
    EXPECT_EQ(toggle.state, before);
  }
}

TEST(GrpBtnToggle, NeverShowsHover) {
  EXPECT_EQ(AfterHover(true, kNormal), kNormal);
  EXPECT_EQ(AfterHover(true, kPressed), kPressed);
}

TEST(GrpBtnSetState, OnlyToggleButtonsTakeAStateAndOnlyAKnownOne) {
  EXPECT_EQ(AfterSetState(true, kNormal, kPressed), kPressed);
  EXPECT_EQ(AfterSetState(true, kPressed, kDisabled), kDisabled);
  EXPECT_EQ(AfterSetState(false, kNormal, kPressed), kNormal);
  EXPECT_EQ(AfterSetState(true, kPressed, 4), kPressed);
  EXPECT_EQ(AfterSetState(true, kNormal, -1), kNormal);
}

}  // namespace
