#include "widgets/memo/memo_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr char16_t kSignature[] = u"PelgraMemo";
constexpr std::size_t kSignatureBytes = 20;

// Offsets inside a memo block.
enum : std::size_t {
  kTitleAt = 0,
  kLeftAt = 128,
  kTopAt = 132,
  kWidthAt = 136,
  kHeightAt = 140,
  kTextColorAt = 144,
  kBackColorAt = 148,
  kPlainTextAt = 152,
  kFaceNameAt = 154,
  kFontSizeAt = 220,
  kWordWrapAt = 224,
  kCapacityAt = 232,
  kModifiedAt = 236,
};

void PutU32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::int32_t GetI32(const std::uint8_t* at) { return static_cast<std::int32_t>(GetU32(at)); }

void PutUnits(std::uint8_t* at, const char16_t* units, std::size_t count) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(at, units, count * 2);
  } else {
    for (std::size_t i = 0; i < count; ++i) {
      at[2 * i] = static_cast<std::uint8_t>(units[i]);
      at[2 * i + 1] = static_cast<std::uint8_t>(units[i] >> 8);
    }
  }
}

void GetUnits(const std::uint8_t* at, char16_t* units, std::size_t count) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(units, at, count * 2);
  } else {
    for (std::size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(at[2 * i] | at[2 * i + 1] << 8);
  }
}

// The unused units are stored as they are: a title or face name keeps its bytes.
void PutBlock(std::uint8_t* at, const MemoRecord& m) {
  std::memset(at, 0, kMemoBlockBytes);
  PutUnits(at + kTitleAt, m.title, kMemoTitleUnits);
  PutU32(at + kLeftAt, static_cast<std::uint32_t>(m.left));
  PutU32(at + kTopAt, static_cast<std::uint32_t>(m.top));
  PutU32(at + kWidthAt, static_cast<std::uint32_t>(m.width));
  PutU32(at + kHeightAt, static_cast<std::uint32_t>(m.height));
  PutU32(at + kTextColorAt, m.textColor);
  PutU32(at + kBackColorAt, m.backColor);
  at[kPlainTextAt] = m.plainText;
  PutUnits(at + kFaceNameAt, m.faceName, kMemoFaceUnits);
  PutU32(at + kFontSizeAt, static_cast<std::uint32_t>(m.fontSize));
  at[kWordWrapAt] = m.wordWrap;
  PutU32(at + kCapacityAt, static_cast<std::uint32_t>(m.textCapacity));
  at[kModifiedAt] = m.modified;
}

void GetBlock(const std::uint8_t* at, MemoRecord& m) {
  GetUnits(at + kTitleAt, m.title, kMemoTitleUnits);
  m.title[kMemoTitleUnits - 1] = u'\0';
  m.left = GetI32(at + kLeftAt);
  m.top = GetI32(at + kTopAt);
  m.width = GetI32(at + kWidthAt);
  m.height = GetI32(at + kHeightAt);
  m.textColor = GetU32(at + kTextColorAt);
  m.backColor = GetU32(at + kBackColorAt);
  m.plainText = at[kPlainTextAt];
  GetUnits(at + kFaceNameAt, m.faceName, kMemoFaceUnits);
  m.faceName[kMemoFaceUnits - 1] = u'\0';
  m.fontSize = GetI32(at + kFontSizeAt);
  m.wordWrap = at[kWordWrapAt];
}

bool HasSignature(const std::uint8_t* bytes) {
  for (std::size_t i = 0; i < kSignatureBytes / 2; ++i)
    if (bytes[2 * i] != static_cast<std::uint8_t>(kSignature[i]) || bytes[2 * i + 1] != kSignature[i] >> 8)
      return false;
  return true;
}

