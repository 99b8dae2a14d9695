#include "widgets/base/popup_win.h"

#include "core/texts_win.h"

namespace popup_core {

HWND Open(OpenPopup& open, Language language, int dialogId, HWND ownerWindow, void* owner, DLGPROC procedure) {
  if (IsWindow(open.activeDialog)) return nullptr;
  HWND dialog = CreateDialogIn(language, dialogId, ownerWindow, procedure, reinterpret_cast<LPARAM>(owner));
  if (!dialog) return nullptr;
  open.activeDialog = dialog;
  open.owner = owner;
  ShowWindow(dialog, SW_SHOW);
  return dialog;
}

// Only the popup that is open applies: a deactivation that arrives after it was
// cleared (while it is being destroyed) must not apply twice.
bool LosesActivation(const OpenPopup& open, HWND dialog, WPARAM wParam) {
  return !wParam && open.activeDialog && open.activeDialog == dialog;
}

void Close(OpenPopup& open, HWND dialog) {
  End(open, dialog);
  DestroyWindow(dialog);
}

void End(OpenPopup& open, HWND dialog) {
  if (open.activeDialog != dialog) return;
  open.activeDialog = nullptr;
  open.owner = nullptr;
}

}  // namespace popup_core

void DiscardPopupOf(OpenPopup& open, const void* owner) {
  if (!owner || open.owner != owner) return;
  HWND dialog = open.activeDialog;
  open = {};
  if (!IsWindow(dialog)) return;
  // The owner is going: the dialog must not reach it while it is destroyed.
  SetWindowLongPtrW(dialog, DWLP_USER, 0);
  DestroyWindow(dialog);
}
