// The starts of JPEG files written byte by byte, for the EXIF reader's unit and Wine tests.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace jpeg_bytes {

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& out, std::uint32_t value, int bytes, bool little) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> 8 * (little ? i : bytes - 1 - i)));
}

// A TIFF header ("II" little-endian, else "MM") and IFD0 right after it. Entries are
// {tag, type, count, value}; a SHORT value goes in the first two of the four bytes.
inline Bytes Tiff(bool little, std::initializer_list<std::array<std::uint32_t, 4>> entries) {
  Bytes out = little ? Bytes{'I', 'I'} : Bytes{'M', 'M'};
  Put(out, 42, 2, little);
  Put(out, 8, 4, little);
  Put(out, static_cast<std::uint32_t>(entries.size()), 2, little);
  for (const auto& [tag, type, count, value] : entries) {
    Put(out, tag, 2, little);
    Put(out, type, 2, little);
    Put(out, count, 4, little);
    Put(out, type == 3 && count <= 2 && !little ? value << 16 : value, 4, little);
  }
  return out;
}

// 0xFF, the marker, the length (the body's and its own two bytes unless given), the body.
inline Bytes Segment(std::uint8_t marker, Bytes body, int length = -1) {
  Bytes out = {0xFF, marker};
  Put(out, length < 0 ? static_cast<std::uint32_t>(body.size() + 2) : static_cast<std::uint32_t>(length), 2, false);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

inline Bytes ExifSegment(const Bytes& tiff, int length = -1) {
  Bytes body = {'E', 'x', 'i', 'f', 0, 0};
  body.insert(body.end(), tiff.begin(), tiff.end());
  return Segment(0xE1, body, length);
}

// The start of image, then the segments.
inline Bytes Jpeg(std::initializer_list<Bytes> segments) {
  Bytes out = {0xFF, 0xD8};
  for (const Bytes& segment : segments) out.insert(out.end(), segment.begin(), segment.end());
  return out;
}

}  // namespace jpeg_bytes
