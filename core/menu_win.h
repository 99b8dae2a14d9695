// A menu loaded for one popup, destroyed at the end of the scope.
#pragma once

#include <windows.h>

class MenuOwner {
 public:
  explicit MenuOwner(HMENU menu) : menu_(menu) {}
  ~MenuOwner() {
    if (menu_) DestroyMenu(menu_);
  }
  MenuOwner(const MenuOwner&) = delete;
  MenuOwner& operator=(const MenuOwner&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};
