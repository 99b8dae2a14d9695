// Reading, applying and writing a tool window's placement keys in a settings section.
#pragma once

#include <windows.h>

#include "widgets/placement.h"

// The keys of `section`, each missing one taking its value from `defaults`;
// "fullScreen" is read only when withFullScreen is true.
StoredPlacement ReadPlacement(const wchar_t* section, const StoredPlacement& defaults,
                              bool withFullScreen);

// SetWindowPlacement (flags 0) with the normal rectangle and the stored show command
// made safe to open with; this shows the window.
void ApplyPlacement(HWND window, const StoredPlacement& placement);

// Writes the normal rectangle and show command of `placement` (as GetWindowPlacement
// gave it) to `section`, and "fullScreen" when withFullScreen is true.
void WritePlacement(const wchar_t* section, const WINDOWPLACEMENT& placement, bool withFullScreen,
                    bool fullScreen);
