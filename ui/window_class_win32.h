// ui/window_class_win32.h
// Registers one of the program's window classes the first time it is asked
// for; later calls find it registered and do nothing.
#pragma once

#include <windows.h>

namespace velquor {

// `background` may be null: the window then paints all of itself.
inline bool RegisterWindowClassOnce(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXA existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, name, &existing)) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace velquor
