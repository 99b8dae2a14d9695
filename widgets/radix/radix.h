// The radix converter's numbers without a window: how each field's text reads as
// an unsigned 32-bit value, how a value is written in a base, and where the fields
// and their labels go. radix_win owns the edits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/scale.h"
#include "widgets/base/face_fit.h"

// The decimal field reads like GetDlgItemInt without sign: leading blanks, an optional
// '+', digits up to the first other character. A leading '-', no digits or a value
// above 4294967295 give 0.
std::uint32_t ReadDecimalField(std::u16string_view text);

// The binary and hexadecimal fields read like the C library's wcstoul with a 32-bit
// unsigned long: leading blanks, a sign, "0x" in base 16, digits up to the first other
// character; an overflow gives 4294967295 and a '-' negates modulo 2^32.
std::uint32_t ReadUnsignedLong(std::u16string_view text, int base);

// The value of a field whose control id is its base (2, 10 or 16).
std::uint32_t ReadRadixField(int base, std::u16string_view text);

// Lower case, no prefix, no leading zeros; 0 is "0". Base 2, 10 or 16.
std::u16string FormatInBase(std::uint32_t value, int base);

// The other two bases, in the order they are rewritten.
struct OtherBases {
  int first;
  int second;
};
OtherBases OtherBasesOf(int base);

// The fields and the centre-top anchors of their labels for a client area of the
// given size; halfLabelHeight is half the label text's height.
struct RadixLayout {
  Rect bin;
  Rect dec;
  Rect hex;
  Point binLabel;
  Point decLabel;
  Point hexLabel;
};
// Decimal and hexadecimal share a row above this width.
inline constexpr int kRadixSingleRowWidth = 100;
RadixLayout RadixLayoutOf(int width, int height, int halfLabelHeight, Scale scale = {});
// The least thickness at which the three fields and their labels lie inside the widget,
// clear of its edges by the fields' inset (face_fit.h).
int RadixUsableThickness(bool vertical, int across, Scale scale);
