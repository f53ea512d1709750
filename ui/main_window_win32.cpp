// ui/main_window_win32.cpp
#include <windows.h>

#include <array>
#include <memory>

#include "ui/edit_box_win32.h"
#include "ui/keyboard.h"
#include "ui/label_win32.h"
#include "ui/main_window.h"
#include "ui/resources/resource_ids.h"
#include "ui/window_class_win32.h"

namespace velquor {
namespace {

constexpr const char* kMainWindowClass = "VelquorMainWindow";
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kFirstControlId = 100;

// The per-window record, kept in GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY.
struct MainWindowState {
  MainWindowHooks hooks;
  std::array<HWND, kControlCount> controls = {};
  HWND lastFocus = nullptr;  // where the focus returns when the window is activated again
};

MainWindowState* StateOf(HWND window) {
  char className[32] = {};
  if (window == nullptr || GetClassNameA(window, className, sizeof className) == 0) return nullptr;
  if (lstrcmpA(className, kMainWindowClass) != 0) return nullptr;
  return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::optional<Control> ControlOf(const MainWindowState& state, HWND window) {
  for (int i = 0; i < kControlCount; ++i) {
    if (state.controls[static_cast<std::size_t>(i)] == window && window != nullptr) return static_cast<Control>(i);
  }
  return std::nullopt;
}

HWND Box(const MainWindowState& state, Control id) { return state.controls[static_cast<std::size_t>(id)]; }

bool IsEditBox(ControlKind kind) {
  return kind == ControlKind::MultiLineEdit || kind == ControlKind::ReadOnlyEdit || kind == ControlKind::FilteredEdit;
}

struct WindowClassAndStyle {
  const char* className;
  DWORD style;
};

WindowClassAndStyle ClassAndStyleOf(const ControlLayout& layout) {
  // Every control: a child, clipped by its siblings, not yet visible.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (layout.tabStop ? WS_TABSTOP : 0);
  constexpr DWORD kEditCommon = WS_BORDER | ES_LEFT;
  // The single-line boxes draw their one-pixel border themselves, outside the
  // centred editing area (an EDIT control would draw it inside).
  constexpr DWORD kSingleLineCommon = ES_LEFT | ES_AUTOHSCROLL;
  switch (layout.kind) {
    case ControlKind::GroupBox: return {"BUTTON", style | BS_GROUPBOX | BS_LEFT};
    case ControlKind::MultiLineEdit:
      return {"EDIT", style | kEditCommon | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN};
    case ControlKind::ReadOnlyEdit: return {"EDIT", style | kSingleLineCommon | ES_READONLY};
    case ControlKind::FilteredEdit: return {"EDIT", style | kSingleLineCommon};
    case ControlKind::Label: return {kLabelClass, style | WS_BORDER};
    case ControlKind::PushButton: return {"BUTTON", style | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
  }
  return {"STATIC", style};
}

void MoveFocusAlongCycle(MainWindowState& state, bool backwards) {
  const auto next = NextFocus(ControlOf(state, GetFocus()), backwards, [&state](Control c) {
    HWND window = Box(state, c);
    return IsWindowVisible(window) && IsWindowEnabled(window);
  });
  if (!next) return;
  HWND target = Box(state, *next);
  SetFocus(target);
  // As in a dialog, a box reached by Tab has its text selected.
  if (IsEditBox(LayoutOf(*next).kind)) SendMessageA(target, EM_SETSEL, 0, -1);
}

LRESULT ColourRequest(const MainWindowState& state, HDC dc, HWND control) {
  const auto id = ControlOf(state, control);
  SetTextColor(dc, RGB(0, 0, 0));
  if (id && IsEditBox(LayoutOf(*id).kind)) {
    // White for every box, the read-only one included, which Windows would grey.
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// Group boxes draw only their frame and caption; under WS_CLIPCHILDREN the
// main window does not paint beneath them either, so a group box fills its
// own area with the button face colour before it draws.
LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(box, GWLP_USERDATA));
  if (message == WM_ERASEBKGND) {
    RECT client = {};
    GetClientRect(box, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  return CallWindowProcA(original, box, message, wParam, lParam);
}

void AttachGroupBox(HWND box) {
  SetWindowLongPtrA(box, GWLP_USERDATA, GetWindowLongPtrA(box, GWLP_WNDPROC));
  SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc));
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcA(window, message, wParam, lParam);
  }
  auto* state = reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (state == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && reinterpret_cast<HWND>(lParam) == Box(*state, Control::按钮_修改)) {
        ChangePort(MainWindowOps(window), state->hooks.port);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return ColourRequest(*state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) state->lastFocus = focus;
      } else if (!HIWORD(wParam)) {  // not minimised
        HWND target = state->lastFocus;
        if (target == nullptr || !IsWindow(target)) target = Box(*state, Control::编辑框_原端口);
        SetFocus(target);
      }
      return 0;  // DefWindowProc would give the focus to the window itself
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete state;
      return DefWindowProcA(window, message, wParam, lParam);
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  return RegisterWindowClassOnce(instance, kMainWindowClass, MainWindowProc,
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

void SetIcons(HINSTANCE instance, HWND window) {
  const auto load = [instance](int size) {
    return reinterpret_cast<LPARAM>(LoadImageA(instance, kDefaultIconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  };
  SendMessageA(window, WM_SETICON, ICON_BIG, load(32));
  SendMessageA(window, WM_SETICON, ICON_SMALL, load(16));
}

bool CreateControls(HINSTANCE instance, HWND window, MainWindowState& state) {
  const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlLayout& layout : MainWindowLayout) {
    // The controls are children of the main window at their places in it,
    // which draws the same as nesting them in their group box and keeps every
    // notification going to the main window.
    const Point at = PositionInWindow(layout);
    const WindowClassAndStyle cs = ClassAndStyleOf(layout);
    const int index = static_cast<int>(layout.id);
    HWND control =
        CreateWindowExA(0, cs.className, layout.text, cs.style, at.x, at.y, layout.width, layout.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance, nullptr);
    if (control == nullptr) return false;
    state.controls[static_cast<std::size_t>(index)] = control;
    SendMessageA(control, WM_SETFONT, font, FALSE);
    if (IsEditBox(layout.kind)) {
      SendMessageA(control, EM_LIMITTEXT, 0, 0);
      SendMessageA(control, EM_SETSEL, 0, 0);
      SendMessageA(control, EM_SCROLLCARET, 0, 0);
    }
    if (layout.kind == ControlKind::GroupBox) AttachGroupBox(control);
    if (layout.kind == ControlKind::ReadOnlyEdit) AttachSingleLineBox(control, /*filterTyping=*/false);
    if (layout.kind == ControlKind::FilteredEdit) AttachSingleLineBox(control, /*filterTyping=*/true);
  }
  // Group boxes go to the bottom of the sibling order so that the controls
  // they frame are drawn above them.
  for (const ControlLayout& layout : MainWindowLayout) {
    if (layout.kind == ControlKind::GroupBox) {
      SetWindowPos(Box(state, layout.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  return true;
}

}  // namespace

HWND ControlWindow(HWND mainWindow, Control id) {
  const MainWindowState* state = StateOf(mainWindow);
  return state == nullptr ? nullptr : Box(*state, id);
}

WindowOps MainWindowOps(HWND mainWindow) {
  return WindowOps{
      .GetBoxText =
          [mainWindow](Control box) {
            HWND control = ControlWindow(mainWindow, box);
            const int length = GetWindowTextLengthA(control);
            if (length <= 0) return Text();
            Text text(static_cast<std::size_t>(length) + 1, '\0');
            const int copied = GetWindowTextA(control, text.data(), length + 1);
            text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
            return text;
          },
      .SetBoxText = [mainWindow](Control box,
                                 const Text& text) { SetWindowTextA(ControlWindow(mainWindow, box), text.c_str()); },
      .FocusControl =
          [mainWindow](Control control) {
            HWND target = ControlWindow(mainWindow, control);
            if (MainWindowState* state = StateOf(mainWindow)) state->lastFocus = target;
            SetFocus(target);
          },
      .EndProgram =
          [mainWindow](int exitCode) {
            MainWindowState* state = StateOf(mainWindow);
            if (state != nullptr && state->hooks.endProgram) state->hooks.endProgram(exitCode);
          },
  };
}

void FillMainWindow(HWND mainWindow) {
  MainWindowState* state = StateOf(mainWindow);
  if (state == nullptr) return;
  const WindowOps ops = MainWindowOps(mainWindow);
  if (state->hooks.showSystemInfo) state->hooks.showSystemInfo(ops);
  ShowCurrentPort(ops, state->hooks.port);
  ops.FocusControl(Control::编辑框_修改后端口);
}

HWND CreateMainWindow(HINSTANCE instance, MainWindowHooks hooks) {
  if (!RegisterMainWindowClass(instance) || !RegisterLabelClass(instance)) return nullptr;
  const Point at = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

  auto state = std::make_unique<MainWindowState>();
  state->hooks = std::move(hooks);
  MainWindowState* raw = state.get();
  HWND window = CreateWindowExA(0, kMainWindowClass, kMainWindowCaption, kMainWindowStyle, at.x, at.y, kMainWindowWidth,
                                kMainWindowHeight, nullptr, nullptr, instance, raw);
  if (window == nullptr) return nullptr;
  state.release();  // owned by the window from now on, freed at WM_NCDESTROY

  RECT rect = {};
  GetWindowRect(window, &rect);
  if (rect.left != at.x || rect.top != at.y || rect.right - rect.left != kMainWindowWidth ||
      rect.bottom - rect.top != kMainWindowHeight) {
    SetWindowPos(window, nullptr, at.x, at.y, kMainWindowWidth, kMainWindowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetIcons(instance, window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

  if (!CreateControls(instance, window, *raw)) {
    DestroyWindow(window);
    return nullptr;
  }
  for (HWND control : raw->controls) ShowWindow(control, SW_SHOWNA);

  FillMainWindow(window);
  // Showing the window activates it, and activation (WM_ACTIVATE) gives the
  // focus back to the box FillMainWindow chose.
  ShowWindow(window, SW_SHOW);
  return window;
}

bool PreDispatchKeyboard(HWND mainWindow, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  MainWindowState* state = StateOf(mainWindow);
  if (state == nullptr || (msg.hwnd != mainWindow && !IsChild(mainWindow, msg.hwnd))) return false;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  switch (msg.wParam) {
    case VK_TAB:
      if (control || alt) return false;
      MoveFocusAlongCycle(*state, shift);
      return true;
    case VK_ESCAPE:
      if (shift || control || alt) return false;
      SendMessageA(mainWindow, WM_CLOSE, 0, 0);
      return true;
    default:
      // Enter goes on to the focused control: there is no default button, so
      // it never presses 按钮_修改. Space presses the focused button itself.
      return false;
  }
}

void ProcessMessage(HWND mainWindow, const MSG& msg) {
  if (PreDispatchKeyboard(mainWindow, msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int RunMessageLoop(HWND mainWindow) {
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(mainWindow, msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace velquor
