// The radix converter reads whatever is typed or pasted into its three fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_text.h"
#include "widgets/radix/radix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = FuzzText(data, size);

  for (int base : {2, 10, 16}) {
    const std::uint32_t value = ReadRadixField(base, text);
    // What one field shows, the same field reads back as the same value.
    const std::u16string shown = FormatInBase(value, base);
    if (shown.empty() || shown.size() > 32 || ReadRadixField(base, shown) != value) std::abort();
    if (shown.size() > 1 && shown[0] == u'0') std::abort();
    // Typing more text after a value never reads as something shorter than a prefix.
    if (ReadRadixField(base, u" " + text) != value) std::abort();
  }
  return 0;
}
