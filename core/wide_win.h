// The one place where portable char16_t text meets the Win32 wchar_t (both UTF-16 here).
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline const wchar_t* AsWide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* AsU16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }
inline char16_t* AsU16(wchar_t* text) { return reinterpret_cast<char16_t*>(text); }
inline std::u16string_view AsU16View(const wchar_t* text) {
  return text ? std::u16string_view(AsU16(text)) : std::u16string_view();
}
inline std::wstring ToWide(std::u16string_view text) { return std::wstring(AsWide(text.data()), text.size()); }
