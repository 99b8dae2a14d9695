#include "widgets/slide/slide.h"

#include <algorithm>

#include "core/text.h"

void ReadImageList(std::u16string_view stored, PathList& paths) {
  for (std::size_t end; (end = stored.find(kImageListSeparator)) != std::u16string_view::npos;) {
    paths.Append(stored.substr(0, end));
    stored.remove_prefix(end + 1);
  }
}

std::u16string ImageListText(const PathList& paths) {
  std::u16string text;
  for (std::int32_t i = 0; i < paths.Count(); ++i) {
    text += paths.At(i);
    text += kImageListSeparator;
  }
  return text;
}

std::int32_t NextInOrder(std::int32_t current, std::int32_t count) {
  if (count <= 0) return -1;
  return current < 0 || current + 1 >= count ? 0 : current + 1;
}

std::int32_t NextAtRandom(std::int32_t current, std::int32_t count, const std::function<int()>& draw) {
  if (count <= 0) return -1;
  std::int32_t next;
  do {
    // rand() is never negative, but a draw is only trusted to be an int.
    next = static_cast<std::int32_t>(static_cast<unsigned>(draw()) % static_cast<unsigned>(count));
  } while (next == current && count > 1);
  return next;
}

bool IsSlideExtension(std::u16string_view extension) {
  return EqualsIgnoreCaseAscii(extension, u".jpg") || EqualsIgnoreCaseAscii(extension, u".png");
}

std::u16string_view FileNameOf(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

int ClampInterval(int seconds) { return std::clamp(seconds, 1, 300); }

int SelectionAfterDelete(int deleted, int countAfter) {
  if (countAfter <= 0) return -1;
  return std::clamp(deleted, 0, countAfter - 1);
}

std::int32_t FollowShown(const std::vector<std::int32_t>& origins, std::int32_t current) {
  if (current < 0) return -1;
  const auto found = std::find(origins.begin(), origins.end(), current);
  return found == origins.end() ? -1 : static_cast<std::int32_t>(found - origins.begin());
}

Rect HintBox(const Rect& client, Scale scale) {
  return {client.left + scale.Px(2), client.top + scale.Px(5), client.right - scale.Px(2),
          client.bottom - scale.Px(5)};
}

Point FileNameAnchor(const Rect& client, Scale scale) {
  return {client.right / 2, client.bottom - scale.Px(2)};
}
