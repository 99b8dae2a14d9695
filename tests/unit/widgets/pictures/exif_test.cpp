#include "widgets/pictures/exif.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "tests/common/jpeg_bytes.h"

namespace {

using namespace jpeg_bytes;

constexpr std::uint16_t kOrientation = 0x0112, kShort = 3, kLong = 4, kAscii = 2;

const Bytes kJfif = Segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 2, 0, 0, 1, 0, 1, 0, 0});
const Bytes kScan = Segment(0xDA, {0, 0});

Bytes ExifJpeg(const Bytes& tiff) { return Jpeg({Segment(0xE1, Exif(tiff)), kScan}); }
Bytes TiffOfSix(bool little) { return Tiff(little, {{kOrientation, kShort, 1, 6}}); }
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
  const Bytes six = ExifJpeg(TiffOfSix(true));
  Bytes fill = six;
  fill.insert(fill.begin() + 2, {0xFF, 0xFF});
  // The EXIF segment starts past the first 64 KB.
  Bytes far = Jpeg({Segment(0xE2, Bytes(65533, 0)), Segment(0xE1, Exif(TiffOfSix(true)))});
  const OrientationCase cases[] = {
      {"little-endian", six, 6},
      {"big-endian", ExifJpeg(Tiff(false, {{kOrientation, kShort, 1, 8}})), 8},
      {"after other tags",
       ExifJpeg(Tiff(false, {{0x100, kLong, 1, 4000}, {0x10F, kAscii, 4, 0x41424300}, {kOrientation, kShort, 1, 3},
                             {0x131, kAscii, 2, 0x41000000}})),
       3},
      {"APP0 first", Jpeg({kJfif, Segment(0xE1, Exif(TiffOfSix(false))), kScan}), 6},
      {"another APP1 first", Jpeg({Segment(0xE1, {'h', 't', 't', 'p', 0}), Segment(0xE1, Exif(TiffOfSix(true)))}), 6},
      {"fill bytes before a marker", fill, 6},
      {"no EXIF", Jpeg({kJfif, kScan}), std::nullopt},
      {"EXIF without the tag", ExifJpeg(Tiff(true, {{0x100, kLong, 1, 640}})), std::nullopt},
      {"tag of another type", ExifJpeg(Tiff(true, {{kOrientation, kLong, 1, 6}})), std::nullopt},
      {"value count 0", ExifJpeg(Tiff(true, {{kOrientation, kShort, 0, 6}})), std::nullopt},
      {"values where the offset points", ExifJpeg(Tiff(false, {{kOrientation, kShort, 3, 8}})), 1},  // IFD0's count
      {"values out of reach", ExifJpeg(Tiff(true, {{kOrientation, kShort, 0xFFFFFFFF, 0xFFFFFFF0}})), std::nullopt},
      {"not a JPEG", Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10}, std::nullopt},
      {"empty", Bytes{}, std::nullopt},
      {"after the scan", Jpeg({kScan, Segment(0xE1, Exif(TiffOfSix(true)))}), std::nullopt},
      {"byte order IM", ExifJpeg(Patched(TiffOfSix(true), 1, {'M'})), std::nullopt},
      {"not 42", ExifJpeg(Patched(TiffOfSix(true), 2, {43})), std::nullopt},
      {"IFD0 past the end", ExifJpeg(Patched(TiffOfSix(true), 7, {0x80})), std::nullopt},
      {"IFD0 at 4 GB - 1", ExifJpeg(Patched(TiffOfSix(true), 4, {0xFF, 0xFF, 0xFF, 0xFF})), std::nullopt},
      {"more entries claimed than present", ExifJpeg(Tiff(true, {{kOrientation, kShort, 1, 6}}, 8, 0xFFFF)), 6},
      {"entry cut off", Bytes(six.begin(), six.end() - 12), std::nullopt},
      {"segment longer than the file", Jpeg({Segment(0xE1, Exif(TiffOfSix(true)), 0xFFFF)}), 6},
      {"segment length 1", Jpeg({Segment(0xE0, {}, 1), Segment(0xE1, Exif(TiffOfSix(true)))}), std::nullopt},
      {"beyond the first 64 KB", far, std::nullopt},
  };
  for (const OrientationCase& c : cases) EXPECT_EQ(JpegOrientation(c.file), c.orientation) << c.what;
  // 1000 bytes less before it, the same segment is read.
  far.erase(far.begin() + 6, far.begin() + 1006);
  EXPECT_EQ(JpegOrientation(Patched(far, 4, {(64533 + 2) >> 8, (64533 + 2) & 0xFF})), 6);
}

}  // namespace
