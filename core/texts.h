// The texts the program shows, by id, in one language at a time. The texts themselves
// are in res/texts.inc, compiled into a string table per language; the bar loads the
// table of its language (texts_win) and everything it holds reads its texts from there.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "core/language.h"
#include "res/texts_ids.h"

enum class TextId : int {
#define PELGRA_TEXT(name, korean, english) name = PELGRA_TEXT_ID_BASE + __LINE__,
#include "res/texts.inc"
#undef PELGRA_TEXT
};

// Every id, in line order (so in ascending order).
inline constexpr TextId kAllTextIds[] = {
#define PELGRA_TEXT(name, korean, english) TextId::name,
#include "res/texts.inc"
#undef PELGRA_TEXT
};
inline constexpr int kTextCount = static_cast<int>(std::size(kAllTextIds));

constexpr int TextIndex(TextId id) {
  return static_cast<int>(std::lower_bound(std::begin(kAllTextIds), std::end(kAllTextIds), id) - kAllTextIds);
}

// "%1".."%9" replaced by values[0..8] (by nothing past the last value); any other '%'
// stays as it is.
std::u16string FillPlaceholders(std::u16string_view pattern, std::initializer_list<std::u16string_view> values);
// The placeholders a text uses, as their digits in ascending order, each once: "13" for
// "%3 of %1 (%1)".
std::u16string PlaceholdersOf(std::u16string_view text);

class TextTable {
 public:
  explicit TextTable(Language language = Language::Korean) : language_(language) {}

  Language language() const { return language_; }
  const std::u16string& operator[](TextId id) const { return texts_[TextIndex(id)]; }
  void Set(TextId id, std::u16string text) { texts_[TextIndex(id)] = std::move(text); }

  std::u16string Format(TextId id, std::initializer_list<std::u16string_view> values) const {
    return FillPlaceholders((*this)[id], values);
  }
  // Word `index` of a text of words parted by spaces; empty when there is none.
  std::u16string_view Word(TextId id, int index) const;

 private:
  Language language_;
  std::array<std::u16string, kTextCount> texts_;
};
