// Resampling of the pixel-art faces (button and tidget bitmaps) to a display scale.
// Each target pixel takes the average of the source pixels it covers, weighted by
// the area it covers of each. At a whole multiple every source pixel becomes a
// solid block (nothing blurs); at 125 % or 150 % a block's inner pixels keep their
// colour exactly and only the one pixel where two blocks meet mixes them, so lines
// stay sharp and keep an even width, which nearest-pixel stretching does not do.
#pragma once

#include <cstdint>
#include <vector>

// Pixels are 0x00RRGGBB, rows top to bottom. The result has toWidth × toHeight
// pixels; an empty or mis-sized source, or a target of no pixels, gives a black one
// (or nothing).
std::vector<std::uint32_t> ResamplePixelArt(const std::vector<std::uint32_t>& source, int width, int height,
                                            int toWidth, int toHeight);
