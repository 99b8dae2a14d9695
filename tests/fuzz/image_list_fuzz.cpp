// The stored "ImageList" comes from a file the user may edit by hand.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_text.h"
#include "widgets/slide/slide.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string stored = FuzzText(data, size);

  PathList paths;
  ReadImageList(stored, paths);
  for (std::int32_t i = 0; i < paths.Count(); ++i) {
    const std::u16string_view path = paths.At(i);
    if (path.empty() || path.size() >= kPathRoom) std::abort();
    if (path.find(kImageListSeparator) != std::u16string_view::npos) std::abort();
  }
  // What we write reads back the same.
  const std::u16string text = ImageListText(paths);
  PathList again;
  ReadImageList(text, again);
  if (again.Count() != paths.Count() || ImageListText(again) != text) std::abort();
  return 0;
}
