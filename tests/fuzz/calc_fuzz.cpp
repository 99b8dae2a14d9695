// The calculator evaluates whatever is typed or pasted into its box.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_text.h"
#include "tests/unit/support/built_in_texts.h"
#include "widgets/calc/calc.h"

namespace {

bool IsPostfixUnit(char16_t c) {
  switch (c) {
    case u'.': case u' ': case u'(': case kNegate: case u'+': case u'-': case u'*': case u'/': case u'^': return true;
    default: return c >= u'0' && c <= u'9';
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string input = FuzzText(data, size);
  // The box holds kExpressionLimit units, and that is all the widget evaluates: longer
  // inputs would only make each run slower.
  const std::u16string_view text = std::u16string_view(input).substr(0, kExpressionLimit);

  const std::u16string postfix = ToPostfix(text);
  // Numbers gain one space each; nothing else is added.
  if (postfix.size() > 2 * text.size()) std::abort();
  for (char16_t c : postfix)
    if (!IsPostfixUnit(c)) std::abort();

  const Evaluation evaluation = Evaluate(text);
  if (ParenthesisDepth(text) != 0 && evaluation.valid) std::abort();
  const std::u16string shown = ResultText(evaluation, test_support::KoreanTexts());
  if (shown.empty() || shown.size() > 2 + 320 || shown == u"= -0") std::abort();
  const std::u16string again = ReinputText(evaluation.value);
  if (again.size() > kExpressionLimit) std::abort();

  // Any text read as postfix is still a defined value, past the stack's room too.
  (void)EvaluatePostfix(input);
  return 0;
}
