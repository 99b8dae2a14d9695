#include "core/pixel_scale.h"

#include <algorithm>
#include <cstddef>

namespace {

struct Share {
  int from;       // source index
  std::int64_t weight;
};

// Along one axis: target pixel t covers [t·n, (t + 1)·n) and source pixel s covers
// [s·m, (s + 1)·m), both measured in units of 1/(n·m) of the whole, so the shares of
// one target pixel add up to n.
std::vector<std::vector<Share>> Shares(int n, int m) {
  std::vector<std::vector<Share>> shares(static_cast<std::size_t>(m));
  for (int t = 0; t < m; ++t) {
    const std::int64_t start = std::int64_t{t} * n;
    const std::int64_t end = start + n;
    for (std::int64_t s = start / m; s < n && s * m < end; ++s) {
      const std::int64_t overlap = std::min(end, (s + 1) * m) - std::max(start, s * m);
      if (overlap > 0) shares[static_cast<std::size_t>(t)].push_back({static_cast<int>(s), overlap});
    }
  }
  return shares;
}

}  // namespace

std::vector<std::uint32_t> ResamplePixelArt(const std::vector<std::uint32_t>& source, int width, int height,
                                            int toWidth, int toHeight) {
  if (toWidth <= 0 || toHeight <= 0) return {};
  std::vector<std::uint32_t> out(static_cast<std::size_t>(toWidth) * static_cast<std::size_t>(toHeight), 0);
  if (width <= 0 || height <= 0 || source.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return out;
  const auto across = Shares(width, toWidth);
  const auto down = Shares(height, toHeight);
  const std::int64_t whole = std::int64_t{width} * height;
  for (int y = 0; y < toHeight; ++y) {
    for (int x = 0; x < toWidth; ++x) {
      std::int64_t sum[3] = {};
      for (const Share& row : down[static_cast<std::size_t>(y)])
        for (const Share& column : across[static_cast<std::size_t>(x)]) {
          const std::uint32_t pixel = source[static_cast<std::size_t>(row.from) * width + column.from];
          const std::int64_t weight = row.weight * column.weight;
          for (int c = 0; c < 3; ++c) sum[c] += weight * ((pixel >> (8 * c)) & 0xFFu);
        }
      std::uint32_t mixed = 0;
      for (int c = 0; c < 3; ++c) mixed |= static_cast<std::uint32_t>((sum[c] + whole / 2) / whole) << (8 * c);
      out[static_cast<std::size_t>(y) * toWidth + x] = mixed;
    }
  }
  return out;
}
