#include "core/language.h"

LanguageChoice ParseLanguageChoice(std::u16string_view stored) {
  if (stored == u"en") return LanguageChoice::English;
  if (stored == u"system") return LanguageChoice::System;
  return LanguageChoice::Korean;
}

std::u16string_view LanguageChoiceKey(LanguageChoice choice) {
  switch (choice) {
    case LanguageChoice::English: return u"en";
    case LanguageChoice::System: return u"system";
    case LanguageChoice::Korean: break;
  }
  return u"ko";
}

Language ResolveLanguage(LanguageChoice choice, bool windowsIsKorean) {
  switch (choice) {
    case LanguageChoice::English: return Language::English;
    case LanguageChoice::System: return windowsIsKorean ? Language::Korean : Language::English;
    case LanguageChoice::Korean: break;
  }
  return Language::Korean;
}
