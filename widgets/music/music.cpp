#include "widgets/music/music.h"

#include <algorithm>

namespace music {

bool IsSoundFile(std::u16string_view path) {
  const std::size_t nameStart = path.find_last_of(u"\\/:");
  const std::u16string_view name = nameStart == std::u16string_view::npos ? path : path.substr(nameStart + 1);
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return false;
  std::u16string extension(name.substr(dot));
  for (char16_t& c : extension)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return extension == u".mp3" || extension == u".wav";
}

namespace {

int Neighbour(Step step, int current, int count) {
  if (current >= count) return 0;
  if (step == Step::kNext) return current < 0 || current == count - 1 ? 0 : current + 1;
  return current <= 0 ? count - 1 : current - 1;
}

}  // namespace

int ChooseEntry(Step step, int current, int count, bool random, int (*draw)()) {
  if (count <= 0) return -1;
  if (!random) return Neighbour(step, current, count);
  if (count == 1) return 0;
  int pick = current;
  while (pick == current) pick = draw() % count;
  return pick;
}

int StepSelection(Step step, int selected, int count) {
  if (selected == -1 || count <= 0) return -1;
  return Neighbour(step, selected, count);
}

int ValidGroup(int group) { return group >= 0 && group < kListCount ? group : 0; }

int SkipRound::AfterFailure(int failed, int count) {
  ++failures_;
  if (count <= 0 || failures_ >= count) return -1;
  const int next = Neighbour(step_, failed, count);
  return next == start_ ? -1 : next;
}

std::vector<std::u16string> DialogSelection(const char16_t* buffer, std::size_t capacity) {
  std::vector<std::u16string> paths;
  if (!buffer || capacity == 0) return paths;
  const std::u16string_view all(buffer, capacity);
  auto stringAt = [&](std::size_t at) {
    const std::size_t end = all.find(u'\0', at);
    return all.substr(at, end == std::u16string_view::npos ? std::u16string_view::npos : end - at);
  };
  const std::u16string_view first = stringAt(0);
  if (first.empty()) return paths;
  std::size_t at = first.size() + 1;
  if (at >= capacity || all[at] == u'\0') {
    if (first.size() <= kMaxPathChars) paths.emplace_back(first);
    return paths;
  }
  while (at < capacity && all[at] != u'\0') {
    const std::u16string_view name = stringAt(at);
    std::u16string path(first);
    if (path.back() != u'\\') path += u'\\';  // a drive's root already ends in one
    path += name;
    if (path.size() <= kMaxPathChars) paths.push_back(std::move(path));
    at += name.size() + 1;
  }
  return paths;
}

}  // namespace music
