#include "core/ini_values.h"

#include <cstdint>

namespace {

// The blanks the profile API trims: ASCII white space and ^Z (an old end-of-file mark);
// a wide space, as after a Hangul word, is part of the value.
bool IsBlank(char16_t c) { return (c >= u'\t' && c <= u'\r') || c == u' ' || c == 0x1A; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IniValues::Parse(std::string_view bytes) {
  sections_.clear();
  if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE)
    return false;
  std::u16string text((bytes.size() - 2) / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                    static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
  // Lines before the first header belong to a section no name can ask for.
  sections_.push_back({});
  const std::u16string_view all = text;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = start;
    while (end < all.size() && all[end] != u'\n' && all[end] != u'\r') ++end;
    TakeLine(all.substr(start, end - start));
    start = end + 1;
  }
  return true;
}

void IniValues::TakeLine(std::u16string_view line) {
  line = Trimmed(line);
  if (line.empty()) return;
  if (line.front() == u'[') {
    const std::size_t close = line.rfind(u']');
    if (close != std::u16string_view::npos && close > 0) {
      sections_.push_back({std::u16string(Trimmed(line.substr(1, close - 1))), {}});
      return;
    }
  }
  Key key;
  const std::size_t equals = line.find(u'=');
  key.name = std::u16string(Trimmed(line.substr(0, equals)));
  if (equals != std::u16string_view::npos) {
    key.value = std::u16string(Trimmed(line.substr(equals + 1)));
    key.hasValue = true;
  }
  sections_.back().keys.push_back(std::move(key));
}

const std::u16string* IniValues::Find(std::u16string_view section, std::u16string_view key) const {
  section = Trimmed(section);
  key = Trimmed(key);
  for (const Section& candidate : sections_) {
    if (!SameName(candidate.name, section)) continue;
    for (const Key& entry : candidate.keys)
      if (SameName(entry.name, key)) return entry.hasValue ? &entry.value : nullptr;
    return nullptr;
  }
  return nullptr;
}

std::u16string ProfileCopy(std::u16string_view stored, std::size_t capacity) {
  if (capacity == 0) return {};
  bool quoted = false;
  if (stored.size() >= 2 && (stored.front() == u'"' || stored.front() == u'\'') && stored.back() == stored.front()) {
    quoted = true;
    stored.remove_prefix(1);
  }
  std::u16string copy(stored.substr(0, capacity - 1));
  // The closing quote goes only when the whole value fitted; the profile API then drops
  // the last unit it copied, whatever it was.
  if (quoted && capacity >= stored.size() && !copy.empty()) copy.pop_back();
  return copy;
}

int ProfileInt(const std::u16string* stored, int def) {
  if (!stored) return def;
  const std::u16string text = ProfileCopy(*stored, 30);
  if (text.empty()) return def;
  std::size_t i = 0;
  while (i < text.size() && text[i] <= u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::uint32_t total = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) total = total * 10u + (text[i] - u'0');
  return static_cast<int>(negative ? 0u - total : total);
}
