#include "widgets/calc/calc.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/font_heights.h"

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNumberPart(char16_t c) { return IsDigit(c) || c == u'.'; }
bool IsBinaryOperator(char16_t c) { return c == u'^' || c == u'*' || c == u'/' || c == u'+' || c == u'-'; }

// A stack that drops pushes beyond kStackLimit. Its room is fixed, so evaluating
// allocates nothing per operand or operator.
template <class T>
class BoundedStack {
 public:
  void Push(T value) {
    if (size_ < kStackLimit) items_[size_++] = value;
  }
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }
  T Top() const { return items_[size_ - 1]; }
  T Pop() { return items_[--size_]; }

 private:
  std::array<T, kStackLimit> items_;
  std::size_t size_ = 0;
};

// The digits and dots from `start`, converted the way the C library reads a number
// (so 1.2.3 gives 1.2). Returns the index after the token.
std::size_t ReadNumber(std::u16string_view text, std::size_t start, double& value) {
  std::size_t end = start;
  while (end < text.size() && IsNumberPart(text[end])) ++end;
  // Digits and dots only: each unit narrows to its character.
  const std::string token(text.begin() + start, text.begin() + end);
  value = std::strtod(token.c_str(), nullptr);
  return end;
}

double Apply(char16_t op, double a, double b) {
  switch (op) {
    case u'+': return a + b;
    case u'-': return a - b;
    case u'*': return a * b;
    // Division by exactly 0 gives 0 rather than an infinity.
    case u'/': return b == 0.0 ? 0.0 : a / b;
    default: return std::pow(a, b);
  }
}

}  // namespace

int Precedence(char16_t op) {
  switch (op) {
    case u'+':
    case u'-': return 1;
    case u'*':
    case u'/': return 2;
    case u'^': return 3;
    case kNegate: return 4;
    default: return 0;
  }
}

std::u16string ToPostfix(std::u16string_view infix) {
  std::u16string out;
  out.reserve(infix.size() * 2);
  BoundedStack<char16_t> ops;
  bool operandDue = true;
  for (std::size_t i = 0; i < infix.size();) {
    const char16_t c = infix[i];
    if (IsDigit(c)) {
      const std::size_t start = i;
      while (i < infix.size() && IsNumberPart(infix[i])) ++i;
      out.append(infix.substr(start, i - start));
      out.push_back(u' ');
      operandDue = false;
      continue;
    }
    ++i;
    if (c == u'-' && operandDue) {
      // A prefix operator: nothing before it can be its operand, so nothing is popped.
      ops.Push(kNegate);
    } else if (IsBinaryOperator(c)) {
      while (!ops.Empty() && Precedence(ops.Top()) >= Precedence(c)) out.push_back(ops.Pop());
      ops.Push(c);
      operandDue = true;
    } else if (c == u'(') {
      ops.Push(c);
      operandDue = true;
    } else if (c == u')') {
      while (!ops.Empty()) {
        const char16_t top = ops.Pop();
        if (top == u'(') break;
        out.push_back(top);
      }
      operandDue = false;
    }
  }
  while (!ops.Empty()) out.push_back(ops.Pop());
  return out;
}

PostfixResult EvaluatePostfixChecked(std::u16string_view postfix) {
  BoundedStack<double> values;
  bool complete = true;
  for (std::size_t i = 0; i < postfix.size();) {
    const char16_t c = postfix[i];
    if (IsDigit(c)) {
      double number = 0.0;
      i = ReadNumber(postfix, i, number);
      values.Push(number);
      continue;
    }
    ++i;
    if (c == kNegate) {
      if (values.Empty()) complete = false;
      else values.Push(-values.Pop());
    } else if (IsBinaryOperator(c)) {
      if (values.Size() < 2) {
        complete = false;
        continue;
      }
      const double b = values.Pop();
      const double a = values.Pop();
      values.Push(Apply(c, a, b));
    }
  }
  return {values.Empty() ? 0.0 : values.Top(), complete};
}

double EvaluatePostfix(std::u16string_view postfix) { return EvaluatePostfixChecked(postfix).value; }

int ParenthesisDepth(std::u16string_view text) {
  int depth = 0;
  for (char16_t c : text) depth += (c == u'(') - (c == u')');
  return depth;
}

Evaluation Evaluate(std::u16string_view text) {
  const PostfixResult result = EvaluatePostfixChecked(ToPostfix(text));
  return {result.value, result.complete && ParenthesisDepth(text) == 0};
}

std::u16string FormatNumber(double value) {
  // "%f" of the largest double has 309 digits before the point.
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
  std::u16string text(buffer, buffer + (length > 0 ? length : 0));
  if (text.find(u'.') == std::u16string::npos) return text;
  while (!text.empty() && text.back() == u'0') text.pop_back();
  if (!text.empty() && text.back() == u'.') text.pop_back();
  // A result that rounds to zero from below is still zero: no "-0".
  if (text == u"-0") text = u"0";
  return text;
}

std::u16string ResultText(const Evaluation& evaluation, const TextTable& texts) {
  if (!evaluation.valid) return texts[TextId::CalcInvalid];
  return u"= " + FormatNumber(evaluation.value);
}

std::u16string ReinputText(double value) {
  std::u16string text = FormatNumber(value) + u' ';
  // Cut to the box's limit it would be another number.
  if (text.size() > kExpressionLimit) return {};
  return text;
}

CalcLayout CalcLayoutOf(int width, int height, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  const int y = height - u(52) >= u(4) ? (height - u(52)) / 2 : u(2);
  const int buttonRight = width - u(2);
  const int buttonTop = y + u(27);
  return {{u(2), y, width - u(2), y + u(125)},
          {buttonRight - u(16), buttonTop, buttonRight, buttonTop + u(16)},
          u(2)};
}

int CalcUsableThickness(bool vertical, int across, Scale scale) {
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const CalcLayout layout = CalcLayoutOf(size.width, size.height, scale);
    const Rect& button = layout.copyButton;
    // The box as it shows closed, above the result line.
    const Rect box{layout.box.left, layout.box.top, layout.box.right, button.top};
    const Rect line = LineAt(layout.textLeft, button.top, scale.Px(kNormalFontHeight));
    const int margin = scale.Px(2);
    return size.Holds(box, margin) && size.Holds(line, margin) && size.Holds(button, margin);
  });
}
