#include "core/records.h"

#include <array>
#include <initializer_list>

namespace {

struct CatalogueRow {
  Kind id;
  bool multi;
  const char16_t* caption;
  const char16_t* kind;
  std::int32_t vertHeight;
  std::int32_t horzWidth;
  const char16_t* colorName;
  TextId name;
};

// The captions are the stored form of the lines (written in every language), the
// names what the lists show.
constexpr CatalogueRow kRows[kCatalogueSize] = {
    {Kind::Clock, true, u"시계", u"Clock", 80, 120, u"PapayaWhip", TextId::KindClock},
    {Kind::CpuUsage, true, u"CPU 사용량", u"CpuUsage", 100, 140, u"PaleTurquoise", TextId::KindCpuUsage},
    {Kind::MemUsage, true, u"메모리 사용량", u"MemUsage", 50, 120, u"LightBlue", TextId::KindMemUsage},
    {Kind::Battery, true, u"배터리", u"Battery", 50, 120, u"LightSkyBlue", TextId::KindBattery},
    {Kind::DiskUsage, true, u"디스크 사용량", u"DiskUsage", 50, 120, u"Wheat", TextId::KindDiskUsage},
    {Kind::MusicPlayer, false, u"음악 재생기", u"MusicPlayer", 150, 120, u"Gainsboro", TextId::KindMusicPlayer},
    {Kind::Memo, true, u"메모", u"Memo", 150, 150, u"Ivory", TextId::KindMemo},
    {Kind::Calc, true, u"계산기", u"Calc", 50, 120, u"Pink", TextId::KindCalc},
    {Kind::Radix, true, u"진법변환기", u"Radix", 50, 120, u"Violet", TextId::KindRadix},
    {Kind::ImageSlide, true, u"이미지슬라이더", u"ImageSlide", 100, 150, u"DarkGray", TextId::KindImageSlide},
    {Kind::LCDTest, false, u"LCD 테스트", u"LCDTest", 0, 0, nullptr, TextId::KindLCDTest},
    {Kind::SizeMeter, false, u"크기 측정", u"SizeMeter", 0, 0, nullptr, TextId::KindSizeMeter},
    {Kind::MoveCursor, false, u"커서 이동", u"MoveCursor", 0, 0, nullptr, TextId::KindMoveCursor},
    {Kind::TextClip, false, u"클립보드 변환", u"TextClip", 0, 0, nullptr, TextId::KindTextClip},
    {Kind::OneImage, true, u"참조 이미지", u"OneImage", 0, 0, nullptr, TextId::KindOneImage},
    {Kind::Tetris, false, u"테트리스", u"Tetris", 0, 0, nullptr, TextId::KindTetris},
    {Kind::ColorTable, false, u"색상표", u"ColorTable", 0, 0, nullptr, TextId::KindColorTable},
};

constexpr bool RowsFollowTheKinds() {
  for (int i = 0; i < kCatalogueSize; ++i)
    if (KindIndex(kRows[i].id) != i) return false;
  return true;
}
static_assert(RowsFollowTheKinds(), "one catalogue row per kind, in the order of Kind");

std::array<CatalogueEntry, kCatalogueSize> BuildCatalogue() {
  std::array<CatalogueEntry, kCatalogueSize> entries{};
  for (int i = 0; i < kCatalogueSize; ++i) {
    const CatalogueRow& row = kRows[i];
    CatalogueEntry& entry = entries[i];
    entry.isWidget = IsWidget(row.id);
    entry.multi = row.multi;
    CopyField(entry.caption, row.caption);
    CopyField(entry.kind, row.kind);
    entry.vertHeight = row.vertHeight;
    entry.horzWidth = row.horzWidth;
    entry.bgColor = row.colorName ? ColorFromName(row.colorName) : 0;
    entry.name = row.name;
  }
  return entries;
}

// Kind_1, Kind_2, … : the lowest number no record of the list uses yet.
template <class Record>
std::u16string FreeInstanceName(std::u16string_view kind, const RecordList<Record>& list) {
  for (long long n = 1;; ++n) {
    std::u16string candidate = std::u16string(kind) + u"_" + FormatInt(n);
    // Compare as stored: a record's name field holds at most 31 characters.
    NameField field;
    CopyField(field, candidate);
    bool taken = false;
    for (const Record& record : list)
      if (FieldView(record.name) == FieldView(field)) taken = true;
    if (!taken) return candidate;
  }
}

template <class Record>
void FillIdentity(Record& record, std::u16string_view kind, const RecordList<Record>& list) {
  const CatalogueEntry* entry = FindCatalogueEntry(kind);
  CopyField(record.caption, entry ? FieldView(entry->caption) : std::u16string_view());
  CopyField(record.kind, kind);
  if (entry && entry->multi)
    CopyField(record.name, FreeInstanceName(kind, list));
  else
    CopyField(record.name, kind);
  record.visible = true;
}

// Splits a stored line as the lines have always been read: field 0 is the text before
// the first separator; a later field that has no separator of its own repeats the
// text of the last field that was present.
class LineFields {
 public:
  static constexpr std::size_t kScratchCapacity = 260;

