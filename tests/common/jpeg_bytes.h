// The starts of JPEG files, byte by byte, for the tests of the EXIF reader: segments,
// and an EXIF header in either byte order. Shared by the unit and the Wine tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace jpeg_bytes {

using Bytes = std::vector<std::uint8_t>;

struct Entry {
  std::uint16_t tag, type;
  std::uint32_t count, value;  // a SHORT value sits in the first two of the four bytes
};

inline void Put(Bytes& out, std::uint32_t value, int bytes, bool little) {
  for (int i = 0; i < bytes; ++i) {
    const int shift = 8 * (little ? i : bytes - 1 - i);
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

// A TIFF header and IFD0 at `directoryAt`, which claims `entryCount` entries (their
// number unless given).
inline Bytes Tiff(bool little, std::initializer_list<Entry> entries, std::uint32_t directoryAt = 8,
                  int entryCount = -1) {
  Bytes out = little ? Bytes{'I', 'I'} : Bytes{'M', 'M'};
  Put(out, 42, 2, little);
  Put(out, directoryAt, 4, little);
  out.resize(directoryAt > 8 ? directoryAt : 8, 0);
  Put(out, entryCount < 0 ? static_cast<std::uint32_t>(entries.size()) : static_cast<std::uint32_t>(entryCount), 2,
      little);
  for (const Entry& entry : entries) {
    Put(out, entry.tag, 2, little);
    Put(out, entry.type, 2, little);
    Put(out, entry.count, 4, little);
    if (entry.type == 3 && entry.count <= 2) {
      Put(out, entry.value, 2, little);
      Put(out, 0, 2, little);
    } else {
      Put(out, entry.value, 4, little);
    }
  }
  Put(out, 0, 4, little);  // no next directory
  return out;
}

inline Bytes Exif(const Bytes& tiff) {
  Bytes out = {'E', 'x', 'i', 'f', 0, 0};
  out.insert(out.end(), tiff.begin(), tiff.end());
  return out;
}

// 0xFF, the marker, the length (the body's and its own two bytes unless given), the body.
inline Bytes Segment(std::uint8_t marker, const Bytes& body, int length = -1) {
  Bytes out = {0xFF, marker};
  Put(out, length < 0 ? static_cast<std::uint32_t>(body.size() + 2) : static_cast<std::uint32_t>(length), 2, false);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// The start of image, then the segments.
inline Bytes Jpeg(std::initializer_list<Bytes> segments) {
  Bytes out = {0xFF, 0xD8};
  for (const Bytes& segment : segments) out.insert(out.end(), segment.begin(), segment.end());
  return out;
}

}  // namespace jpeg_bytes
