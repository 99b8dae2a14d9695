// Stored widget and tidget lines come from a file the user may edit by hand.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/fuzz_text.h"
#include "core/records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string line = FuzzText(data, size);

  WidgetInfo widget = ParseWidgetLine(line);
  TidgetInfo tidget = ParseTidgetLine(line);
  for (const NameField* field : {&widget.caption, &widget.kind, &widget.name, &tidget.name})
    if ((*field)[kNameField - 1] != u'\0') std::abort();
  if (LineToSave(widget) != line || LineToSave(tidget) != line) std::abort();

  // What we write must read back the same.
  std::u16string formatted = FormatWidgetLine(widget);
  WidgetInfo again = ParseWidgetLine(formatted);
  if (FormatWidgetLine(again) != formatted) std::abort();
  if (again.ratio != widget.ratio || again.bgColor != widget.bgColor || again.visible != widget.visible)
    std::abort();
  return 0;
}
