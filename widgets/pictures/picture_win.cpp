#include "widgets/pictures/picture_win.h"

#include <gdiplus.h>

#include "core/geometry_win.h"
#include "core/gdiplus_win.h"
#include "widgets/pictures/image_fit.h"
#include "widgets/pictures/image_win.h"

void PictureDeleter::operator()(Gdiplus::Image* image) const { delete image; }

Picture LoadPicture(const wchar_t* path) {
  gdiplus_session::Start();
  Picture picture(new Gdiplus::Image(path ? path : L""));
  ApplyExifOrientation(picture.get(), path);
  return picture;
}

void FittedPicture::Reset() {
  scaled_.reset();
  image_ = nullptr;
  brush_ = nullptr;
  width_ = height_ = -1;
}

void FittedPicture::Prepare(HDC dc, Gdiplus::Image* image, int width, int height, HBRUSH brush) {
  if (image == image_ && width == width_ && height == height_ && brush == brush_) return;
  Reset();
  image_ = image;
  brush_ = brush;
  width_ = width;
  height_ = height;
  const int w = image ? static_cast<int>(image->GetWidth()) : 0;
  const int h = image ? static_cast<int>(image->GetHeight()) : 0;
  at_ = FitImageRect(w, h, width, height);
  if (at_.Width() <= 0 || at_.Height() <= 0) return;
  scaled_ = gdi::CompatibleBitmap(dc, at_.Width(), at_.Height());
  if (!scaled_) return;
  gdi::MemoryDC memory(dc);
  gdi::Selection selected(memory, scaled_);
  const RECT whole{0, 0, at_.Width(), at_.Height()};
  FillRect(memory, &whole, brush ? brush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  Gdiplus::Graphics graphics(memory);
  graphics.DrawImage(image, 0, 0, at_.Width(), at_.Height());
}

void FittedPicture::Draw(HDC dc, Gdiplus::Image* image, int width, int height, bool fillMargins,
                         HBRUSH brush) {
  Prepare(dc, image, width, height, brush);
  if (scaled_) {
    gdi::MemoryDC memory(dc);
    gdi::Selection selected(memory, scaled_);
    BitBlt(dc, at_.left, at_.top, at_.Width(), at_.Height(), memory, 0, 0, SRCCOPY);
  }
  if (!fillMargins) return;
  if (!brush) brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (const Rect& margin : FitMargins(at_, width, height)) {
    const RECT area = ToRECT(margin);
    FillRect(dc, &area, brush);
  }
}
