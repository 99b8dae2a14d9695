#include "widgets/pictures/exif.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "tests/common/jpeg_bytes.h"

namespace {

using namespace jpeg_bytes;

constexpr std::uint32_t kOrientation = 0x0112, kShort = 3, kLong = 4, kAscii = 2;

Bytes Six(bool little) { return Tiff(little, {{kOrientation, kShort, 1, 6}}); }
Bytes Patched(Bytes bytes, std::size_t at, std::initializer_list<std::uint8_t> values) {
  for (std::uint8_t value : values) bytes[at++] = value;
  return bytes;
}

struct OrientationCase {
  const char* what;
  Bytes file;
  std::optional<std::uint16_t> orientation;
};

TEST(JpegOrientation, ReadFromIfd0OfTheExifSegmentOnly) {
  const Bytes jfif = Segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 2, 0, 0, 1, 0, 1, 0, 0});
  const Bytes scan = Segment(0xDA, {0, 0});
  const Bytes six = Jpeg({ExifSegment(Six(true)), scan});
  const OrientationCase cases[] = {
      {"little-endian", six, 6},
      {"big-endian", Jpeg({ExifSegment(Tiff(false, {{kOrientation, kShort, 1, 8}}))}), 8},
      {"after other tags",
       Jpeg({ExifSegment(Tiff(false, {{0x100, kLong, 1, 4000}, {0x10F, kAscii, 4, 0x41424300},
                                      {kOrientation, kShort, 1, 3}, {0x131, kAscii, 2, 0x41000000}}))}),
       3},
      {"APP0 first", Jpeg({jfif, ExifSegment(Six(false)), scan}), 6},
      {"another APP1 first", Jpeg({Segment(0xE1, {'h', 't', 't', 'p', 0}), ExifSegment(Six(true))}), 6},
      {"no EXIF", Jpeg({jfif, scan}), std::nullopt},
      {"not a JPEG", Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10}, std::nullopt},
      {"scan before EXIF", Jpeg({scan, ExifSegment(Six(true))}), std::nullopt},
      {"value count 0", Jpeg({ExifSegment(Tiff(true, {{kOrientation, kShort, 0, 6}}))}), std::nullopt},
      {"values out of reach", Jpeg({ExifSegment(Tiff(true, {{kOrientation, kShort, 9, 0xFFFFFFF0}}))}), std::nullopt},
      {"not 42", Jpeg({ExifSegment(Patched(Six(true), 2, {43}))}), std::nullopt},
      {"IFD0 past the end", Jpeg({ExifSegment(Patched(Six(true), 4, {0xFF, 0xFF, 0xFF, 0xFF}))}), std::nullopt},
      {"more entries than present", Jpeg({ExifSegment(Patched(Six(true), 8, {0xFF, 0xFF}))}), 6},
      {"entry cut off", Bytes(six.begin(), six.end() - 8), std::nullopt},
      {"segment longer than the file", Jpeg({ExifSegment(Six(true), 0xFFFF)}), 6},
      {"segment length 1", Jpeg({Segment(0xE0, {}, 1), ExifSegment(Six(true))}), std::nullopt},
      {"beyond the first 64 KB", Jpeg({Segment(0xE2, Bytes(65533, 0)), ExifSegment(Six(true))}), std::nullopt},
  };
  for (const OrientationCase& c : cases) EXPECT_EQ(JpegOrientation(c.file), c.orientation) << c.what;
}

}  // namespace
