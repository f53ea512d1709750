// A box store standing in for the main window. Calls made after EndProgram,
// which never returns in the real program, are recorded as misuse.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/window_ops.h"

namespace velquor::fakes {

struct FakeWindow {
  std::map<Control, Text> boxes;
  std::vector<Control> focusCalls;
  std::optional<int> exitCode;
  int boxReads = 0;
  std::vector<std::string> misuse;

  WindowOps Ops() {
    return WindowOps{
        .GetBoxText =
            [this](Control box) {
              CheckAlive("GetBoxText");
              ++boxReads;
              return boxes[box];
            },
        .SetBoxText =
            [this](Control box, const Text& text) {
              CheckAlive("SetBoxText");
              boxes[box] = text;
            },
        .FocusControl =
            [this](Control control) {
              CheckAlive("FocusControl");
              focusCalls.push_back(control);
            },
        .EndProgram =
            [this](int code) {
              CheckAlive("EndProgram");
              exitCode = code;
            },
    };
  }

 private:
  void CheckAlive(const char* what) {
    if (exitCode) misuse.push_back(std::string(what) + " called after EndProgram");
  }
};

}  // namespace velquor::fakes
