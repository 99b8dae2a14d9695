#include "widgets/music/music_view.h"

#include "core/font_heights.h"

namespace music {

PlayerLayout PlayerLayoutOf(int width, int height, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  auto button = [&](int fromRight) {
    const int left = width - u(fromRight);
    return Rect{left, u(34), left + u(16), u(34) + u(16)};
  };
  // The list reaches down to the bottom edge, its border in view.
  return {{u(2), u(20), width - u(2), u(20) + u(14)},
          {u(2), u(50), width - u(2), height},
          button(36),
          button(18)};
}

int PlayerUsableThickness(bool vertical, int across, Scale scale) {
  const Rect fixedControls{0, 0, scale.Px(kFixedControlsReach.x), scale.Px(kFixedControlsReach.y)};
  const int threeLines = 3 * scale.Px(kNormalFontHeight) + 2 * kThinBorder;
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const PlayerLayout layout = PlayerLayoutOf(size.width, size.height, scale);
    for (const Rect& part : {fixedControls, layout.seekBar, layout.addButton, layout.clearButton, layout.fileList})
      if (!size.Holds(part)) return false;
    return !size.vertical || layout.fileList.Height() >= threeLines;
  });
}

}  // namespace music
