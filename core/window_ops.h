// core/window_ops.h
// The controls of the main window and the four operations the procedures use
// on them. The window layer fills the record with the real functions; tests
// fill it with a fake box store.
#pragma once

#include <functional>

#include "core/text.h"

namespace velquor {

// The eight controls of the main window, in the order they are built.
enum class Control {
  分组框1,
  编辑框_系统信息,
  分组框2,
  标签2,
  标签1,
  编辑框_原端口,
  编辑框_修改后端口,
  按钮_修改,
};
inline constexpr int kControlCount = 8;

struct WindowOps {
  // A copy of the box's whole text, exactly as the box holds it.
  std::function<Text(Control box)> GetBoxText;
  // Replaces the box's whole text, byte for byte.
  std::function<void(Control box, const Text& text)> SetBoxText;
  std::function<void(Control control)> FocusControl;
  // Ends the process. A fake may return, so callers make it their last step.
  std::function<void(int exitCode)> EndProgram;
};

}  // namespace velquor
