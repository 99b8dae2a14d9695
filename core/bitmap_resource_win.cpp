#include "core/bitmap_resource_win.h"

#include <cstring>

#include "core/instance_win.h"
#include "core/packed_dib.h"

gdi::Bitmap LoadBitmapResource(int resourceId) {
  const std::span<const std::uint8_t> dib = ResourceBytes(RT_BITMAP, resourceId);
  if (const std::optional<PackedDibLayout> layout = PackedDibLayoutOf(dib)) {
    void* bits = nullptr;
    gdi::Bitmap copy(CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(dib.data()), DIB_RGB_COLORS,
                                      &bits, nullptr, 0));
    if (copy && bits) {
      std::memcpy(bits, dib.data() + layout->bitsOffset, layout->bitsSize);
      return copy;
    }
  }
  return gdi::Bitmap(static_cast<HBITMAP>(
      LoadImageW(appInstance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}
