#include "widgets/placement_win.h"

#include "core/geometry_win.h"
#include "core/settings_win.h"

StoredPlacement ReadPlacement(const wchar_t* section, const StoredPlacement& defaults,
                              bool withFullScreen) {
  StoredPlacement stored;
  stored.normal.left = settings.GetInt(section, L"left", defaults.normal.left);
  stored.normal.top = settings.GetInt(section, L"top", defaults.normal.top);
  stored.normal.right = settings.GetInt(section, L"right", defaults.normal.right);
  stored.normal.bottom = settings.GetInt(section, L"bottom", defaults.normal.bottom);
  stored.showCmd = settings.GetInt(section, L"showCmd", defaults.showCmd);
  stored.fullScreen =
      withFullScreen && settings.GetInt(section, L"fullScreen", defaults.fullScreen ? 1 : 0) != 0;
  return stored;
}

void ApplyPlacement(HWND window, const StoredPlacement& placement) {
  WINDOWPLACEMENT applied{};
  applied.length = sizeof applied;
  applied.flags = 0;
  applied.showCmd = static_cast<UINT>(OpenShowCmd(placement.showCmd));
  applied.rcNormalPosition = ToRECT(placement.normal);
  SetWindowPlacement(window, &applied);
}

void WritePlacement(const wchar_t* section, const WINDOWPLACEMENT& placement, bool withFullScreen,
                    bool fullScreen) {
  const RECT& normal = placement.rcNormalPosition;
  settings.SetInt(section, L"left", normal.left);
  settings.SetInt(section, L"top", normal.top);
  settings.SetInt(section, L"right", normal.right);
  settings.SetInt(section, L"bottom", normal.bottom);
  settings.SetInt(section, L"showCmd", static_cast<int>(placement.showCmd));
  if (withFullScreen) settings.SetInt(section, L"fullScreen", fullScreen ? 1 : 0);
}
