#include "widgets/memo/memo_record.h"

#include <algorithm>

#include "core/text.h"
#include "core/texts.h"

MemoRecord::MemoRecord() : text(std::make_unique<char16_t[]>(1)) { CopyField(faceName, u"맑은 고딕"); }

std::u16string_view MemoRecord::Text() const {
  if (!text || textCapacity <= 0) return {};
  const char16_t* end = std::find(text.get(), text.get() + textCapacity, u'\0');
  return {text.get(), static_cast<std::size_t>(end - text.get())};
}

std::u16string_view MemoRecord::Title() const { return FieldView(title); }

void MemoRecord::Reserve(std::int32_t units) {
  if (units <= textCapacity && text) return;
  auto grown = std::make_unique<char16_t[]>(static_cast<std::size_t>(units));
  text = std::move(grown);
  textCapacity = units;
}

void MemoRecord::SetText(std::u16string_view value) {
  const auto needed = static_cast<std::int32_t>(std::min<std::size_t>(value.size(), INT32_MAX - 1) + 1);
  Reserve(needed);
  std::copy_n(value.data(), needed - 1, text.get());
  text[needed - 1] = u'\0';
}

std::u16string NewMemoTitle(std::u16string_view pattern, int n) { return FillPlaceholders(pattern, {FormatInt(n)}); }

MemoSet::~MemoSet() { Clear(); }

MemoRecord* MemoSet::At(std::int32_t index) const {
  if (index < 0 || index >= memos.Count()) return nullptr;
  return memos[index];
}

std::int32_t MemoSet::IndexOf(const MemoRecord* record) const {
  for (std::int32_t i = 0; i < memos.Count(); ++i)
    if (memos[i] == record) return i;
  return -1;
}

int MemoSet::LowestFreeNumber(std::u16string_view pattern) const {
  // At most Count() numbers are taken, so one of 1..Count()+1 is free.
  for (int n = 1;; ++n) {
    const std::u16string candidate = NewMemoTitle(pattern, n);
    if (std::none_of(memos.begin(), memos.end(), [&](const MemoRecord* m) { return m->Title() == candidate; }))
      return n;
  }
}

std::int32_t MemoSet::AddNew(std::u16string_view titlePattern) {
  auto record = std::make_unique<MemoRecord>();
  CopyField(record->title, NewMemoTitle(titlePattern, LowestFreeNumber(titlePattern)));
  record->backColor = memoBackColors[Count() % 6];
  Append(std::move(record));
  return Count() - 1;
}

void MemoSet::Append(std::unique_ptr<MemoRecord> record) { memos.Append(record.release()); }

std::unique_ptr<MemoRecord> MemoSet::Remove(std::int32_t index) {
  std::unique_ptr<MemoRecord> taken(At(index));
  if (!taken) return nullptr;
  memos.RemoveAt(index);
  if (index < current || current == Count()) --current;
  return taken;
}

void MemoSet::Clear() {
  for (MemoRecord* record : memos) delete record;
  memos.Clear();
  current = -1;
}

void MemoSet::ClampCurrent() { current = std::clamp(current, -1, Count() - 1); }
