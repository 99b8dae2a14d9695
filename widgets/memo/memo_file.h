// The memo file's bytes: the "PelgraMemo" signature, version 100, the shown memo, the
// count, then each memo as a 244-byte block followed by its whole text buffer. All
// little-endian, text UTF-16LE. The block is built and read field by field at fixed
// offsets: in memory a record is not laid out like the file (pointers are 8 bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <string>
#include <string_view>

#include "widgets/memo/memo_record.h"

inline constexpr std::size_t kMemoHeaderBytes = 32;
inline constexpr std::size_t kMemoBlockBytes = 244;
inline constexpr std::int32_t kMemoFileVersion = 100;

// Where the writer puts the file's bytes, in order.
class MemoSink {
 public:
  virtual ~MemoSink() = default;
  virtual void Put(const void* bytes, std::size_t count) = 0;
};

// Where the reader takes them from.
class MemoSource {
 public:
  virtual ~MemoSource() = default;
  // Bytes not yet taken: a capacity is checked against it before anything is allocated.
  virtual std::uint64_t Remaining() const = 0;
  // The next `count` bytes; false when they are not all there.
  virtual bool Take(void* into, std::size_t count) = 0;
};

void EncodeMemoFile(const MemoSet& set, MemoSink& sink);
// The whole file in memory.
std::vector<std::uint8_t> EncodeMemoFile(const MemoSet& set);

enum class MemoDecode {
  kRead,         // every memo the header announces, and `current` among them
  kNotMemoFile,  // short header, other signature or version: no memos
  kDamaged,      // the memos before the first damaged one; `current` brought into range
};

// Replaces the set's memos and `current` with the file's. Never reads past the source
// nor allocates more than its remaining bytes can fill; titles, face names and texts
// always end with a terminator. `modified` starts clear and no viewer is open.
MemoDecode DecodeMemoFile(MemoSource& source, MemoSet& set);
MemoDecode DecodeMemoFile(std::span<const std::uint8_t> bytes, MemoSet& set);

// Where the file is written before it is moved over the old one.
std::u16string MemoTempPath(std::u16string_view memoPath);
