#include "tidgets/textclip_win.h"

#include <optional>
#include <vector>

#include "core/clipboard_win.h"
#include "core/settings_win.h"
#include "core/wide_win.h"
#include "core/fonts_win.h"
#include "res/resource.h"
#include "tidgets/textclip.h"

namespace {

constexpr int kHotKeyId = 0;
constexpr wchar_t kActiveKey[] = L"ClipToText";

std::vector<unsigned> OfferedFormats(HWND owner) {
  std::vector<unsigned> formats;
  ClipboardOpening open(owner);
  if (!open) return formats;
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
    formats.push_back(format);
  return formats;
}

// The Unicode text, read no further than its block reaches.
std::optional<std::u16string> UnicodeText(HWND owner) {
  ClipboardOpening open(owner);
  if (!open) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  BlockLock lock(data);
  if (!lock.data()) return std::nullopt;
  return BlockText(static_cast<const char16_t*>(lock.data()), GlobalSize(data));
}

}  // namespace

bool ConvertClipboardToText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
  if (!NeedsPlainText(true, OfferedFormats(owner))) return false;
  const std::optional<std::u16string> text = UnicodeText(owner);
  if (!text) return false;
  // The new block is made before the clipboard is emptied.
  return CopyUnicodeText(owner, AsWide(text->c_str()), static_cast<int>(text->size()));
}

CTextClip::CTextClip(DgetHost& host, const wchar_t* caption, const wchar_t* name)
    : CSwitchTidget(host, caption, name, IDB_TEXTCLIP_ON, IDB_TEXTCLIP_OFF) {}

LRESULT CTextClip::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_HOTKEY) return CSwitchTidget::WindowProc(msg, wParam, lParam);
  ConvertClipboardToText(host.BarWindow() ? host.BarWindow() : hwnd);
  return 0;
}

LRESULT CTextClip::OnCreate(WPARAM wParam, LPARAM lParam) {
  CSwitchTidget::OnCreate(wParam, lParam);
  wanted = Settings().GetInt(Section(), kActiveKey, 0) != 0;
  if (wanted) HoldHotKey();
  return 0;
}

LRESULT CTextClip::OnDestroy(WPARAM wParam, LPARAM lParam) {
  SaveSettings();
  ReleaseHotKey();
  return CSwitchTidget::OnDestroy(wParam, lParam);
}

void CTextClip::SaveSettings() { Settings().SetInt(Section(), kActiveKey, wanted ? 1 : 0); }

// A click turns the user's wish over, whatever the key's state: while another program
// holds Ctrl+Shift+C the switch can still be turned off. Only a click that asks for
// "on" and cannot get the key beeps; a start that cannot get it stays quiet.
void CTextClip::Activate() {
  wanted = !wanted;
  if (wanted) {
    if (!HoldHotKey()) MessageBeep(MB_ICONWARNING);
  } else {
    ReleaseHotKey();
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

bool CTextClip::HoldHotKey() {
  active = RegisterHotKey(hwnd, kHotKeyId, MOD_CONTROL | MOD_SHIFT, 'C') != FALSE;
  return active;
}

void CTextClip::ReleaseHotKey() {
  UnregisterHotKey(hwnd, kHotKeyId);
  active = false;
}
