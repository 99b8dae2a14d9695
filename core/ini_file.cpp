#include "core/ini_file.h"

#include <cstddef>

namespace {

// Whether some line, blanks aside, opens with '[' and closes it on the same line.
template <class NextUnit>
bool HasSectionLine(std::size_t units, NextUnit next) {
  bool lineStart = true;
  bool inHeader = false;
  for (std::size_t i = 0; i < units; ++i) {
    const unsigned unit = next(i);
    if (unit == 0) continue;
    if (unit == '\r' || unit == '\n') {
      lineStart = true;
      inHeader = false;
    } else if (lineStart) {
      if (unit == ' ' || unit == '\t') continue;
      lineStart = false;
      inHeader = unit == '[';
    } else if (inHeader && unit == ']') {
      return true;
    }
  }
  return false;
}

unsigned Byte(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

}  // namespace

bool IniLooksTorn(std::string_view bytes) {
  const bool little = bytes.size() >= 2 && Byte(bytes, 0) == 0xFF && Byte(bytes, 1) == 0xFE;
  const bool big = bytes.size() >= 2 && Byte(bytes, 0) == 0xFE && Byte(bytes, 1) == 0xFF;
  if (little || big) {
    const std::string_view text = bytes.substr(2);
    const std::size_t low = little ? 0 : 1;
    return !HasSectionLine(text.size() / 2, [&](std::size_t i) {
      return Byte(text, 2 * i + low) | Byte(text, 2 * i + 1 - low) << 8;
    });
  }
  return !HasSectionLine(bytes.size(), [&](std::size_t i) { return Byte(bytes, i); });
}
