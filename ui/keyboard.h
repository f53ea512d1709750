// ui/keyboard.h
// The window's keyboard decisions, apart from the messages that carry them:
// the fixed focus cycle and the typed-character filter of the new-port box.
#pragma once

#include <functional>
#include <optional>

#include "core/window_ops.h"

namespace velquor {

// The control Tab (or Shift+Tab, `backwards`) moves the focus to from
// `current`, skipping stops that `available` rejects (hidden or disabled).
// From a control outside the cycle, Tab starts at its first stop and
// Shift+Tab at its last. None when no stop is available.
std::optional<Control> NextFocus(std::optional<Control> current, bool backwards,
                                 const std::function<bool(Control)>& available);

// Whether a typed character reaches 编辑框_修改后端口: control codes (below 32)
// always, otherwise only "-" and the ASCII digits.
constexpr bool PassesTypedCharacterFilter(unsigned code) {
  return code < 32 || code == '-' || (code >= '0' && code <= '9');
}

}  // namespace velquor
