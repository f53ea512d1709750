// The yardstick of the start-up benchmark: a program that creates and shows
// one empty window the way Velquor creates its main window (same styles, size,
// centring, toolchain, flags and manifest), and nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "VelquorStartupBaseline";
  if (!RegisterClassExA(&wc)) return -1;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - 319) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - 289) / 2;
  HWND window = CreateWindowExA(0, wc.lpszClassName, "VelquorStartupBaseline",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top, 319, 289,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return -1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
