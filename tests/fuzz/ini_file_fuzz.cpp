// The settings file is judged and read at every start, whatever a cut write or another
// program left in it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/ini_file.h"
#include "core/ini_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const bool torn = IniLooksTorn(bytes);
  // The values a start reads come from the same bytes.
  IniValues values;
  if (values.Parse(bytes))
    for (std::u16string_view section : {u"main", u"", u"a"})
      if (const std::u16string* value = values.Find(section, u"a")) {
        if (ProfileCopy(*value, 3).size() > 2) std::abort();
        ProfileInt(value, 0);
      }
  const bool marked = size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF));
  if (marked) return 0;
  // Zero bytes in front of unmarked text change nothing; a section line after it always counts.
  if (IniLooksTorn(std::string(8, '\0') + std::string(bytes)) != torn) std::abort();
  if (IniLooksTorn(std::string(bytes) + "\n[a]")) std::abort();
  return 0;
}
