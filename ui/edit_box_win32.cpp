// ui/edit_box_win32.cpp
#include "ui/edit_box_win32.h"

#include "ui/keyboard.h"

namespace velquor {
namespace {

// Kept in the edit control's GWLP_USERDATA, which EDIT does not use itself.
struct SingleLineBox {
  WNDPROC original;
  bool filterTyping;
};

SingleLineBox* BoxOf(HWND edit) { return reinterpret_cast<SingleLineBox*>(GetWindowLongPtrA(edit, GWLP_USERDATA)); }

// The box draws its own one-pixel border (see AttachSingleLineBox), so the
// area inside it starts one border width in from the window's edge.
RECT InnerRect(RECT outer) {
  InflateRect(&outer, -GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER));
  return outer;
}

// Shrinks the client rectangle that Windows proposes (the whole window) to
// one text line, centred in the area inside the border.
void CentreClientRect(HWND edit, RECT* rect) {
  *rect = InnerRect(*rect);
  const int inner = rect->bottom - rect->top;
  const int line = LineHeightOf(edit);
  if (line <= 0 || line >= inner) return;
  rect->top += (inner - line) / 2;
  rect->bottom = rect->top + line;
}

// Draws the border and paints the strips between it and the centred editing
// area with the brush the box's parent gives for its background.
void PaintFrame(HWND edit) {
  RECT window = {};
  GetWindowRect(edit, &window);
  RECT client = {};
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);

  HDC dc = GetWindowDC(edit);
  FrameRect(dc, &window, GetSysColorBrush(COLOR_WINDOWFRAME));
  const RECT inner = InnerRect(window);
  const UINT request = (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(GetParent(edit), request, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_WINDOW);
  const RECT above = {inner.left, inner.top, inner.right, client.top};
  const RECT below = {inner.left, client.bottom, inner.right, inner.bottom};
  if (above.bottom > above.top) FillRect(dc, &above, brush);
  if (below.bottom > below.top) FillRect(dc, &below, brush);
  ReleaseDC(edit, dc);
}

LRESULT CALLBACK SingleLineBoxProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  SingleLineBox* box = BoxOf(edit);
  const WNDPROC original = box->original;
  switch (message) {
    case WM_CHAR:
      if (box->filterTyping && !PassesTypedCharacterFilter(static_cast<unsigned>(wParam))) return 0;
      break;
    case WM_NCCALCSIZE: {
      const LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
      RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      CentreClientRect(edit, rect);
      return result;
    }
    case WM_NCPAINT: PaintFrame(edit); return 0;
    case WM_SETFONT: {
      const LRESULT result = CallWindowProcA(original, edit, message, wParam, lParam);
      // The editing area's height follows the font: recompute the frame.
      SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return result;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
      delete box;
      return CallWindowProcA(original, edit, message, wParam, lParam);
    default: break;
  }
  return CallWindowProcA(original, edit, message, wParam, lParam);
}

}  // namespace

int LineHeightOf(HWND edit) {
  HDC dc = GetDC(edit);
  auto font = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  SIZE size = {};
  GetTextExtentPoint32A(dc, "W", 1, &size);
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(edit, dc);
  return size.cy;
}

void AttachSingleLineBox(HWND edit, bool filterTyping) {
  auto* box = new SingleLineBox{reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)), filterTyping};
  SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SingleLineBoxProc));
  SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace velquor
