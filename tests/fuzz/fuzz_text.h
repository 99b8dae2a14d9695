// The fuzz input read as UTF-16LE text, as the program reads it from an .ini value or
// a control: every two bytes one unit, an odd last byte dropped. One copy of the whole
// block rather than a loop per unit, which the coverage instrumentation would trace.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

static_assert(std::endian::native == std::endian::little, "the input's units are read in place");

inline std::u16string FuzzText(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  if (!text.empty()) std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
  return text;
}
