#include "tidgets/sizemeter.h"

#include "core/text.h"

namespace {

constexpr ClientSize kStandardSizes[] = {
    {320, 240},   {640, 480},   {800, 600},   {1024, 768},  {1280, 1024},
    {1600, 1200}, {1920, 1080}, {2560, 1440}, {3840, 2160},
};

}  // namespace

std::optional<ClientSize> StandardClientSize(unsigned virtualKey) {
  if (virtualKey < '1' || virtualKey > '9') return std::nullopt;
  return kStandardSizes[virtualKey - '1'];
}

std::u16string SizeLine(int width, int height) { return FormatInt(width) + u" x " + FormatInt(height); }
