#include "tidgets/movecursor_win.h"

#include <commctrl.h>

#include <algorithm>

#include "core/dialog_win.h"
#include "core/settings_win.h"
#include "core/text.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/base/popup_win.h"

namespace {

constexpr UINT_PTR kIdleTimer = 1;
constexpr wchar_t kActiveKey[] = L"moveCursor";

struct MoveCursorPopup {
  using Owner = CMoveCursor;
  static constexpr int kDialogId = IDD_MOVECURSOR;

  static POINT Offset(const CMoveCursor& owner) { return StripOffset(owner); }

  static void Init(HWND dialog, CMoveCursor& owner) {
    SendDlgItemMessageW(dialog, IDC_MOVECURSOR_SPIN, UDM_SETRANGE, 0, MAKELPARAM(kMaxMovePeriodSec, kMinMovePeriodSec));
    const std::u16string count = owner.host.Texts().Format(TextId::MoveCursorCount, {FormatInt(owner.moveCount)});
    SetDlgItemTextW(dialog, IDC_MOVECURSOR_COUNT, AsWide(count.c_str()));
    SetCheck(dialog, IDC_MOVECURSOR_ACTIVE, owner.active);
    SetDlgItemInt(dialog, IDC_MOVECURSOR_PERIOD, static_cast<UINT>(owner.periodSec), FALSE);
  }

  static void Apply(HWND dialog, CMoveCursor& owner) {
    // Unreadable text reads as 0 and, like any typed value, is kept within the spinner's range.
    BOOL read = FALSE;
    const UINT typed = GetDlgItemInt(dialog, IDC_MOVECURSOR_PERIOD, &read, FALSE);
    owner.SetPeriod(read ? static_cast<int>(std::min<UINT>(typed, kMaxMovePeriodSec)) : 0);
    owner.SetActive(IsChecked(dialog, IDC_MOVECURSOR_ACTIVE));
    owner.SaveLater();
  }
};

}  // namespace

CMoveCursor::CMoveCursor(DgetHost& host, const wchar_t* caption, const wchar_t* name)
    : CSwitchTidget(host, caption, name, IDB_MOVECURSOR_ON, IDB_MOVECURSOR_OFF) {}

LRESULT CMoveCursor::OnCreate(WPARAM wParam, LPARAM lParam) {
  CSwitchTidget::OnCreate(wParam, lParam);
  SetActive(Settings().GetInt(Section(), kActiveKey, 0) != 0);
  return 0;
}

LRESULT CMoveCursor::OnDestroy(WPARAM wParam, LPARAM lParam) {
  SaveSettings();
  KillTimer(hwnd, kIdleTimer);
  return CSwitchTidget::OnDestroy(wParam, lParam);
}

LRESULT CMoveCursor::OnTimer(WPARAM wParam, LPARAM) {
  POINT cursor{};
  if (wParam != kIdleTimer || !GetCursorPos(&cursor)) return 0;
  if (Tick({cursor.x, cursor.y})) mouse_event(MOUSEEVENTF_MOVE, 1, 0, 0, 0);
  return 0;
}

void CMoveCursor::SaveSettings() { Settings().SetInt(Section(), kActiveKey, active ? 1 : 0); }

LRESULT CMoveCursor::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<MoveCursorPopup>::Open(*this); }

void CMoveCursor::Activate() { SetActive(!active); }

void CMoveCursor::SetActive(bool on) {
  active = on;
  if (active)
    SetTimer(hwnd, kIdleTimer, static_cast<UINT>(tickMs), nullptr);
  else
    KillTimer(hwnd, kIdleTimer);
  InvalidateRect(hwnd, nullptr, FALSE);
}