  explicit LineFields(std::u16string_view line) : line_(line) {}

  std::u16string_view First() const { return line_.substr(0, line_.find(kFieldSeparator)); }

  // Fields must be read in order 1, 2, 3, …
  std::u16string_view Next() {
    if (cursor_ != std::u16string_view::npos) cursor_ = line_.find(kFieldSeparator, cursor_);
    if (cursor_ != std::u16string_view::npos) {
      ++cursor_;
      std::u16string_view field = line_.substr(cursor_, line_.find(kFieldSeparator, cursor_) - cursor_);
      scratch_.assign(field.substr(0, kScratchCapacity - 1));
    }
    return scratch_;
  }

 private:
  std::u16string_view line_;
  std::size_t cursor_ = 0;
  std::u16string scratch_;
};

bool FlagField(std::u16string_view field) { return !field.empty() && field[0] == u'1'; }

std::u16string Join(std::initializer_list<std::u16string_view> fields) {
  std::u16string line;
  for (const std::u16string_view* field = fields.begin(); field != fields.end(); ++field) {
    if (field != fields.begin()) line += kFieldSeparator;
    line += *field;
  }
  return line;
}

}  // namespace

const std::array<CatalogueEntry, kCatalogueSize>& Catalogue() {
  static const std::array<CatalogueEntry, kCatalogueSize> catalogue = BuildCatalogue();
  return catalogue;
}

const CatalogueEntry* FindCatalogueEntry(std::u16string_view kind) {
  for (const CatalogueEntry& entry : Catalogue())
    if (FieldView(entry.kind) == kind) return &entry;
  return nullptr;
}

std::optional<Kind> KindNamed(std::u16string_view kind) {
  const CatalogueEntry* entry = FindCatalogueEntry(kind);
  if (!entry) return std::nullopt;
  return static_cast<Kind>(entry - Catalogue().data());
}

std::u16string_view ShownCaption(std::u16string_view kind, std::u16string_view storedCaption, const TextTable& texts) {
  const CatalogueEntry* entry = FindCatalogueEntry(kind);
  if (!entry || texts.language() == Language::Korean) return storedCaption;
  return texts[entry->name];
}

WidgetInfo MakeWidgetInfo(std::u16string_view kind, const RecordList<WidgetInfo>& list) {
  WidgetInfo record;
  FillIdentity(record, kind, list);
  if (const CatalogueEntry* entry = FindCatalogueEntry(kind)) {
    record.vertHeight = entry->vertHeight;
    record.horzWidth = entry->horzWidth;
    record.bgColor = entry->bgColor;
  }
  record.merged = false;
  record.ratio = 100;
  return record;
}

TidgetInfo MakeTidgetInfo(std::u16string_view kind, const RecordList<TidgetInfo>& list) {
  TidgetInfo record;
  FillIdentity(record, kind, list);
  return record;
}

WidgetInfo ParseWidgetLine(std::u16string_view line) {
  WidgetInfo record;
  LineFields fields(line);
  CopyField(record.caption, fields.First());
  CopyField(record.kind, fields.Next());
  CopyField(record.name, fields.Next());
  record.visible = FlagField(fields.Next());
  record.vertHeight = ParseIntPrefix(fields.Next());
  record.horzWidth = ParseIntPrefix(fields.Next());
  record.bgColor = static_cast<ColorRef>(ParseIntPrefix(fields.Next()));
  record.merged = FlagField(fields.Next());
  record.ratio = ParseIntPrefix(fields.Next());
  record.storedLine.emplace(line);
  return record;
}

TidgetInfo ParseTidgetLine(std::u16string_view line) {
  TidgetInfo record;
  LineFields fields(line);
  CopyField(record.caption, fields.First());
  CopyField(record.kind, fields.Next());
  CopyField(record.name, fields.Next());
  record.visible = FlagField(fields.Next());
  record.storedLine.emplace(line);
  return record;
}

std::u16string FormatWidgetLine(const WidgetInfo& r) {
  return Join({FieldView(r.caption), FieldView(r.kind), FieldView(r.name), FormatInt(r.visible ? 1 : 0),
              FormatInt(r.vertHeight), FormatInt(r.horzWidth),
              FormatInt(static_cast<std::int32_t>(r.bgColor)), FormatInt(r.merged ? 1 : 0), FormatInt(r.ratio)});
}

std::u16string FormatTidgetLine(const TidgetInfo& r) {
  return Join({FieldView(r.caption), FieldView(r.kind), FieldView(r.name), FormatInt(r.visible ? 1 : 0)});
}

std::u16string LineToSave(const WidgetInfo& record) {
  return record.widget || !record.storedLine ? FormatWidgetLine(record) : *record.storedLine;
}

std::u16string LineToSave(const TidgetInfo& record) {
  return record.tidget || !record.storedLine ? FormatTidgetLine(record) : *record.storedLine;
}
