// ui/layout.h
// The main window's eight controls as one table of data; the window is built
// by a loop over it, and the tests compare against it.
#pragma once

#include <array>
#include <optional>

#include "core/window_ops.h"

namespace velquor {

enum class ControlKind {
  GroupBox,
  MultiLineEdit,  // 编辑框_系统信息
  ReadOnlyEdit,   // 编辑框_原端口
  FilteredEdit,   // 编辑框_修改后端口: typed digits and "-" only
  Label,
  PushButton,
};

struct ControlLayout {
  Control id;
  ControlKind kind;
  std::optional<Control> parent;  // a group box, or none for the main window itself
  int x, y;                       // from the parent's client area
  int width, height;
  const char* text;
  bool tabStop;
};

inline constexpr int kMainWindowWidth = 319;  // outer size, frame and caption included
inline constexpr int kMainWindowHeight = 289;
inline constexpr const char* kMainWindowCaption = "Velquor";

// In build order. The group boxes' client areas start at their top-left
// corner, so a child's place in the main window is its parent's plus its own.
// One row per control, so the table reads as the table it is.
// clang-format off
inline constexpr std::array<ControlLayout, kControlCount> MainWindowLayout = {{
    {.id = Control::分组框1, .kind = ControlKind::GroupBox, .parent = std::nullopt,
     .x = 8, .y = 8, .width = 296, .height = 160, .text = "系统信息", .tabStop = false},
    {.id = Control::编辑框_系统信息, .kind = ControlKind::MultiLineEdit, .parent = Control::分组框1,
     .x = 4, .y = 16, .width = 288, .height = 136, .text = "", .tabStop = false},
    {.id = Control::分组框2, .kind = ControlKind::GroupBox, .parent = std::nullopt,
     .x = 8, .y = 168, .width = 296, .height = 88, .text = "", .tabStop = false},
    {.id = Control::标签2, .kind = ControlKind::Label, .parent = Control::分组框2,
     .x = 8, .y = 51, .width = 56, .height = 24, .text = "修改为：", .tabStop = false},
    {.id = Control::标签1, .kind = ControlKind::Label, .parent = Control::分组框2,
     .x = 8, .y = 11, .width = 56, .height = 24, .text = "原端口：", .tabStop = false},
    {.id = Control::编辑框_原端口, .kind = ControlKind::ReadOnlyEdit, .parent = Control::分组框2,
     .x = 64, .y = 11, .width = 72, .height = 24, .text = "", .tabStop = true},
    {.id = Control::编辑框_修改后端口, .kind = ControlKind::FilteredEdit, .parent = Control::分组框2,
     .x = 64, .y = 51, .width = 72, .height = 24, .text = "", .tabStop = true},
    {.id = Control::按钮_修改, .kind = ControlKind::PushButton, .parent = Control::分组框2,
     .x = 152, .y = 19, .width = 96, .height = 56, .text = "修  改", .tabStop = true},
}};
// clang-format on

constexpr const ControlLayout& LayoutOf(Control id) { return MainWindowLayout[static_cast<int>(id)]; }

struct Point {
  int x, y;
};

// The control's top-left corner in the main window's client area.
constexpr Point PositionInWindow(const ControlLayout& control) {
  if (!control.parent) return {control.x, control.y};
  const Point parent = PositionInWindow(LayoutOf(*control.parent));
  return {parent.x + control.x, parent.y + control.y};
}

// Left and top of a window of the main window's size centred on a screen,
// each quotient cut toward zero.
constexpr Point CentredPosition(int screenWidth, int screenHeight) {
  return {(screenWidth - kMainWindowWidth) / 2, (screenHeight - kMainWindowHeight) / 2};
}

}  // namespace velquor
