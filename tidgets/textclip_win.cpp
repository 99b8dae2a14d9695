#include "tidgets/textclip_win.h"

#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "core/settings_win.h"
#include "core/shell_win.h"
#include "res/resource.h"
#include "tidgets/textclip.h"

namespace {

constexpr int kHotKeyId = 0;
constexpr wchar_t kActiveKey[] = L"ClipToText";

// OpenClipboard / CloseClipboard. Another program (a clipboard manager, a remote
// desktop) may hold the clipboard, so opening can fail.
class ClipboardOpening {
 public:
  explicit ClipboardOpening(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~ClipboardOpening() {
    if (open_) CloseClipboard();
  }
  ClipboardOpening(const ClipboardOpening&) = delete;
  ClipboardOpening& operator=(const ClipboardOpening&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

// A global memory block, freed unless handed over with release().
class GlobalBlock {
 public:
  explicit GlobalBlock(HGLOBAL block) : block_(block) {}
  ~GlobalBlock() {
    if (block_) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  GlobalBlock(GlobalBlock&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
  HGLOBAL get() const { return block_; }
  HGLOBAL release() { return std::exchange(block_, nullptr); }
  explicit operator bool() const { return block_ != nullptr; }

 private:
  HGLOBAL block_;
};

// GlobalLock / GlobalUnlock.
class BlockLock {
 public:
  explicit BlockLock(HGLOBAL block) : block_(block), data_(block ? GlobalLock(block) : nullptr) {}
  ~BlockLock() {
    if (data_) GlobalUnlock(block_);
  }
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

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

GlobalBlock TextBlock(const std::u16string& text) {
  GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(char16_t)));
  BlockLock lock(block.get());
  if (!lock.data()) return GlobalBlock(nullptr);
  std::memcpy(lock.data(), text.data(), text.size() * sizeof(char16_t));
  return block;
}

}  // namespace

bool ConvertClipboardToText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
  if (!NeedsPlainText(true, OfferedFormats(owner))) return false;
  const std::optional<std::u16string> text = UnicodeText(owner);
  if (!text) return false;
  // Everything is ready before the clipboard is emptied, so nothing that can fail
  // for want of memory or access comes between emptying and setting.
  GlobalBlock block = TextBlock(*text);
  if (!block) return false;
  ClipboardOpening open(owner);
  if (!open || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
  block.release();  // the clipboard owns it now
  return true;
}

CTextClip::CTextClip(const wchar_t* caption, const wchar_t* name)
    : CSwitchTidget(caption, name, IDB_TEXTCLIP_ON, IDB_TEXTCLIP_OFF) {}

LRESULT CTextClip::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_HOTKEY) return CSwitchTidget::WindowProc(msg, wParam, lParam);
  ConvertClipboardToText(barHandle ? barHandle : hwnd);
  return 0;
}

LRESULT CTextClip::OnCreate(WPARAM wParam, LPARAM lParam) {
  CSwitchTidget::OnCreate(wParam, lParam);
  wanted = settings.GetInt(Section(), kActiveKey, 0) != 0;
  if (wanted) HoldHotKey();
  return 0;
}

LRESULT CTextClip::OnDestroy(WPARAM wParam, LPARAM lParam) {
  settings.SetInt(Section(), kActiveKey, wanted ? 1 : 0);
  ReleaseHotKey();
  return CSwitchTidget::OnDestroy(wParam, lParam);
}

// A click turns on what shows off, so a key that another program held at start can
// be taken once it is free.
void CTextClip::Activate() {
  wanted = !active;
  if (wanted)
    HoldHotKey();
  else
    ReleaseHotKey();
  InvalidateRect(hwnd, nullptr, FALSE);
}

void CTextClip::HoldHotKey() {
  active = RegisterHotKey(hwnd, kHotKeyId, MOD_CONTROL | MOD_SHIFT, 'C') != FALSE;
  if (!active) MessageBeep(MB_ICONWARNING);
}

void CTextClip::ReleaseHotKey() {
  UnregisterHotKey(hwnd, kHotKeyId);
  active = false;
}
