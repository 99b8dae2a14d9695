// The LCD test screen's state and rules, without a window: the five test colours
// and their keys, what each key does, and the step to the next monitor. The state
// is one per process, so a reopened window starts as the last one was left.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/geometry.h"

// 0x00BBGGRR, as the system's colour values.
inline constexpr std::uint32_t kLcdColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000};
inline constexpr int kLcdColorCount = 5;
inline constexpr int kLcdBlue = 2;
inline constexpr int kLcdBlack = 4;
inline constexpr int kMaxMonitors = 10;

// Red, green, blue, white, black and round again; anything else starts over at red.
int NextLcdColor(int index);

enum class LcdAction { None, ToggleHelp, Close, NextColor, SetColor, NextMonitor };
struct LcdKey {
  LcdAction action = LcdAction::None;
  int color = 0;  // for SetColor
};
// What a virtual key does on the test screen.
LcdKey LcdKeyAction(unsigned virtualKey);

// The monitors' rectangles in enumeration order; those past the table are not kept.
struct MonitorTable {
  Rect rects[kMaxMonitors] = {};
  int count = 0;

  void Clear() { count = 0; }
  // False (and nothing stored) when the table is full.
  bool Add(const Rect& monitor);
  std::span<const Rect> Monitors() const { return {rects, static_cast<std::size_t>(count)}; }
};

// The monitor that holds most of `window`, or -1 when it overlaps none in the table.
int MonitorHolding(const MonitorTable& monitors, const Rect& window);
// The monitor after the one holding `window`, round to the first; -1 with fewer than two.
int NextMonitor(const MonitorTable& monitors, const Rect& window);

struct LcdState {
  int colorIndex = kLcdBlue;
  bool helpShown = true;
  MonitorTable monitors;
  int monitorIndex = 0;  // the entry the last move went to

  std::uint32_t Color() const;
};
