// Text helpers for the portable code: UTF-16 in char16_t, fixed 32-unit name fields,
// decimal prefixes as the stored lines use them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Names and captions live in fields of 32 UTF-16 units: 31 characters and a terminator.
inline constexpr std::size_t kNameField = 32;
using NameField = char16_t[kNameField];

// Copies src into a fixed field, cut to what fits without splitting a surrogate pair.
template <std::size_t N>
void CopyField(char16_t (&dst)[N], std::u16string_view src);
void CopyText(char16_t* dst, std::size_t capacity, std::u16string_view src);

// Signed base-10 prefix: leading blanks, one sign, digits up to the first non-digit.
// No digits gives 0; values past the int range saturate instead of wrapping.
int ParseIntPrefix(std::u16string_view text);

// "%d" of a signed integer.
std::u16string FormatInt(long long value);

// ASCII-only case-insensitive equality (enough for colour names and keys).
bool EqualsIgnoreCaseAscii(std::u16string_view a, std::u16string_view b);

// Length of a terminated fixed field (never reads past its size).
template <std::size_t N>
std::u16string_view FieldView(const char16_t (&field)[N]) {
  std::size_t n = 0;
  while (n < N && field[n] != u'\0') ++n;
  return {field, n};
}

template <std::size_t N>
void CopyField(char16_t (&dst)[N], std::u16string_view src) {
  CopyText(dst, N, src);
}
