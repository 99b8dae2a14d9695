#include "core/packed_dib.h"

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kLargestHeaderSize = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kRgb = 0;  // BI_RGB
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool KnownDepth(std::uint16_t bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

}  // namespace

std::optional<PackedDibLayout> PackedDibLayoutOf(std::span<const std::uint8_t> dib) {
  if (dib.size() < kInfoHeaderSize) return std::nullopt;
  const std::uint32_t headerSize = U32(dib, 0);
  const auto width = static_cast<std::int32_t>(U32(dib, 4));
  const auto height = static_cast<std::int32_t>(U32(dib, 8));
  const std::uint16_t planes = U16(dib, 12), depth = U16(dib, 14);
  const std::uint32_t compression = U32(dib, 16), colorsUsed = U32(dib, 32);
  if (headerSize < kInfoHeaderSize || headerSize > kLargestHeaderSize || headerSize > dib.size()) return std::nullopt;
  if (width <= 0 || width > kMaxPackedDibSide || height == 0 || height < -kMaxPackedDibSide ||
      height > kMaxPackedDibSide || planes != 1 || !KnownDepth(depth))
    return std::nullopt;
  const bool bitFields = compression == kBitFields && (depth == 16 || depth == 32);
  if (compression != kRgb && !bitFields) return std::nullopt;
  const std::uint64_t tableLimit = depth <= 8 ? 1u << depth : 0;
  if (depth <= 8 && colorsUsed > tableLimit) return std::nullopt;
  // Above 8 bits a table is optional; a count that could not fit is no bitmap's.
  if (colorsUsed > dib.size()) return std::nullopt;
  const std::uint64_t colors = depth <= 8 && colorsUsed == 0 ? tableLimit : colorsUsed;
  // A plain info header keeps its three masks after it; later headers hold them inside.
  const std::uint64_t masks = bitFields && headerSize == kInfoHeaderSize ? 12 : 0;
  const std::uint64_t offset = headerSize + masks + colors * 4;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * depth + 31) / 32 * 4;
  const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  const std::uint64_t size = stride * rows;
  if (offset > dib.size() || size > dib.size() - offset) return std::nullopt;
  return PackedDibLayout{static_cast<std::size_t>(offset), static_cast<std::size_t>(size)};
}
