// The program's texts straight from res/texts.inc, for the portable tests, which have
// no resources to load them from.
#pragma once

#include "core/texts.h"

namespace test_support {

inline TextTable BuiltInTexts(Language language) {
  TextTable texts(language);
  const bool korean = language == Language::Korean;
#define PELGRA_TEXT(name, korean_text, english_text) texts.Set(TextId::name, korean ? u##korean_text : u##english_text);
#include "res/texts.inc"
#undef PELGRA_TEXT
  return texts;
}

inline const TextTable& KoreanTexts() {
  static const TextTable texts = BuiltInTexts(Language::Korean);
  return texts;
}

inline const TextTable& EnglishTexts() {
  static const TextTable texts = BuiltInTexts(Language::English);
  return texts;
}

}  // namespace test_support
