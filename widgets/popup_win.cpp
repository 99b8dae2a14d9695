#include "widgets/popup_win.h"

#include "widgets/dget_win.h"

namespace {

// Whose popup is open, so that an owner going away can take its popup along
// instead of leaving it with a dangling owner.
CDget* openOwner = nullptr;

}  // namespace

namespace popup_core {

HWND Open(int dialogId, CDget& owner, DLGPROC procedure) {
  if (IsWindow(activeDialog)) return nullptr;
  HWND dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(dialogId), owner.hwnd, procedure,
                                   reinterpret_cast<LPARAM>(&owner));
  if (!dialog) return nullptr;
  activeDialog = dialog;
  ShowWindow(dialog, SW_SHOW);
  return dialog;
}

void Begin(HWND dialog, CDget& owner, POINT offset) {
  openOwner = &owner;
  PlaceNextToBar(dialog, offset.x, offset.y);
}

// Only the popup that is open applies: a deactivation that arrives after it was
// cleared (while it is being destroyed) must not apply twice.
bool LosesActivation(HWND dialog, WPARAM wParam) { return !wParam && activeDialog && activeDialog == dialog; }

bool OwnerAlive(const CDget& owner) { return IsWindow(owner.hwnd) != FALSE; }

void Close(HWND dialog) {
  if (activeDialog == dialog) activeDialog = nullptr;
  DestroyWindow(dialog);
}

void End(HWND dialog) {
  if (activeDialog == dialog) activeDialog = nullptr;
  openOwner = nullptr;
}

CDget* OpenOwner() { return openOwner; }

}  // namespace popup_core

void DiscardSettingsPopupOf(const CDget& owner) {
  if (popup_core::OpenOwner() != &owner) return;
  HWND dialog = activeDialog;
  activeDialog = nullptr;
  openOwner = nullptr;
  if (IsWindow(dialog)) DestroyWindow(dialog);
}
