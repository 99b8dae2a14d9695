// Settings popups of widgets and tidgets: modeless dialogs, at most one in the whole
// program (`activeDialog`), placed beside the bar. The options take effect when the
// popup loses activation; Esc throws them away. There are no OK/Cancel buttons.
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
#pragma once

#include <windows.h>

#include "core/shell_win.h"

class CDget;

namespace popup_core {

// Creates dialog `dialogId` modeless under owner's window unless a popup exists;
// the new dialog becomes activeDialog and is shown. Returns it, or null.
HWND Open(int dialogId, CDget& owner, DLGPROC procedure);
// Puts the popup beside the bar and records whose popup is open.
void Begin(HWND dialog, CDget& owner, POINT offset);
// True when a WM_NCACTIVATE(wParam) means "apply and close" for this popup.
bool LosesActivation(HWND dialog, WPARAM wParam);
// Whether the owner's window is still there to take the options.
bool OwnerAlive(const CDget& owner);
// Clears activeDialog and destroys the popup.
void Close(HWND dialog);
// Forgets the owner when the popup is gone, by whatever path.
void End(HWND dialog);
// The owner whose popup is open, or null.
CDget* OpenOwner();

}  // namespace popup_core

// Closes the popup of `owner`, if it has the open one, without applying it (for an
// owner that goes away first).
void DiscardSettingsPopupOf(const CDget& owner);

template <class Kind>
class SettingsPopup {
 public:
  using Owner = typename Kind::Owner;

  // The owner's OnContextMenu: opens the popup unless one (of any kind) is open; result 0.
  static LRESULT Open(Owner& owner) {
    popup_core::Open(Kind::kDialogId, owner, &Procedure);
    return 0;
  }

  // The owner whose popup of this kind is open, or null.
  static Owner* OpenOwner() { return owner_; }

 private:
  static POINT OffsetOf(const Owner& owner) {
    if constexpr (requires { Kind::Offset(owner); })
      return Kind::Offset(owner);
    else
      return POINT{owner.left, owner.top};
  }

  static bool Other(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if constexpr (requires { Kind::Message(dialog, *owner_, msg, wParam, lParam); })
      return owner_ && Kind::Message(dialog, *owner_, msg, wParam, lParam);
    else
      return false;
  }

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
      case WM_INITDIALOG:
        owner_ = reinterpret_cast<Owner*>(lParam);
        popup_core::Begin(dialog, *owner_, OffsetOf(*owner_));
        Kind::Init(dialog, *owner_);
        return TRUE;
      case WM_NCACTIVATE:
        if (popup_core::LosesActivation(dialog, wParam)) {
          if (owner_ && popup_core::OwnerAlive(*owner_)) Kind::Apply(dialog, *owner_);
          popup_core::Close(dialog);
        }
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
          popup_core::Close(dialog);
          return TRUE;
        }
        return Other(dialog, msg, wParam, lParam);
      case WM_DESTROY:
        popup_core::End(dialog);
        owner_ = nullptr;
        return FALSE;
      default: return Other(dialog, msg, wParam, lParam);
    }
  }

  static inline Owner* owner_ = nullptr;
};
