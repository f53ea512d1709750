// ui/main_window.h
// The main window: built from MainWindowLayout, filled before it is shown,
// driven by a message loop that applies the window's keyboard handling before
// dispatch. Win32 only.
#pragma once

#include <windows.h>

#include <functional>

#include "core/window_ops.h"
#include "rdpport/port_change.h"
#include "ui/layout.h"

namespace velquor {

// What the window calls out to. The program passes the real services; tests
// pass recording ones (an EndProgram that returns, for instance).
struct MainWindowHooks {
  PortServices port;
  std::function<void(const WindowOps& window)> showSystemInfo;  // first step of FillMainWindow
  std::function<void(int exitCode)> endProgram;
};

// Builds MainWindow hidden and centred, creates its controls, runs
// FillMainWindow and shows it. Null when the window or a control could not be
// created; nothing has run then.
HWND CreateMainWindow(HINSTANCE instance, MainWindowHooks hooks);

// The control's window, or null for a window that is not a main window.
HWND ControlWindow(HWND mainWindow, Control id);

// The four window operations on this window's boxes.
WindowOps MainWindowOps(HWND mainWindow);

// FillMainWindow, the handler of the window's created event.
void FillMainWindow(HWND mainWindow);

// The window's keyboard handling, applied before dispatch: Tab and Shift+Tab
// cycle the focus, Esc closes. True when the message was consumed.
bool PreDispatchKeyboard(HWND mainWindow, const MSG& msg);

// One message, handled the way the message loop handles it.
void ProcessMessage(HWND mainWindow, const MSG& msg);

// Runs until the quit message; returns its exit code.
int RunMessageLoop(HWND mainWindow);

}  // namespace velquor
