// What the "환경 설정" dialog shows and checks without a window: the typed fields with
// the ranges the bar keeps to when it reads section "main", colours as text, and a
// whole entry turned into bar settings or refused field by field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/bar_limits.h"
#include "core/bar_settings.h"
#include "core/colors.h"
#include "core/texts.h"

// The fields the user types, in dialog order.
enum class PrefsField {
  BorderThick,
  BorderColor,
  CaptionThick,
  SplitThick,
  SplitColor,
  VertThick,
  HorzThick,
  TidgetSize,
  TidgetGap,
  WidgetMinThick,
  WidgetMaxThick,
};
inline constexpr int kPrefsFieldCount = 11;
using PrefsTexts = std::array<std::u16string, kPrefsFieldCount>;

inline int FieldIndex(PrefsField field) { return static_cast<int>(field); }

// The style to store for the chosen look; a flat style already stored stays as it is.
inline int BorderStyleFor(bool edge, int stored) {
  if (edge) return kEdgeBorderStyle;
  return stored == kEdgeBorderStyle ? kFlatBorderStyle : stored;
}

// The range a number field accepts (the one the bar applies to a damaged file);
// nothing for a colour field.
std::optional<IntRange> FieldRange(PrefsField field);

// "#RRGGBB" of a COLORREF.
std::u16string ColorText(ColorRef color);
// "#RRGGBB" (hex digits in either case, blanks around allowed) or a name of the
// colour table; nothing for anything else.
std::optional<ColorRef> ColorFromText(std::u16string_view text);

// What the fields show for these settings.
PrefsTexts PrefsTextsOf(const BarSettings& bar);

struct PrefsProblem {
  PrefsField field;
  std::u16string message;  // shown next to the field
};

struct PrefsEntry {
  BarSettings settings;
  // Empty when every field is accepted; then `settings` is what to apply.
  std::vector<PrefsProblem> problems;
};

// `base` (which carries the choices that are not typed) with every typed field read
// into it. A number must be all digits and within its field's range, and the
// smallest widget thickness no more than the largest. The messages are from `words`.
PrefsEntry ReadPrefsTexts(const BarSettings& base, const PrefsTexts& texts, const TextTable& words);