// Text units as stored (little-endian), in place.
void UnitsFromFile(char16_t* units, std::size_t count) {
  if constexpr (std::endian::native != std::endian::little) {
    for (std::size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(units[i] >> 8 | units[i] << 8);
  }
}

void PutText(MemoSink& sink, const char16_t* units, std::size_t count) {
  if constexpr (std::endian::native == std::endian::little) {
    sink.Put(units, count * 2);
  } else {
    std::uint8_t pair[2];
    for (std::size_t i = 0; i < count; ++i) {
      PutUnits(pair, units + i, 1);
      sink.Put(pair, 2);
    }
  }
}

// The next memo, or null when its block or text is cut short or its capacity cannot
// be a buffer of at least the terminator.
std::unique_ptr<MemoRecord> ReadMemo(MemoSource& source) {
  std::uint8_t block[kMemoBlockBytes];
  if (!source.Take(block, sizeof block)) return nullptr;
  const std::int32_t capacity = GetI32(block + kCapacityAt);
  if (capacity < 1 || static_cast<std::uint64_t>(capacity) > source.Remaining() / 2) return nullptr;
  auto memo = std::make_unique<MemoRecord>();
  GetBlock(block, *memo);
  // Every unit comes from the file: no need to clear the buffer first.
  const auto units = static_cast<std::size_t>(capacity);
  memo->text = std::make_unique_for_overwrite<char16_t[]>(units);
  memo->textCapacity = capacity;
  if (!source.Take(memo->text.get(), units * 2)) return nullptr;
  UnitsFromFile(memo->text.get(), units);
  memo->text[units - 1] = u'\0';
  return memo;
}

class VectorSink : public MemoSink {
 public:
  explicit VectorSink(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void Put(const void* bytes, std::size_t count) override {
    const auto* from = static_cast<const std::uint8_t*>(bytes);
    bytes_.insert(bytes_.end(), from, from + count);
  }

 private:
  std::vector<std::uint8_t>& bytes_;
};

class SpanSource : public MemoSource {
 public:
  explicit SpanSource(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
  std::uint64_t Remaining() const override { return rest_.size(); }
  bool Take(void* into, std::size_t count) override {
    if (count > rest_.size()) return false;
    std::memcpy(into, rest_.data(), count);
    rest_ = rest_.subspan(count);
    return true;
  }

 private:
  std::span<const std::uint8_t> rest_;
};

}  // namespace

void EncodeMemoFile(const MemoSet& set, MemoSink& sink) {
  std::uint8_t header[kMemoHeaderBytes];
  PutUnits(header, kSignature, kSignatureBytes / 2);
  PutU32(header + 20, kMemoFileVersion);
  PutU32(header + 24, static_cast<std::uint32_t>(set.current));
  PutU32(header + 28, static_cast<std::uint32_t>(set.Count()));
  sink.Put(header, sizeof header);
  std::uint8_t block[kMemoBlockBytes];
  for (const MemoRecord* m : set.memos) {
    PutBlock(block, *m);
    sink.Put(block, sizeof block);
    PutText(sink, m->text.get(), static_cast<std::size_t>(m->textCapacity));
  }
}

std::vector<std::uint8_t> EncodeMemoFile(const MemoSet& set) {
  std::size_t size = kMemoHeaderBytes;
  for (const MemoRecord* m : set.memos) size += kMemoBlockBytes + static_cast<std::size_t>(m->textCapacity) * 2;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(size);
  VectorSink sink(bytes);
  EncodeMemoFile(set, sink);
  return bytes;
}

MemoDecode DecodeMemoFile(MemoSource& source, MemoSet& set) {
  set.Clear();
  std::uint8_t header[kMemoHeaderBytes];
  if (!source.Take(header, sizeof header) || !HasSignature(header) || GetI32(header + 20) != kMemoFileVersion)
    return MemoDecode::kNotMemoFile;
  const std::int32_t current = GetI32(header + 24);
  const std::int32_t count = GetI32(header + 28);
  bool whole = count >= 0;
  for (std::int32_t i = 0; i < count; ++i) {
    std::unique_ptr<MemoRecord> memo = ReadMemo(source);
    if (!memo) {
      whole = false;
      break;
    }
    set.Append(std::move(memo));
  }
  set.current = current;
  set.ClampCurrent();
  return whole && set.current == current ? MemoDecode::kRead : MemoDecode::kDamaged;
}

MemoDecode DecodeMemoFile(std::span<const std::uint8_t> bytes, MemoSet& set) {
  SpanSource source(bytes);
  return DecodeMemoFile(source, set);
}

std::u16string MemoTempPath(std::u16string_view memoPath) { return std::u16string(memoPath) + u".tmp"; }
