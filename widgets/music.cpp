#include "widgets/music.h"

#include <algorithm>

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

std::uint64_t Id3TagLength(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  if (head.size() < kId3HeaderSize || fileSize < kId3HeaderSize) return 0;
  if (head[0] != 'I' || head[1] != 'D' || head[2] != '3') return 0;
  auto signedByte = [&](int i) { return static_cast<std::int64_t>(static_cast<std::int8_t>(head[i])); };
  const std::int64_t length = signedByte(6) * (1 << 21) + signedByte(7) * (1 << 14) + signedByte(8) * (1 << 7) +
                              signedByte(9) + static_cast<std::int64_t>(kId3HeaderSize);
  if (length < static_cast<std::int64_t>(kId3HeaderSize) || static_cast<std::uint64_t>(length) > fileSize) return 0;
  return static_cast<std::uint64_t>(length);
}

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
