#include "tidgets/textclip.h"

#include <algorithm>

bool IsPlainTextFormat(unsigned format) {
  return format == kClipText || format == kClipOemText || format == kClipUnicodeText || format == kClipLocale;
}

bool NeedsPlainText(bool hasUnicodeText, std::span<const unsigned> formats) {
  return hasUnicodeText && std::ranges::any_of(formats, [](unsigned f) { return !IsPlainTextFormat(f); });
}

std::u16string BlockText(const char16_t* data, std::size_t bytes) {
  if (!data) return {};
  const std::size_t units = bytes / sizeof(char16_t);
  return std::u16string(data, std::find(data, data + units, u'\0'));
}
