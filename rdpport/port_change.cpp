// rdpport/port_change.cpp
#include "rdpport/port_change.h"

#include "rdpport/registry_path.h"

namespace velquor {
namespace {

constexpr const char* kWinStationsFailurePrefix =
    "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\WinStations\\RDP-Tcp\\PortNumber】值为";
constexpr const char* kTdsFailurePrefix =
    "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp\\PortNumber】值为";
constexpr const char* kFailureSuffix = "失败！！";
constexpr const char* kInvalidPortPrefix = "端口号";
constexpr const char* kInvalidPortSuffix = "无效，请输入1到65535之间的端口号！";
constexpr const char* kRestartQuestion = "修改成功重启生效是否马上重启?";
constexpr const char* kRestartCaption = "生效";

Text TrimmedBoxText(const WindowOps& window) { return TrimBothEnds(window.GetBoxText(Control::编辑框_修改后端口)); }

// A port Remote Desktop can listen on. The value is judged before it is cut to
// 32 bits, so that 4294967297 is not taken for port 1.
bool IsListenablePort(double value) { return value >= 1.0 && value < 65536.0; }

}  // namespace

void ShowCurrentPort(const WindowOps& window, const PortServices& services) {
  const std::int32_t port = services.ReadRegistryNumber(kRootLocalMachine, kTdsPortPath);
  window.SetBoxText(Control::编辑框_原端口, IntegerToText(port));
}

void ChangePort(const WindowOps& window, const PortServices& services) {
  if (CompareText(window.GetBoxText(Control::编辑框_修改后端口), "") == 0) {
    window.FocusControl(Control::编辑框_修改后端口);
    return;
  }

  // Each step reads the box afresh; nothing runs in between, so every read
  // sees the same text.
  Text trimmed = TrimmedBoxText(window);
  const double value = TextToReal(trimmed);
  if (!IsListenablePort(value)) {
    services.ShowMessage(Concatenate(kInvalidPortPrefix, trimmed, kInvalidPortSuffix), kStyleError, Text());
    window.FocusControl(Control::编辑框_修改后端口);
    return;
  }

  if (!services.WriteRegistryNumber(kRootLocalMachine, kWinStationsPortPath, value)) {
    trimmed = TrimmedBoxText(window);
    services.ShowMessage(Concatenate(kWinStationsFailurePrefix, trimmed, kFailureSuffix), kStyleError, Text());
    return;
  }

  trimmed = TrimmedBoxText(window);
  if (!services.WriteRegistryNumber(kRootLocalMachine, kTdsPortPath, TextToReal(trimmed))) {
    // The first value keeps the new number: there is no rollback.
    services.ShowMessage(Concatenate(kTdsFailurePrefix, trimmed, kFailureSuffix), kStyleError, Text());
    return;
  }

  if (services.ShowMessage(kRestartQuestion, kStyleYesNoQuestion, kRestartCaption) == DialogResult::Yes) {
    services.RestartComputer(true);  // a refused restart ends the program all the same
  }
  window.EndProgram(0);
}

}  // namespace velquor
