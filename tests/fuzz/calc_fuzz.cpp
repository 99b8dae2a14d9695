// The calculator evaluates whatever is typed or pasted into its box.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "widgets/calc.h"

namespace {

bool IsPostfixUnit(char16_t c) {
  return (c >= u'0' && c <= u'9') || c == u'.' || c == u' ' || c == u'(' || c == kNegate ||
         std::u16string_view(u"+-*/^").find(c) != std::u16string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));

  const std::u16string postfix = ToPostfix(text);
  // Numbers gain one space each; nothing else is added.
  if (postfix.size() > 2 * text.size()) std::abort();
  for (char16_t c : postfix)
    if (!IsPostfixUnit(c)) std::abort();

  const Evaluation evaluation = Evaluate(text);
  if (ParenthesisDepth(text) != 0 && evaluation.valid) std::abort();
  const std::u16string shown = ResultText(evaluation);
  if (shown.empty() || shown.size() > 2 + 320) std::abort();
  const std::u16string again = ReinputText(evaluation.value);
  if (again.size() > kExpressionLimit) std::abort();

  // The box's text may itself be read as postfix: still a defined value.
  (void)EvaluatePostfix(text);
  return 0;
}
