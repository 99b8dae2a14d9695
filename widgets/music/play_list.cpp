#include "widgets/music/play_list.h"

namespace music {

std::vector<std::u16string> ParseList(std::u16string_view value) {
  std::vector<std::u16string> paths;
  std::size_t start = 0;
  for (std::size_t end = value.find(kSeparator); end != std::u16string_view::npos;
       end = value.find(kSeparator, start)) {
    if (end - start <= kMaxPathChars) paths.emplace_back(value.substr(start, end - start));
    start = end + 1;
  }
  return paths;
}

bool PlayList::Append(std::u16string_view path) {
  if (path.size() > kMaxPathChars) return false;
  auto* entry = new Path{};
  std::copy(path.begin(), path.end(), entry->begin());
  entries_.Append(entry);
  return true;
}

void PlayList::Clear() {
  for (Path* entry : entries_) delete entry;
  entries_.Clear();
}

std::u16string PlayList::Format() const {
  std::u16string value;
  for (const Path* entry : entries_) {
    value += entry->data();
    value += kSeparator;
  }
  return value;
}

}  // namespace music
