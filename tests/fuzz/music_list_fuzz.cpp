// Stored play lists and the first bytes of a sound file both come from outside:
// the list from a settings file the user may edit, the header from any file dropped.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "tests/fuzz/fuzz_text.h"
#include "widgets/music/music.h"
#include "widgets/music/music_copy.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string value = FuzzText(data, size);

  music::PlayList list;
  for (const std::u16string& path : music::ParseList(value)) {
    if (path.size() > music::kMaxPathChars || path.find(music::kSeparator) != std::u16string::npos) std::abort();
    if (!list.Append(path)) std::abort();
  }
  // What we write must read back the same.
  const std::u16string written = list.Format();
  music::PlayList again;
  for (const std::u16string& path : music::ParseList(written)) again.Append(path);
  if (again.Format() != written) std::abort();

  for (const std::u16string& path : music::DialogSelection(value.data(), value.size()))
    if (path.size() > music::kMaxPathChars) std::abort();

  const std::span<const std::uint8_t> head(data, size < music::kId3HeaderSize ? size : music::kId3HeaderSize);
  for (std::uint64_t fileSize : {std::uint64_t{size}, std::uint64_t{0}, std::uint64_t{1} << 40}) {
    const std::uint64_t tag = music::Id3TagLength(head, fileSize);
    if (tag != 0 && (tag < music::kId3HeaderSize || tag > fileSize)) std::abort();
  }
  return 0;
}
