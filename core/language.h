// The user interface's language: what the user chose ("language" in section "main")
// and the language that choice means on this system.
#pragma once

#include <string_view>

enum class Language { Korean, English };
// In the order the settings dialog lists them.
enum class LanguageChoice { Korean, English, System };

// The stored value: "ko", "en" or "system". Anything else, a missing key too, is Korean.
LanguageChoice ParseLanguageChoice(std::u16string_view stored);
std::u16string_view LanguageChoiceKey(LanguageChoice choice);

// "system" follows the display language of Windows: Korean when that is Korean,
// English for every other.
Language ResolveLanguage(LanguageChoice choice, bool windowsIsKorean);
