#include "widgets/pictures/exif.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kEntryBytes = 12;

// Reads of a TIFF block in its byte order; nothing for a read that would leave it.
class TiffReader {
 public:
  TiffReader(std::span<const std::uint8_t> block, bool littleEndian) : block_(block), little_(littleEndian) {}

  std::optional<std::uint16_t> U16(std::uint64_t at) const {
    if (!Holds(at, 2)) return std::nullopt;
    const std::uint16_t a = block_[at], b = block_[at + 1];
    return static_cast<std::uint16_t>(little_ ? a | b << 8 : a << 8 | b);
  }

  std::optional<std::uint32_t> U32(std::uint64_t at) const {
    const auto first = U16(at), second = U16(at + 2);
    if (!first || !second) return std::nullopt;
    return little_ ? *first | std::uint32_t{*second} << 16 : std::uint32_t{*first} << 16 | *second;
  }

 private:
  bool Holds(std::uint64_t at, std::uint64_t count) const { return at <= block_.size() && count <= block_.size() - at; }

  std::span<const std::uint8_t> block_;
  bool little_;
};

// The first value of a SHORT entry: in the entry itself when it fits in its four
// bytes, else where the entry's offset points.
std::optional<std::uint16_t> FirstShort(const TiffReader& tiff, std::uint64_t entry, std::uint32_t count) {
  if (count == 0) return std::nullopt;
  if (count <= 2) return tiff.U16(entry + 8);
  const auto offset = tiff.U32(entry + 8);
  return offset ? tiff.U16(*offset) : std::nullopt;
}

std::optional<std::uint16_t> OrientationInTiff(std::span<const std::uint8_t> block) {
  if (block.size() < 8) return std::nullopt;
  bool little;
  if (block[0] == 'I' && block[1] == 'I')
    little = true;
  else if (block[0] == 'M' && block[1] == 'M')
    little = false;
  else
    return std::nullopt;
  const TiffReader tiff(block, little);
  if (tiff.U16(2) != 42) return std::nullopt;
  const auto directory = tiff.U32(4);
  const auto entries = directory ? tiff.U16(*directory) : std::nullopt;
  if (!entries) return std::nullopt;
  // As among GDI+'s property items, the last orientation tag wins.
  std::optional<std::uint16_t> orientation;
  for (std::uint32_t i = 0; i < *entries; ++i) {
    const std::uint64_t entry = std::uint64_t{*directory} + 2 + kEntryBytes * i;
    if (!tiff.U32(entry + 8)) break;  // this entry and the rest were cut off
    if (tiff.U16(entry) != kOrientationTag || tiff.U16(entry + 2) != kShortType) continue;
    if (const auto value = FirstShort(tiff, entry, *tiff.U32(entry + 4))) orientation = value;
  }
  return orientation;
}

bool IsExifHeader(std::span<const std::uint8_t> body) {
  static constexpr std::uint8_t kHeader[] = {'E', 'x', 'i', 'f', 0, 0};
  return body.size() >= sizeof kHeader && std::memcmp(body.data(), kHeader, sizeof kHeader) == 0;
}

}  // namespace

std::optional<std::uint16_t> JpegOrientation(std::span<const std::uint8_t> start) {
  start = start.first(std::min(start.size(), kExifPrefixLimit));
  if (start.size() < 4 || start[0] != 0xFF || start[1] != 0xD8) return std::nullopt;
  // Segment by segment up to the picture data; every turn moves on by two bytes or more.
  std::size_t at = 2;
  while (at + 4 <= start.size()) {
    if (start[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = start[at + 1];
    if (marker == 0xFF) {  // a fill byte before the marker
      ++at;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // the scan or the end: no EXIF
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    const std::size_t length = std::size_t{start[at + 2]} << 8 | start[at + 3];
    if (length < 2) return std::nullopt;
    // A segment cut off by the end of what was read is read as far as it goes.
    const std::size_t end = std::min(at + 2 + length, start.size());
    const auto body = start.subspan(at + 4, end - (at + 4));
    if (marker == 0xE1 && IsExifHeader(body)) return OrientationInTiff(body.subspan(6));
    at += 2 + length;
  }
  return std::nullopt;
}
