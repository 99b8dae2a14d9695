#include "core/texts.h"

namespace {

constexpr bool IdsAscend() {
  for (int i = 1; i < kTextCount; ++i)
    if (kAllTextIds[i - 1] >= kAllTextIds[i]) return false;
  return true;
}
static_assert(IdsAscend(), "one text per line of res/texts.inc");

int PlaceholderAt(std::u16string_view text, std::size_t i) {
  if (text[i] != u'%' || i + 1 >= text.size()) return 0;
  const char16_t digit = text[i + 1];
  return digit >= u'1' && digit <= u'9' ? digit - u'0' : 0;
}

}  // namespace

std::u16string FillPlaceholders(std::u16string_view pattern, std::initializer_list<std::u16string_view> values) {
  std::u16string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const int number = PlaceholderAt(pattern, i);
    if (number == 0) {
      text += pattern[i];
      continue;
    }
    if (static_cast<std::size_t>(number) <= values.size()) text += values.begin()[number - 1];
    ++i;
  }
  return text;
}

std::u16string PlaceholdersOf(std::u16string_view text) {
  bool used[10] = {};
  for (std::size_t i = 0; i < text.size(); ++i) used[PlaceholderAt(text, i)] = true;
  std::u16string digits;
  for (int n = 1; n <= 9; ++n)
    if (used[n]) digits += static_cast<char16_t>(u'0' + n);
  return digits;
}

std::u16string_view TextTable::Word(TextId id, int index) const {
  std::u16string_view rest = (*this)[id];
  for (int i = 0;; ++i) {
    const std::size_t start = rest.find_first_not_of(u' ');
    if (start == std::u16string_view::npos) return {};
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find(u' '), rest.size());
    if (i == index) return rest.substr(0, end);
    rest.remove_prefix(end);
  }
}
