// Settings popups of widgets and tidgets: modeless dialogs, at most one in the whole
// program (the bar's `OpenPopup`), placed beside the bar. The options take effect when
// the popup loses activation; Esc throws them away. There are no OK/Cancel buttons.
//
// A kind plugs in with a description of its own and shares everything else:
//
//   struct ClockPopup {
//     using Owner = CClock;
//     static constexpr int kDialogId = IDD_CLOCK;
//     // The owner's options into the controls (after the popup is placed).
//     static void Init(HWND dialog, CClock& owner);
//     // The controls back into the owner, then its follow-up: redraw, timer, save.
//     static void Apply(HWND dialog, CClock& owner);
//     // Optional: where the popup lines up along the bar (default: owner.left, owner.top).
//     static POINT Offset(const CClock& owner);
//     // Optional: any other message (buttons, spinners…); true when handled.
//     static bool Message(HWND dialog, CClock& owner, UINT msg, WPARAM wParam, LPARAM lParam);
//   };
//
//   LRESULT CClock::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<ClockPopup>::Open(*this); }
//
// The owner is a widget or tidget (it has `host`, `hwnd` and `PlaceBesideBar`); the
// dialog keeps a pointer to it for as long as it is open.
#pragma once

#include <windows.h>

#include "core/geometry.h"
#include "core/language.h"

// The one settings popup of the program and whose it is. The bar holds it, and its
// message loop gives `activeDialog` the keyboard navigation.
struct OpenPopup {
  HWND activeDialog = nullptr;
  const void* owner = nullptr;
};

namespace popup_core {

// Creates dialog `dialogId` of `language` modeless under `ownerWindow` unless a popup is
// open; the new dialog becomes the open one, keeps `owner` (DWLP_USER) and is shown.
// Returns it, or null.
HWND Open(OpenPopup& open, Language language, int dialogId, HWND ownerWindow, void* owner, DLGPROC procedure);
// True when a WM_NCACTIVATE(wParam) means "apply and close" for this popup.
bool LosesActivation(const OpenPopup& open, HWND dialog, WPARAM wParam);
// Forgets the popup and destroys it.
void Close(OpenPopup& open, HWND dialog);
// Forgets the popup when it is gone, by whatever path.
void End(OpenPopup& open, HWND dialog);

}  // namespace popup_core

// Closes the popup of `owner`, if it has the open one, without applying it (for an
// owner that goes away first).
void DiscardPopupOf(OpenPopup& open, const void* owner);

template <class Kind>
class SettingsPopup {
 public:
  using Owner = typename Kind::Owner;

  // The owner's OnContextMenu: opens the popup unless one (of any kind) is open; result 0.
  static LRESULT Open(Owner& owner) {
    popup_core::Open(owner.host.Popup(), owner.host.Texts().language(), Kind::kDialogId, owner.hwnd, &owner,
                     &Procedure);
    return 0;
  }

 private:
  static Point OffsetOf(const Owner& owner) {
    if constexpr (requires { Kind::Offset(owner); }) {
      const POINT offset = Kind::Offset(owner);
      return {offset.x, offset.y};
    } else {
      return {owner.left, owner.top};
    }
  }

  static Owner* OwnerOf(HWND dialog) { return reinterpret_cast<Owner*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

  static bool Other(HWND dialog, Owner& owner, UINT msg, WPARAM wParam, LPARAM lParam) {
    if constexpr (requires { Kind::Message(dialog, owner, msg, wParam, lParam); })
      return Kind::Message(dialog, owner, msg, wParam, lParam);
    else
      return false;
  }

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
      auto* owner = reinterpret_cast<Owner*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      owner->PlaceBesideBar(dialog, OffsetOf(*owner));
      Kind::Init(dialog, *owner);
      return TRUE;
    }
    Owner* owner = OwnerOf(dialog);
    if (!owner) return FALSE;
    switch (msg) {
      case WM_NCACTIVATE:
        if (popup_core::LosesActivation(owner->host.Popup(), dialog, wParam)) {
          if (IsWindow(owner->hwnd)) Kind::Apply(dialog, *owner);
          popup_core::Close(owner->host.Popup(), dialog);
        }
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
          popup_core::Close(owner->host.Popup(), dialog);
          return TRUE;
        }
        return Other(dialog, *owner, msg, wParam, lParam);
      case WM_DESTROY:
        popup_core::End(owner->host.Popup(), dialog);
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        return FALSE;
      default: return Other(dialog, *owner, msg, wParam, lParam);
    }
  }
};
