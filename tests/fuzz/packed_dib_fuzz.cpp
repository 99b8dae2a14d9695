// A bitmap resource's header says where its pixels are; the copy must stay inside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/packed_dib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto layout = PackedDibLayoutOf(std::span<const std::uint8_t>(data, size));
  if (layout && (layout->bitsOffset > size || layout->bitsSize > size - layout->bitsOffset)) std::abort();
  return 0;
}
