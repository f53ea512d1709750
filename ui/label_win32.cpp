// ui/label_win32.cpp
#include "ui/label_win32.h"

#include "ui/window_class_win32.h"

namespace velquor {
namespace {

// The font set by WM_SETFONT lives in GWLP_USERDATA; the label owns no GDI object.
LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return GetWindowLongPtrA(label, GWLP_USERDATA);
    case WM_ERASEBKGND: return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(label, &paint);
      RECT client;
      GetClientRect(label, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      auto font = reinterpret_cast<HFONT>(GetWindowLongPtrA(label, GWLP_USERDATA));
      HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      char text[64] = {};
      const int length = GetWindowTextA(label, text, sizeof text);
      DrawTextA(dc, text, length, &client, DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_NOCLIP);
      if (previous != nullptr) SelectObject(dc, previous);
      EndPaint(label, &paint);
      return 0;
    }
    default: return DefWindowProcA(label, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  return RegisterWindowClassOnce(instance, kLabelClass, LabelProc, nullptr);
}

}  // namespace velquor
