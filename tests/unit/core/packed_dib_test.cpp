#include "core/packed_dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Header {
  std::uint32_t size = 40;
  std::int32_t width = 16, height = 16;
  std::uint16_t depth = 24;
  std::uint32_t compression = 0, colorsUsed = 0;
};

// The header followed by `rest` bytes of masks, colours and pixels.
std::vector<std::uint8_t> Dib(const Header& h, std::size_t rest) {
  std::vector<std::uint8_t> bytes(h.size + rest, 0);
  auto put = [&](std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put(0, h.size, 4);
  put(4, static_cast<std::uint32_t>(h.width), 4);
  put(8, static_cast<std::uint32_t>(h.height), 4);
  put(12, 1, 2);
  put(14, h.depth, 2);
  put(16, h.compression, 4);
  put(32, h.colorsUsed, 4);
  return bytes;
}

TEST(PackedDib, LayoutAfterHeaderMasksAndColours) {
  struct Case {
    const char* what;
    Header header;
    std::size_t rest;
    std::optional<PackedDibLayout> expected;
  };
  const Case cases[] = {
      {"24 bits, rows padded to 4 bytes", {.width = 5, .height = 3}, 48, PackedDibLayout{40, 48}},
      {"top-down rows", {.width = 5, .height = -3}, 48, PackedDibLayout{40, 48}},
      {"8 bits: a full table of 256 colours", {.depth = 8}, 1024 + 256, PackedDibLayout{1064, 256}},
      {"8 bits with 16 colours used", {.depth = 8, .colorsUsed = 16}, 64 + 256, PackedDibLayout{104, 256}},
      {"1 bit: 2 colours, a row of 4 bytes", {.depth = 1}, 8 + 64, PackedDibLayout{48, 64}},
      {"bit fields after an info header", {.depth = 32, .compression = 3}, 12 + 1024, PackedDibLayout{52, 1024}},
      {"bit fields inside a version 5 header", {.size = 124, .depth = 32, .compression = 3}, 1024,
       PackedDibLayout{124, 1024}},
      {"pixels cut short", {}, 767, std::nullopt},
      {"colour table cut short", {.depth = 8}, 1000, std::nullopt},
      {"more colours than the depth has", {.depth = 4, .colorsUsed = 17}, 4096, std::nullopt},
      {"run-length compressed", {.depth = 8, .compression = 1}, 2048, std::nullopt},
      {"no such depth", {.depth = 3}, 2048, std::nullopt},
      {"header smaller than an info header", {.size = 12}, 2048, std::nullopt},
      {"header larger than any version", {.size = 200}, 2048, std::nullopt},
      {"wider than the limit", {.width = kMaxPackedDibSide + 1, .height = 1}, 20000, std::nullopt},
      {"lowest height there is", {.height = INT32_MIN}, 2048, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::vector<std::uint8_t> bytes = Dib(c.header, c.rest);
    EXPECT_EQ(PackedDibLayoutOf(bytes), c.expected) << c.what;
  }
  EXPECT_EQ(PackedDibLayoutOf(std::vector<std::uint8_t>(39, 0)), std::nullopt) << "shorter than a header";
}

}  // namespace
