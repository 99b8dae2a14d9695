// What the widget and tidget selection dialogs show and compute without a window:
// the list entry texts, the colour swatches, the number fields and the index
// bookkeeping of removing and moving entries.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/colors.h"
#include "core/records.h"
#include "core/texts.h"

// An available entry: the kind's name, marked when it may be placed only once.
std::u16string AvailableEntryText(const CatalogueEntry& row, const TextTable& texts);
// An in-use entry: "caption-name".
std::u16string InUseEntryText(std::u16string_view caption, std::u16string_view name);

// A record's entry names its kind in the current language; the record keeps its caption.
template <class Record>
std::u16string InUseEntryText(const Record& record, const TextTable& texts) {
  return InUseEntryText(ShownCaption(FieldView(record.kind), FieldView(record.caption), texts),
                        FieldView(record.name));
}

// True when adding another instance of the row's kind must be refused: the kind may
// be placed only once and the list already holds one.
template <class Record>
bool RefusesAnotherInstance(const CatalogueEntry& row, const RecordList<Record>& list) {
  if (row.multi) return false;
  for (const Record& record : list)
    if (FieldView(record.kind) == FieldView(row.kind)) return true;
  return false;
}

// The background colours offered for a widget, in drop-down order.
inline constexpr int kSwatchCount = 24;
using SwatchList = std::array<ColorRef, kSwatchCount>;

// The list, from the colour names.
SwatchList ResolvedSwatches();
// Index of the first swatch equal to `color`, or 0 when none is.
int SwatchIndexOf(const SwatchList& swatches, ColorRef color);
// The swatch of a drop-down item, or nothing for an item outside the list (the
// drop-down reports -1 when it has no current item).
std::optional<ColorRef> SwatchAt(const SwatchList& swatches, long long item);

// A digits-only field: leading blanks, then decimal digits up to the first other
// character. A sign or no digits reads 0; more than fits saturates at INT_MAX.
int ParseUnsignedField(std::u16string_view text);
// A thickness typed by the user, kept within the bar's limits (the maximum wins
// when they cross).
int ThicknessFromField(std::u16string_view text, int minThick, int maxThick);
// The merge ratio from its magnitude field: a relative weight, or a fixed size
// stored negated.
int RatioFromField(std::u16string_view magnitude, bool relative);
// What the magnitude field shows for a stored ratio.
std::u16string RatioMagnitudeText(int ratio);
// A ratio of 0 or less is a fixed size in pixels.
inline bool IsFixedRatio(int ratio) { return ratio <= 0; }

// The index to swap the selected entry with when moving it up or down, or nothing
// when it cannot move (no selection, first up, last down).
std::optional<int> MoveTarget(int selected, int count, bool up);
// The entry to select after removing entry `removed`, leaving `countAfter` entries:
// the one now at that position, or -1 when none is.
int SelectionAfterRemoval(int removed, int countAfter);
