// The calculator's arithmetic without a window: infix text to postfix text with an
// operator stack, postfix text to a double with a value stack, and the number text
// the widget shows, re-inputs and copies. calc_win draws and routes the keys.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"
#include "widgets/base/face_fit.h"

// What the box holds and what is evaluated: 255 characters.
inline constexpr std::size_t kExpressionLimit = 255;
// Both stacks keep at most this many entries; a push onto a full stack is dropped.
inline constexpr std::size_t kStackLimit = 256;

// A '-' where an operand is due (at the start, after '(' or after another operator)
// negates the operand that follows; the postfix text writes it as this character.
inline constexpr char16_t kNegate = u'~';

// Precedence of an operator character: + - 1, * / 2, ^ 3, the negation 4, '(' 0.
int Precedence(char16_t op);

std::u16string ToPostfix(std::u16string_view infix);

// The value of a postfix text and whether every operator found its operands (an
// operator short of them is skipped, so the value is still defined).
struct PostfixResult {
  double value = 0.0;
  bool complete = true;
};
PostfixResult EvaluatePostfixChecked(std::u16string_view postfix);
// The top of the value stack at the end, or 0 when it is empty.
double EvaluatePostfix(std::u16string_view postfix);

// Number of '(' minus number of ')'.
int ParenthesisDepth(std::u16string_view text);

// One evaluation of the box's text: the value is computed even for a text that is
// rejected, so that copy and re-input can still use it.
struct Evaluation {
  double value = 0.0;
  bool valid = true;  // balanced parentheses and no operator short of operands
};
Evaluation Evaluate(std::u16string_view text);

// "%f" without trailing zeros and without a trailing '.': 3.5, 2, 0.125, -4; what
// rounds to zero is 0, whatever its sign.
std::u16string FormatNumber(double value);
// "= 7", or the error text for a rejected evaluation. As long as the number needs.
std::u16string ResultText(const Evaluation& evaluation, const TextTable& texts);
// The number and one space; empty when that would not fit the box.
std::u16string ReinputText(double value);

// Places in the widget's client area of the given size.
struct CalcLayout {
  Rect box;         // the height includes the drop-down list
  Rect copyButton;  // the result text is written at its top, from x = textLeft
  int textLeft = 2;
};
CalcLayout CalcLayoutOf(int width, int height, Scale scale = {});
// The least thickness at which the box, the result line and the copy button lie inside
// the widget, as clear of its edges as the box is at the top (face_fit.h).
int CalcUsableThickness(bool vertical, int across, Scale scale);
