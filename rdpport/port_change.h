// rdpport/port_change.h
// Showing the stored Remote Desktop port and changing it. The procedures are
// portable: they reach the window, the registry, the message box and the
// restart only through the two records they are handed.
#pragma once

#include <cstdint>
#include <functional>

#include "core/text.h"
#include "core/window_ops.h"

namespace velquor {

// What a modal message box answered.
enum class DialogResult : int { Ok = 0, Cancel = 1, Abort = 2, Retry = 3, Ignore = 4, Yes = 5, No = 6 };

// Message box styles the procedures use (the Windows MB_ values).
inline constexpr int kStyleError = 16;          // MB_ICONHAND with the OK button
inline constexpr int kStyleYesNoQuestion = 36;  // MB_YESNO | MB_ICONQUESTION

struct PortServices {
  std::function<std::int32_t(int root, const Text& path)> ReadRegistryNumber;
  std::function<bool(int root, const Text& path, double value)> WriteRegistryNumber;
  // An empty caption means the default caption of the message box.
  std::function<DialogResult(const Text& text, int style, const Text& caption)> ShowMessage;
  std::function<bool(bool force)> RestartComputer;
};

// The two registry values that hold the port.
inline constexpr const char* kTdsPortPath =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp\\PortNumber";
inline constexpr const char* kWinStationsPortPath =
    "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\WinStations\\RDP-Tcp\\PortNumber";

// Fills 编辑框_原端口 with the port stored in the Tds value (0 when none).
void ShowCurrentPort(const WindowOps& window, const PortServices& services);

// The handler of 按钮_修改: validates the typed port, writes both values,
// reports a refused write, and after success asks about the restart and ends
// the program.
void ChangePort(const WindowOps& window, const PortServices& services);

}  // namespace velquor
