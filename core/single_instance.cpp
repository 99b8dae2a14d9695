#include "core/single_instance.h"

#include <cstdint>

namespace {

constexpr std::u16string_view kObjectPrefix = u"Local\\Pelgra-";

bool IsSeparator(char16_t unit) { return unit == u'\\' || unit == u'/'; }

// A drive root keeps its separator ("C:\\"), any other folder loses a closing one.
std::u16string NormalPath(std::u16string_view path) {
  std::u16string normal;
  for (std::size_t i = 0; i < path.size(); ++i) {
    char16_t unit = path[i];
    if (IsSeparator(unit)) {
      // A network path's leading pair is its own kind of path, not a doubled separator.
      if (!normal.empty() && normal.back() == u'\\' && i != 1) continue;
      unit = u'\\';
    } else if (unit >= u'a' && unit <= u'z') {
      unit = static_cast<char16_t>(unit - u'a' + u'A');
    }
    normal.push_back(unit);
  }
  const bool driveRoot = normal.size() == 3 && normal[1] == u':';
  if (normal.size() > 1 && normal.back() == u'\\' && !driveRoot) normal.pop_back();
  return normal;
}

// FNV-1a over the UTF-16 units, 64 bits: stable across runs and builds, as a name
// shared between processes must be.
std::uint64_t Hash(std::u16string_view text) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const char16_t unit : text) {
    hash ^= static_cast<std::uint64_t>(unit);
    hash *= 0x100000001b3u;
  }
  return hash;
}

}  // namespace

std::u16string InstanceObjectName(std::u16string_view folderPath) {
  std::u16string name(kObjectPrefix);
  const std::uint64_t hash = Hash(NormalPath(folderPath));
  for (int shift = 60; shift >= 0; shift -= 4) name.push_back(u"0123456789ABCDEF"[(hash >> shift) & 0xF]);
  return name;
}

StartStep NextStartStep(bool created, bool barKnown, bool timeLeft) {
  if (created) return StartStep::kRunBar;
  if (barKnown) return StartStep::kWakeRunningBar;
  return timeLeft ? StartStep::kWait : StartStep::kGiveUp;
}
