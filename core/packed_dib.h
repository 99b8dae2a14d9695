// Where the pixels of a packed DIB start and how many bytes they take: a bitmap
// resource is a BITMAPINFOHEADER (or a later version of it), the colour masks, the
// colour table and the pixels, one after the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

struct PackedDibLayout {
  std::size_t bitsOffset = 0;  // from the start of the header
  std::size_t bitsSize = 0;
  friend bool operator==(const PackedDibLayout&, const PackedDibLayout&) = default;
};

// The layout of `dib` when a DIB section can be made from its header as it stands and
// its pixels lie whole within it: uncompressed or bit fields, 1 to 32 bits a pixel, at
// most kMaxPackedDibSide pixels a side. Anything else is nullopt (the caller leaves it
// to the system's loader).
inline constexpr std::int32_t kMaxPackedDibSide = 4096;
std::optional<PackedDibLayout> PackedDibLayoutOf(std::span<const std::uint8_t> dib);
