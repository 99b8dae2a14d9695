#include "core/texts_win.h"

#include <cstring>
#include <string>

#include "core/instance_win.h"

namespace {

WORD LangIdOf(Language language) {
  return language == Language::English ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                       : MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);
}

using Bytes = std::span<const std::uint8_t>;

Bytes ResourceOf(Language language, const wchar_t* type, int id) {
  return ResourceBytes(type, id, LangIdOf(language));
}

// The language's own resource, else the Korean one.
Bytes TemplateOf(Language language, const wchar_t* type, int id) {
  const Bytes own = ResourceOf(language, type, id);
  return !own.empty() || language == Language::Korean ? own : ResourceOf(Language::Korean, type, id);
}

// A string table block holds strings 16 * (block - 1) .. 16 * block - 1, each a
// count of UTF-16 units and the units, without a terminator.
std::u16string StringOf(Language language, int id) {
  const Bytes block = ResourceOf(language, RT_STRING, id / 16 + 1);
  const BYTE* at = block.data();
  const BYTE* end = block.data() + block.size();
  for (int i = 0; at && at + sizeof(WORD) <= end; ++i) {
    WORD length = 0;
    memcpy(&length, at, sizeof length);
    at += sizeof length;
    if (at + length * sizeof(char16_t) > end) return {};
    if (i == id % 16) {
      std::u16string text(length, u'\0');
      memcpy(text.data(), at, length * sizeof(char16_t));
      return text;
    }
    at += length * sizeof(char16_t);
  }
  return {};
}

}  // namespace

TextTable LoadTexts(Language language) {
  TextTable texts(language);
  for (TextId id : kAllTextIds) {
    std::u16string text = StringOf(language, static_cast<int>(id));
    if (text.empty() && language != Language::Korean) text = StringOf(Language::Korean, static_cast<int>(id));
    texts.Set(id, std::move(text));
  }
  return texts;
}

std::wstring FileFilter(const TextTable& texts, TextId kind, const wchar_t* patterns) {
  std::wstring filter = ToWide(texts[kind]);
  filter += L'\0';
  filter += patterns;
  filter += L'\0';
  return filter;  // the terminator of the string ends the list
}

bool WindowsIsKorean() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_KOREAN; }

INT_PTR RunDialogIn(Language language, int id, HWND owner, DLGPROC procedure, LPARAM param) {
  const Bytes dialog = TemplateOf(language, RT_DIALOG, id);
  if (dialog.empty()) return -1;
  return DialogBoxIndirectParamW(appInstance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()), owner, procedure,
                                 param);
}

HWND CreateDialogIn(Language language, int id, HWND owner, DLGPROC procedure, LPARAM param) {
  const Bytes dialog = TemplateOf(language, RT_DIALOG, id);
  if (dialog.empty()) return nullptr;
  return CreateDialogIndirectParamW(appInstance, reinterpret_cast<LPCDLGTEMPLATEW>(dialog.data()), owner, procedure,
                                    param);
}

HMENU LoadMenuIn(Language language, int id) {
  const Bytes menu = TemplateOf(language, RT_MENU, id);
  return menu.empty() ? nullptr : LoadMenuIndirectW(menu.data());
}
