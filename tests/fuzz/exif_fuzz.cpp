// A picture's file is read for its EXIF orientation: any file dropped on the slide
// show or chosen as the reference image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "widgets/pictures/exif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> start(data, size);
  const auto orientation = JpegOrientation(start);
  // Only a JPEG's start of image leads anywhere.
  if (orientation && (size < 2 || data[0] != 0xFF || data[1] != 0xD8)) std::abort();
  return 0;
}
