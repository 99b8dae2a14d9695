#include "widgets/memo_file.h"

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

bool HasSignature(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSignatureBytes) return false;
  for (std::size_t i = 0; i < kSignatureBytes / 2; ++i)
    if (bytes[2 * i] != static_cast<std::uint8_t>(kSignature[i]) || bytes[2 * i + 1] != kSignature[i] >> 8)
      return false;
  return true;
}

// One memo from the front of `rest`, or null when its block or text is cut short or
// its capacity cannot be a buffer of at least the terminator.
std::unique_ptr<MemoRecord> ReadMemo(std::span<const std::uint8_t>& rest) {
  if (rest.size() < kMemoBlockBytes) return nullptr;
  const std::int32_t capacity = GetI32(rest.data() + kCapacityAt);
  const std::size_t textBytes = rest.size() - kMemoBlockBytes;
  if (capacity < 1 || static_cast<std::size_t>(capacity) > textBytes / 2) return nullptr;
  auto memo = std::make_unique<MemoRecord>();
  GetBlock(rest.data(), *memo);
  memo->text = std::make_unique<char16_t[]>(static_cast<std::size_t>(capacity));
  memo->textCapacity = capacity;
  GetUnits(rest.data() + kMemoBlockBytes, memo->text.get(), static_cast<std::size_t>(capacity));
  memo->text[capacity - 1] = u'\0';
  rest = rest.subspan(kMemoBlockBytes + static_cast<std::size_t>(capacity) * 2);
  return memo;
}

}  // namespace

std::vector<std::uint8_t> EncodeMemoFile(const MemoSet& set) {
  std::size_t size = kMemoHeaderBytes;
  for (const MemoRecord* m : set.memos) size += kMemoBlockBytes + static_cast<std::size_t>(m->textCapacity) * 2;
  std::vector<std::uint8_t> bytes(size);
  std::uint8_t* at = bytes.data();
  PutUnits(at, kSignature, kSignatureBytes / 2);
  PutU32(at + 20, kMemoFileVersion);
  PutU32(at + 24, static_cast<std::uint32_t>(set.current));
  PutU32(at + 28, static_cast<std::uint32_t>(set.Count()));
  at += kMemoHeaderBytes;
  for (const MemoRecord* m : set.memos) {
    PutBlock(at, *m);
    at += kMemoBlockBytes;
    PutUnits(at, m->text.get(), static_cast<std::size_t>(m->textCapacity));
    at += static_cast<std::size_t>(m->textCapacity) * 2;
  }
  return bytes;
}

MemoDecode DecodeMemoFile(std::span<const std::uint8_t> bytes, MemoSet& set) {
  set.Clear();
  if (bytes.size() < kMemoHeaderBytes || !HasSignature(bytes) || GetI32(bytes.data() + 20) != kMemoFileVersion)
    return MemoDecode::kNotMemoFile;
  const std::int32_t current = GetI32(bytes.data() + 24);
  const std::int32_t count = GetI32(bytes.data() + 28);
  std::span<const std::uint8_t> rest = bytes.subspan(kMemoHeaderBytes);
  bool whole = count >= 0;
  for (std::int32_t i = 0; i < count; ++i) {
    std::unique_ptr<MemoRecord> memo = ReadMemo(rest);
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
