#include "widgets/memo/memo_viewer.h"

MemoWindowLayout MemoWindowLayoutOf(int width, int height, int captionUnits, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  MemoWindowLayout layout;
  layout.caption = u(captionUnits);
  auto button = [&](int fromRight) {
    const int left = width - u(fromRight);
    return Rect{left, u(4), left + u(16), u(4) + u(16)};
  };
  layout.closeButton = button(20);
  layout.propertiesButton = button(40);
  layout.edit = {0, layout.caption, width, height};
  layout.rule = {u(5), layout.caption - u(1), width - u(5), layout.caption};
  layout.titleLeft = u(4);
  layout.titleMiddle = layout.caption / 2;
  return layout;
}
