#include "app/autostart.h"

namespace {

char16_t Folded(char16_t c) {
  if (c == u'/') return u'\\';
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
  return c;
}

}  // namespace

std::u16string RunCommandFor(std::u16string_view programPath) {
  std::u16string command = u"\"";
  command += programPath;
  command += u'"';
  return command;
}

std::u16string_view RunCommandProgram(std::u16string_view command) {
  const std::size_t first = command.find_first_not_of(u" \t");
  if (first == std::u16string_view::npos) return {};
  command.remove_prefix(first);
  if (command.front() == u'"') {
    command.remove_prefix(1);
    return command.substr(0, command.find(u'"'));
  }
  return command.substr(0, command.find_last_not_of(u" \t") + 1);
}

bool SamePath(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

AutostartChange AutostartChangeFor(bool registered, bool checked) {
  if (checked && !registered) return AutostartChange::Register;
  if (!checked && registered) return AutostartChange::Remove;
  return AutostartChange::None;
}
