// The memo file's bytes: the "PelgraMemo" signature, version 100, the shown memo, the
// count, then each memo as a 244-byte block followed by its whole text buffer. All
// little-endian, text UTF-16LE. The block is built and read field by field at fixed
// offsets: in memory a record is not laid out like the file (pointers are 8 bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "widgets/memo.h"

inline constexpr std::size_t kMemoHeaderBytes = 32;
inline constexpr std::size_t kMemoBlockBytes = 244;
inline constexpr std::int32_t kMemoFileVersion = 100;

// The whole file for a set of memos.
std::vector<std::uint8_t> EncodeMemoFile(const MemoSet& set);

enum class MemoDecode {
  kRead,         // every memo the header announces, and `current` among them
  kNotMemoFile,  // short header, other signature or version: no memos
  kDamaged,      // the memos before the first damaged one; `current` brought into range
};

// Replaces the set's memos and `current` with the file's. Never reads past `bytes` nor
// allocates more than they can hold; titles, face names and texts always end with a
// terminator. `modified` starts clear and no viewer is open.
MemoDecode DecodeMemoFile(std::span<const std::uint8_t> bytes, MemoSet& set);
