// rdpport/system_services_win32.cpp
#include <windows.h>

#include "rdpport/registry.h"
#include "rdpport/system_services.h"

namespace velquor {

DialogResult DialogResultFor(int answer) {
  switch (answer) {
    case IDCANCEL: return DialogResult::Cancel;
    case IDABORT: return DialogResult::Abort;
    case IDRETRY: return DialogResult::Retry;
    case IDIGNORE: return DialogResult::Ignore;
    case IDYES: return DialogResult::Yes;
    case IDNO: return DialogResult::No;
    default: return DialogResult::Ok;
  }
}

DialogResult ShowMessage(const Text& text, int style, const Text& caption) {
  const Text shownCaption = caption.empty() ? Text("信息：") : caption;
  auto flags = static_cast<UINT>(style);
  // Task-modal: with no owner window this is what keeps the main window from
  // taking input while the box is open.
  if ((flags & MB_SYSTEMMODAL) == 0) flags |= MB_TASKMODAL;
  return DialogResultFor(MessageBoxA(nullptr, text.c_str(), shownCaption.c_str(), flags));
}

namespace {

bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) != 0;
  if (enabled) {
    // AdjustTokenPrivileges succeeds even when the privilege is not held; only
    // the last error (ERROR_NOT_ALL_ASSIGNED) tells.
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    enabled = GetLastError() == ERROR_SUCCESS;
  }
  CloseHandle(token);
  return enabled;
}

bool IsNtFamily() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

bool RestartComputer(bool force) {
  if (IsNtFamily() && !EnableShutdownPrivilege()) return false;
  return ExitWindowsEx(EWX_REBOOT | (force ? EWX_FORCE : 0u), 0) != 0;
}

PortServices Win32PortServices() {
  return PortServices{
      .ReadRegistryNumber = [](int root, const Text& path) { return velquor::ReadRegistryNumber(root, path); },
      .WriteRegistryNumber = [](int root, const Text& path,
                                double value) { return velquor::WriteRegistryNumber(root, path, value); },
      .ShowMessage = [](const Text& text, int style,
                        const Text& caption) { return velquor::ShowMessage(text, style, caption); },
      .RestartComputer = [](bool force) { return velquor::RestartComputer(force); },
  };
}

}  // namespace velquor
