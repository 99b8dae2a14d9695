// Cell heights (96-DPI units) of the fonts the bar's panels share, for the layouts that
// must know how tall a line of them is; core/fonts_win makes the fonts at these heights.
#pragma once

inline constexpr int kNormalFontHeight = 15;
inline constexpr int kSmallFontHeight = 12;
inline constexpr int kLargeFontHeight = 28;
