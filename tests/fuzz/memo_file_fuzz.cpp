// The memo file is read at every start and may be damaged or written by anything.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "widgets/memo/memo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoSet set;
  DecodeMemoFile(std::span<const std::uint8_t>(data, size), set);
  if (set.current < -1 || set.current >= set.Count()) std::abort();
  std::size_t held = 0;
  for (const MemoRecord* memo : set.memos) {
    if (memo->title[kMemoTitleUnits - 1] != u'\0' || memo->faceName[kMemoFaceUnits - 1] != u'\0') std::abort();
    if (memo->textCapacity < 1 || memo->text[memo->textCapacity - 1] != u'\0') std::abort();
    held += kMemoBlockBytes + 2 * static_cast<std::size_t>(memo->textCapacity);
  }
  if (held > size) std::abort();

  // What was read writes out and reads back unchanged.
  const std::vector<std::uint8_t> written = EncodeMemoFile(set);
  MemoSet again;
  if (DecodeMemoFile(written, again) != MemoDecode::kRead || EncodeMemoFile(again) != written) std::abort();
  return 0;
}
