#include "widgets/music/music_view.h"

namespace music {

PlayerLayout PlayerLayoutOf(int width, int height, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  auto button = [&](int fromRight) {
    const int left = width - u(fromRight);
    return Rect{left, u(34), left + u(16), u(34) + u(16)};
  };
  // The list runs 2 units past the bottom edge, as it always has: its border is hidden.
  return {{u(2), u(20), width - u(2), u(20) + u(14)},
          {u(2), u(50), width - u(2), u(50) + height - u(48)},
          button(36),
          button(18)};
}

}  // namespace music
