// The clipboard through owners: an opening that is always closed, a global block
// that is freed unless the clipboard took it, and copying Unicode text.
#pragma once

#include <windows.h>

class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T bytes) : block_(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes)) {}
  ~GlobalBlock() {
    if (block_) GlobalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL get() const { return block_; }
  // The clipboard owns the block from a successful SetClipboardData on.
  void release() { block_ = nullptr; }

 private:
  HGLOBAL block_;
};

// GlobalLock for a scope; data() is null when the block cannot be locked.
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

// Puts `length` units of `text` on the clipboard as its only content (Unicode text).
// The block is prepared before the clipboard is emptied; answers whether it worked.
bool CopyUnicodeText(HWND owner, const wchar_t* text, int length);
