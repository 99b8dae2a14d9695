#include "widgets/base/placement_win.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "core/geometry_win.h"
#include "core/settings_win.h"

namespace {

// `start` plus a length converted between units and pixels; the stored numbers are
// not range-checked, so the sum is kept inside int.
int Beyond(int start, std::int64_t length) {
  const std::int64_t end = std::int64_t{start} + length;
  return static_cast<int>(std::clamp<std::int64_t>(end, INT_MIN, INT_MAX));
}

}  // namespace

StoredPlacement ReadPlacement(CSettings& settings, const wchar_t* section, const StoredPlacement& defaults,
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

void ApplyPlacement(HWND window, const StoredPlacement& placement, Scale scale) {
  WINDOWPLACEMENT applied{};
  applied.length = sizeof applied;
  applied.flags = 0;
  applied.showCmd = static_cast<UINT>(OpenShowCmd(placement.showCmd));
  const Rect& r = placement.normal;
  applied.rcNormalPosition = RECT{r.left, r.top, Beyond(r.left, scale.Px(std::int64_t{r.right} - r.left)),
                                  Beyond(r.top, scale.Px(std::int64_t{r.bottom} - r.top))};
  SetWindowPlacement(window, &applied);
}

void WritePlacement(CSettings& settings, const wchar_t* section, const WINDOWPLACEMENT& placement, bool withFullScreen,
                    bool fullScreen, Scale scale) {
  CSettings::WriteBatch batch(settings);
  const RECT& normal = placement.rcNormalPosition;
  settings.SetInt(section, L"left", normal.left);
  settings.SetInt(section, L"top", normal.top);
  settings.SetInt(section, L"right", Beyond(normal.left, scale.Units(std::int64_t{normal.right} - normal.left)));
  settings.SetInt(section, L"bottom", Beyond(normal.top, scale.Units(std::int64_t{normal.bottom} - normal.top)));
  settings.SetInt(section, L"showCmd", static_cast<int>(placement.showCmd));
  if (withFullScreen) settings.SetInt(section, L"fullScreen", fullScreen ? 1 : 0);
}
