#include "core/bitmap_resource_win.h"

#include <cstring>
#include <span>

#include "core/instance_win.h"
#include "core/packed_dib.h"

namespace {

std::span<const std::uint8_t> ResourceBytes(int resourceId) {
  HRSRC found = FindResourceW(appInstance, MAKEINTRESOURCEW(resourceId), RT_BITMAP);
  HGLOBAL loaded = found ? LoadResource(appInstance, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(appInstance, found)};
}

}  // namespace

gdi::Bitmap LoadBitmapResource(int resourceId) {
  const std::span<const std::uint8_t> dib = ResourceBytes(resourceId);
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
