#include "widgets/pictures/image_win.h"

#include <gdiplus.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include "core/file_win.h"
#include "core/geometry_win.h"
#include "widgets/pictures/exif.h"
#include "widgets/pictures/image_fit.h"

namespace {

constexpr PROPID kOrientationTag = 0x0112;  // PropertyTagOrientation

// The last orientation tag among the picture's properties; nothing when it has none.
std::optional<int> PropertyOrientation(Gdiplus::Image& image) {
  UINT totalSize = 0, itemCount = 0;
  if (image.GetPropertySize(&totalSize, &itemCount) != Gdiplus::Ok || totalSize == 0 || itemCount == 0)
    return std::nullopt;
  // PropertyItem holds pointers, so the buffer is allocated with their alignment.
  const std::size_t slots = (totalSize + sizeof(Gdiplus::PropertyItem) - 1) / sizeof(Gdiplus::PropertyItem);
  std::unique_ptr<Gdiplus::PropertyItem[]> buffer(new (std::nothrow) Gdiplus::PropertyItem[slots]);
  if (!buffer || image.GetAllPropertyItems(totalSize, itemCount, buffer.get()) != Gdiplus::Ok) return std::nullopt;
  std::optional<int> orientation;
  for (UINT i = 0; i < itemCount; ++i) {
    const Gdiplus::PropertyItem& item = buffer[i];
    if (item.id != kOrientationTag || item.length < sizeof(std::uint16_t) || !item.value) continue;
    std::uint16_t value = 0;
    std::memcpy(&value, item.value, sizeof value);
    orientation = value;
  }
  return orientation;
}

void TurnUpright(Gdiplus::Image& image, int orientation) {
  switch (orientation) {
    case 3: image.RotateFlip(Gdiplus::Rotate180FlipNone); break;
    case 6: image.RotateFlip(Gdiplus::Rotate90FlipNone); break;
    case 8: image.RotateFlip(Gdiplus::Rotate270FlipNone); break;
    default: break;
  }
}

}  // namespace

void DrawImageFit(HDC hdc, Gdiplus::Image* image, int width, int height, bool fillMargins, HBRUSH brush) {
  Gdiplus::Graphics graphics(hdc);
  // A picture that cannot tell its size has no pixels: only the margins are drawn.
  const int w = image ? static_cast<int>(image->GetWidth()) : 0;
  const int h = image ? static_cast<int>(image->GetHeight()) : 0;
  const Rect at = FitImageRect(w, h, width, height);
  if (image && at.Width() > 0 && at.Height() > 0) {
    graphics.DrawImage(image, at.left, at.top, at.Width(), at.Height());
    // The margins are GDI fills on the same DC: GDI+ must be done with it first.
    graphics.Flush(Gdiplus::FlushIntentionSync);
  }
  if (!fillMargins) return;
  for (const Rect& margin : FitMargins(at, width, height)) {
    const RECT area = ToRECT(margin);
    FillRect(hdc, &area, brush);
  }
}

void ApplyExifOrientation(Gdiplus::Image* image) {
  if (image) TurnUpright(*image, PropertyOrientation(*image).value_or(1));
}

void ApplyExifOrientation(Gdiplus::Image* image, const wchar_t* path) {
  if (!image) return;
  std::optional<int> orientation = PropertyOrientation(*image);
  // Read, not decoded again: the header is in the first segments of the file.
  if (!orientation && path) orientation = JpegOrientation(ReadFileStart(path, kExifPrefixLimit));
  TurnUpright(*image, orientation.value_or(1));
}
