// Process-wide pieces of the bar that widgets, tidgets and dialogs share.
#pragma once

#include <windows.h>

#include "core/gdi_win.h"
#include "core/scale.h"

// The bar's window while it exists (set by the bar when it is created, null after).
extern HWND barHandle;

// The one modeless settings popup that is open (null when none); the message loop
// gives it keyboard navigation.
extern HWND activeDialog;

// Shared fonts, made by the bar when it is created (heights 15, 12 and 28 units) at
// the bar's scale, and made again when that changes.
extern gdi::Font normalFont;
extern gdi::Font smallFont;
extern gdi::Font largeFont;
// Makes and frees the three; the bar calls them from its creation and destruction.
void CreateSharedFonts(Scale scale = {});
void ReleaseSharedFonts();

// A font of the shared fonts' face and options, `pixelHeight` pixels high (a cell
// height), its text turned by `escapement` tenths of a degree. Tool windows make
// theirs with it at their own scale.
gdi::Font SharedFamilyFont(int pixelHeight, int escapement = 0);

// The shared face as high as a device context's default font, for `window`'s scale.
// Texts that used to take the default font keep their size and place and get the
// Hangul the default font lacks on most systems.
gdi::Font DefaultHeightSharedFont(HWND window);

// Puts a top-level window 5 pixels beside the bar, lined up with the bar position
// (offsetX, offsetY); only offsetY counts on a vertical bar, only offsetX on a
// horizontal one.
void PlaceNextToBar(HWND window, int offsetX, int offsetY);
