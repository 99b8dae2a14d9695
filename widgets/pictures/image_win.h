// Pictures through GDI+: fitted drawing and turning a photo upright by its EXIF tag.
// Neither reports errors; a GDI+ failure leaves the picture undrawn or unturned.
#pragma once

#include <windows.h>

namespace Gdiplus {
class Image;
}

// Draws `image` into (0, 0)-(width, height) of hdc, never enlarged, scaled down keeping
// its proportions and centred; with fillMargins the rest is filled with `brush`.
void DrawImageFit(HDC hdc, Gdiplus::Image* image, int width, int height, bool fillMargins, HBRUSH brush);

// Rotates a freshly loaded picture by its EXIF orientation: 3, 6 and 8 only (the
// mirrored orientations are left as they are).
void ApplyExifOrientation(Gdiplus::Image* image);
// The same for a picture loaded from `path`; when GDI+ knows no orientation (as under
// Wine, for any JPEG), the file's own EXIF header tells it.
void ApplyExifOrientation(Gdiplus::Image* image, const wchar_t* path);
