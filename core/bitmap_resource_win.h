// A bitmap resource of the program as a DIB section.
#pragma once

#include "core/gdi_win.h"

// The resource's pixels copied into a new DIB section with its own header and colours,
// as LoadImageW with LR_CREATEDIBSECTION makes it, at a third of the cost under Wine (the
// faces of the bar's buttons and tidgets are loaded while it first paints). A resource
// of a form the copy does not take is left to LoadImageW. Null when there is none.
gdi::Bitmap LoadBitmapResource(int resourceId);
