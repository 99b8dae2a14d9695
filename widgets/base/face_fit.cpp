#include "widgets/base/face_fit.h"

namespace {

// Far beyond any face; the search stops there.
constexpr int kSearchLimit = 1000;

}  // namespace

bool FaceSize::Holds(const Rect& part, int margin) const {
  const int from = vertical ? part.top : part.left;
  const int to = vertical ? part.bottom : part.right;
  return from >= margin && from <= to && to <= (vertical ? height : width) - margin;
}

Rect LineAt(int x, int top, int lineHeight) { return {x, top, x, top + lineHeight}; }

int LeastWholeThickness(bool vertical, int across, Scale scale, const std::function<bool(const FaceSize&)>& whole) {
  auto wholeAt = [&](int thickness) {
    return whole(vertical ? FaceSize{across, thickness, true} : FaceSize{thickness, across, false});
  };
  int low = 0;
  int high = scale.Px(kSearchLimit);
  if (!wholeAt(high)) return 0;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (wholeAt(middle))
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}
