#include "core/settings_path.h"

std::u16string IniPathFor(std::u16string_view modulePath) {
  if (modulePath.empty()) return {};
  std::size_t nameStart = modulePath.find_last_of(u"\\/");
  nameStart = nameStart == std::u16string_view::npos ? 0 : nameStart + 1;
  std::size_t dot = modulePath.rfind(u'.');
  std::u16string path(modulePath);
  if (dot == std::u16string_view::npos || dot < nameStart) {
    path += u".ini";
  } else {
    path.resize(dot + 1);
    path += u"ini";
  }
  return path;
}
