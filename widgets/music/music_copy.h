// The ID3v2 tag in front of an MP3, which the player's copy leaves out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace music {

// Length of the leading ID3v2 tag, header included, from the first bytes of a file
// of fileSize bytes; 0 when there is none or its size field is unusable. The size
// bytes are taken as signed 8-bit values, so a damaged field can give anything:
// only a length within 10..fileSize is a tag that can be cut off.
std::uint64_t Id3TagLength(std::span<const std::uint8_t> head, std::uint64_t fileSize);
inline constexpr std::size_t kId3HeaderSize = 10;

}  // namespace music
