// ui/winmain_win32.cpp
// Start-up: the program's folder as current directory, the common controls
// the manifest asks for, the main window, the message loop.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/cp936.h"
#include "rdpport/system_services.h"
#include "sysinfo/queries.h"
#include "sysinfo/system_info_panel.h"
#include "ui/main_window.h"

namespace velquor {
namespace {

// The folder that holds the program file, with its trailing backslash (so a
// program in a drive's root gives "C:\", not the drive's current directory).
std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // the name was cut: try a larger buffer
  }
  const std::size_t slash = cp936::LastBackslash(path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Loads the common controls through the activation context that the manifest
// sets up, so the controls are drawn with visual styles. The program does not
// import comctl32 directly: its import table names only DLLs that Windows
// always takes from the system directory.
void InitialiseCommonControls() {
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  if (comctl == nullptr) return;
  using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitEx>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
  if (init == nullptr) return;
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES;
  init(&controls);
}

}  // namespace
}  // namespace velquor

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace velquor;
  // The current directory is never searched for DLLs; then make it the
  // program's folder.
  SetDllDirectoryA("");
  const std::string folder = ProgramFolder();
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  InitialiseCommonControls();

  MainWindowHooks hooks{
      .port = Win32PortServices(),
      .showSystemInfo = [](const WindowOps& window) { ShowSystemInfo(window, Win32SystemInfoServices()); },
      .endProgram = [](int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); },
  };
  HWND window = CreateMainWindow(instance, std::move(hooks));
  if (window == nullptr) {
    ShowMessage("启动窗口加载失败！", MB_ICONERROR);
    return -1;
  }
  return RunMessageLoop(window);
}
