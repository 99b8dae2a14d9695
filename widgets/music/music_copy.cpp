#include "widgets/music/music_copy.h"

namespace music {

std::uint64_t Id3TagLength(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  if (head.size() < kId3HeaderSize || fileSize < kId3HeaderSize) return 0;
  if (head[0] != 'I' || head[1] != 'D' || head[2] != '3') return 0;
  auto signedByte = [&](int i) { return static_cast<std::int64_t>(static_cast<std::int8_t>(head[i])); };
  const std::int64_t length = signedByte(6) * (1 << 21) + signedByte(7) * (1 << 14) + signedByte(8) * (1 << 7) +
                              signedByte(9) + static_cast<std::int64_t>(kId3HeaderSize);
  if (length < static_cast<std::int64_t>(kId3HeaderSize) || static_cast<std::uint64_t>(length) > fileSize) return 0;
  return static_cast<std::uint64_t>(length);
}

}  // namespace music
