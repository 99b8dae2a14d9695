// The number fields of the widget selection dialog take whatever the user types or pastes.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_text.h"
#include "app/select_dialogs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = FuzzText(data, size);

  const int value = ParseUnsignedField(text);
  if (value < 0) std::abort();
  const int thickness = ThicknessFromField(text, 30, 300);
  if (thickness < 30 || thickness > 300) std::abort();
  if (RatioFromField(text, true) != value || RatioFromField(text, false) != -value) std::abort();

  // A shown ratio reads back as the same ratio under its own radio button.
  const int ratio = RatioFromField(text, (value & 1) != 0);
  if (RatioFromField(RatioMagnitudeText(ratio), !IsFixedRatio(ratio)) != ratio) std::abort();
  return 0;
}
