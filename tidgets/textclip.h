// What the clipboard-to-text key decides, without a window: whether the clipboard
// holds anything beyond plain text worth rewriting, and the text of a clipboard
// block read no further than the block reaches.
#pragma once

#include <cstddef>
#include <span>
#include <string>

// The standard clipboard format numbers the decision needs.
inline constexpr unsigned kClipText = 1;          // CF_TEXT
inline constexpr unsigned kClipOemText = 7;       // CF_OEMTEXT
inline constexpr unsigned kClipUnicodeText = 13;  // CF_UNICODETEXT
inline constexpr unsigned kClipLocale = 16;       // CF_LOCALE

// The formats the system keeps (or derives) beside Unicode text.
bool IsPlainTextFormat(unsigned format);

// True when the clipboard offers Unicode text together with some other format:
// only then is it replaced by the text alone. Text-only contents are left as they
// are, and contents without Unicode text are not touched.
bool NeedsPlainText(bool hasUnicodeText, std::span<const unsigned> formats);

// The text of a block of `bytes` bytes: up to its first zero, or the whole block
// when it has none (an odd last byte is not a character).
std::u16string BlockText(const char16_t* data, std::size_t bytes);
