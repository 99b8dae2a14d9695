// Pictures loaded once and drawn fitted many times: a photo is decoded when it is
// chosen, scaled once to the size it is shown at, and every later repaint copies
// the scaled copy. Shared by the slide show, the image viewer and the reference image.
#pragma once

#include <windows.h>

#include <memory>

#include "core/gdi_win.h"
#include "core/geometry.h"

namespace Gdiplus {
class Image;
}

struct PictureDeleter {
  void operator()(Gdiplus::Image* image) const;
};
using Picture = std::unique_ptr<Gdiplus::Image, PictureDeleter>;

// The picture of a file, turned upright by its EXIF orientation. A file that cannot
// be read still gives a picture, one without pixels (it draws nothing).
Picture LoadPicture(const wchar_t* path);

// A picture scaled into a box as DrawImageFit places it, kept until the picture or
// the box changes. Over a transparent picture the brush shows, as it would under
// DrawImageFit on a filled background; without a brush, black.
class FittedPicture {
 public:
  // Draws into (0, 0)-(width, height); the margins get the brush when fillMargins.
  void Draw(HDC dc, Gdiplus::Image* image, int width, int height, bool fillMargins, HBRUSH brush);
  // Scales now for a box, so the next Draw of that size only copies.
  void Prepare(HDC dc, Gdiplus::Image* image, int width, int height, HBRUSH brush);
  // The picture changed: the next Draw scales again.
  void Reset();

 private:
  gdi::Bitmap scaled_;
  Rect at_;
  Gdiplus::Image* image_ = nullptr;
  HBRUSH brush_ = nullptr;
  int width_ = -1;
  int height_ = -1;
};
