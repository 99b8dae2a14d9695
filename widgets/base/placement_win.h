// Reading, applying and writing a tool window's placement keys in a settings section.
#pragma once

#include <windows.h>

#include "core/scale.h"
#include "core/settings_win.h"
#include "widgets/base/placement.h"

// The keys of `section`, each missing one taking its value from `defaults`;
// "fullScreen" is read only when withFullScreen is true.
StoredPlacement ReadPlacement(CSettings& settings, const wchar_t* section, const StoredPlacement& defaults,
                              bool withFullScreen);

// SetWindowPlacement (flags 0) with the normal rectangle and the stored show command
// made safe to open with; this shows the window. The stored size is in units and
// is scaled by the window's `scale`; the system scales it again if the position
// lies on a monitor of another scale.
void ApplyPlacement(HWND window, const StoredPlacement& placement, Scale scale);

// Writes the normal rectangle and show command of `placement` (as GetWindowPlacement
// gave it, for a window at `scale`) to `section`, and "fullScreen" when withFullScreen
// is true. The position is written as it is, the size in units.
void WritePlacement(CSettings& settings, const wchar_t* section, const WINDOWPLACEMENT& placement, bool withFullScreen,
                    bool fullScreen, Scale scale);
