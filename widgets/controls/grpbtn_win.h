// "GrpBtn": an owner-painted bitmap button with four faces (normal, hover,
// pressed or on, disabled) that reports a click to its parent as WM_COMMAND
// (BN_CLICKED) and passes a right click on as WM_CONTEXTMENU.
// The class is registered by a static initialiser; create a button with
//   CreateWindowExW(0, kGrpBtnClass, L"", WS_CHILD | WS_VISIBLE [| GBS_TOGGLE],
//                   x, y, w, h, parent, (HMENU)id, instance, nullptr)
#pragma once

#include <windows.h>

#include "widgets/controls/grpbtn.h"

inline constexpr wchar_t kGrpBtnClass[] = L"GrpBtn";

// Style bit 0: a toggle button keeps an on/off state instead of springing back.
inline constexpr DWORD GBS_TOGGLE = 0x1;

enum : UINT {
  // wParam: LOWORD state-0 bitmap id, HIWORD state 1; lParam: LOWORD state 2,
  // HIWORD state 3; id 0 leaves that state without a face. Result 0.
  GBM_SETIMAGES = WM_USER + 1,
  // Result: the current state (grpbtn::kNormal … grpbtn::kDisabled).
  GBM_GETSTATE = WM_USER + 2,
  // wParam: the new state. Toggle buttons only; a push button ignores it. Result 0.
  GBM_SETSTATE = WM_USER + 3,
};

// Packs four bitmap resource ids for GBM_SETIMAGES.
inline WPARAM GrpBtnImagesW(WORD normal, WORD hover) { return MAKEWPARAM(normal, hover); }
inline LPARAM GrpBtnImagesL(WORD pressed, WORD disabled) { return MAKELPARAM(pressed, disabled); }

// Sends GBM_SETIMAGES with the four faces.
inline void SetGrpBtnImages(HWND button, WORD normal, WORD hover, WORD pressed, WORD disabled) {
  SendMessageW(button, GBM_SETIMAGES, GrpBtnImagesW(normal, hover), GrpBtnImagesL(pressed, disabled));
}
