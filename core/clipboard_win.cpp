#include "core/clipboard_win.h"

#include <cstring>

bool CopyUnicodeText(HWND owner, const wchar_t* text, int length) {
  if (length < 0) return false;
  GlobalBlock block((static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t));
  if (!block.get()) return false;
  {
    BlockLock lock(block.get());
    if (!lock.data()) return false;
    std::memcpy(lock.data(), text, static_cast<std::size_t>(length) * sizeof(wchar_t));
  }
  ClipboardOpening clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
  block.release();
  return true;
}
