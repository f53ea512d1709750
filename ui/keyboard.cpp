// ui/keyboard.cpp
#include "ui/keyboard.h"

#include <array>

namespace velquor {
namespace {

constexpr std::array<Control, 3> kFocusCycle = {Control::编辑框_原端口, Control::编辑框_修改后端口, Control::按钮_修改};
constexpr int kCycleLength = static_cast<int>(kFocusCycle.size());

}  // namespace

std::optional<Control> NextFocus(std::optional<Control> current, bool backwards,
                                 const std::function<bool(Control)>& available) {
  int index = -1;
  for (int i = 0; i < kCycleLength; ++i) {
    if (current && kFocusCycle[static_cast<std::size_t>(i)] == *current) index = i;
  }
  // Outside the cycle, pretend to stand just before its first stop (Tab) or
  // just after its last (Shift+Tab).
  if (index < 0) index = backwards ? 0 : kCycleLength - 1;
  const int step = backwards ? kCycleLength - 1 : 1;
  for (int tried = 0; tried < kCycleLength; ++tried) {
    index = (index + step) % kCycleLength;
    const Control candidate = kFocusCycle[static_cast<std::size_t>(index)];
    if (available(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace velquor
