// The real main window under Wine, built in this process on the prefix's
// 1024x768 virtual desktop: its geometry, its controls, the four window
// operations and the keyboard path the message loop uses. The port services
// are fakes, so nothing here touches the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/fake_port_services.h"
#include "ui/edit_box_win32.h"
#include "ui/layout.h"
#include "ui/main_window.h"

namespace velquor {
namespace {

// What a control must look like; written out from the window's description,
// independently of the layout table the window is built from.
struct ExpectedControl {
  Control id;
  const char* className;
  int x, y, width, height;  // in the main window's client area
  const char* text;
  DWORD styleOn;   // bits that must be set
  DWORD styleOff;  // bits that must be clear
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
// An EDIT control takes WS_BORDER out of its window style and draws the
// border itself, so the edit boxes' borders are checked by their pixels.
const ExpectedControl kExpected[] = {
    {Control::分组框1, "Button", 8, 8, 296, 160, "系统信息", kChild | BS_GROUPBOX, WS_TABSTOP},
    {Control::编辑框_系统信息, "Edit", 12, 24, 288, 136, "",
     kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
     WS_TABSTOP | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | ES_READONLY | ES_NOHIDESEL | ES_PASSWORD | ES_UPPERCASE |
         ES_CENTER | ES_RIGHT},
    {Control::分组框2, "Button", 8, 168, 296, 88, "", kChild | BS_GROUPBOX, WS_TABSTOP},
    {Control::标签2, "VelquorLabel", 16, 219, 56, 24, "修改为：", kChild | WS_BORDER, WS_TABSTOP},
    {Control::标签1, "VelquorLabel", 16, 179, 56, 24, "原端口：", kChild | WS_BORDER, WS_TABSTOP},
    {Control::编辑框_原端口, "Edit", 72, 179, 72, 24, "", kChild | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
     ES_MULTILINE | ES_NOHIDESEL | ES_PASSWORD | ES_CENTER | ES_RIGHT},
    {Control::编辑框_修改后端口, "Edit", 72, 219, 72, 24, "", kChild | WS_TABSTOP | ES_AUTOHSCROLL,
     ES_MULTILINE | ES_READONLY | ES_NOHIDESEL | ES_PASSWORD | ES_NUMBER | ES_CENTER | ES_RIGHT},
    {Control::按钮_修改, "Button", 160, 187, 96, 56, "修  改",
     kChild | WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE, BS_DEFPUSHBUTTON},
};

std::string TextOf(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// A fresh main window per test, with recording services.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services_.registry[kTdsPortPath] = 3389;
    MainWindowHooks hooks{
        .port = services_.Services(),
        .showSystemInfo =
            [this](const WindowOps& ops) {
              ++systemInfoRuns_;
              portBoxDuringSystemInfo_ = ops.GetBoxText(Control::编辑框_原端口);
              visibleDuringFill_ = IsWindowVisible(FindWindowA("VelquorMainWindow", nullptr)) != 0;
            },
        .endProgram = [this](int code) { exitCode_ = code; },
    };
    window_ = CreateMainWindow(GetModuleHandleA(nullptr), std::move(hooks));
    ASSERT_NE(window_, nullptr);
    Pump();
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    Pump();  // drains the quit message the destruction posts
  }

  HWND Get(Control id) { return ControlWindow(window_, id); }

  // Handles every queued message the way the message loop does. False when
  // the quit message came.
  bool Pump() {
    MSG msg;
    bool alive = true;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quitCode_ = static_cast<int>(msg.wParam);
        alive = false;
        continue;
      }
      ProcessMessage(window_, msg);
    }
    return alive;
  }

  // Key presses as the keyboard delivers them, to the control with the focus.
  void Key(WPARAM vk, bool shift = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    PostMessageA(GetFocus(), WM_KEYUP, vk, 0xC0000001);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }
  void Type(HWND box, const std::string& chars) {
    for (unsigned char c : chars) PostMessageA(box, WM_CHAR, c, 1);
    Pump();
  }

  HWND window_ = nullptr;
  fakes::FakePortServices services_;
  int systemInfoRuns_ = 0;
  Text portBoxDuringSystemInfo_ = "unset";
  bool visibleDuringFill_ = true;
  int exitCode_ = -100;
  int quitCode_ = -100;
};

TEST_F(MainWindowTest, IsCentredWithAFixedOuterSizeAndNoMaximiseOrThickFrame) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  RECT rect = {};
  GetWindowRect(window_, &rect);
  EXPECT_EQ(rect.left, 352);
  EXPECT_EQ(rect.top, 239);
  EXPECT_EQ(rect.right - rect.left, 319);
  EXPECT_EQ(rect.bottom - rect.top, 289);

  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0u);
  EXPECT_TRUE(style & WS_VISIBLE);
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE));
  EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE | WS_EX_APPWINDOW), 0u);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(window_), nullptr);
  EXPECT_STREQ(TextOf(window_).c_str(), "Velquor");
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowTest, HasTheEightControlsWhereTheLayoutPutsThem) {
  const auto font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ExpectedControl& e : kExpected) {
    SCOPED_TRACE(e.text);
    HWND control = Get(e.id);
    ASSERT_NE(control, nullptr);
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, e.className), 0) << className;
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.x);
    EXPECT_EQ(rect.top, e.y);
    EXPECT_EQ(rect.right - rect.left, e.width);
    EXPECT_EQ(rect.bottom - rect.top, e.height);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    EXPECT_EQ(style & e.styleOn, e.styleOn) << std::hex << style;
    EXPECT_EQ(style & e.styleOff, 0u) << std::hex << style;
    EXPECT_EQ(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_TRUE(IsWindowEnabled(control));
    EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), font);
    if (e.id != Control::编辑框_原端口) {
      EXPECT_EQ(TextOf(control), e.text);
    }
  }
  // Push button, not the default one; group boxes as group boxes.
  EXPECT_EQ(GetWindowLongPtrA(Get(Control::按钮_修改), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongPtrA(Get(Control::分组框2), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(MainWindowTest, IsFilledBeforeItIsShownWithTheFocusInTheNewPortBox) {
  EXPECT_EQ(TextOf(Get(Control::编辑框_原端口)), "3389");
  EXPECT_EQ(TextOf(Get(Control::编辑框_修改后端口)), "");
  EXPECT_EQ(TextOf(Get(Control::编辑框_系统信息)), "");
  EXPECT_EQ(GetFocus(), Get(Control::编辑框_修改后端口));
  EXPECT_TRUE(services_.writes.empty());
  EXPECT_TRUE(services_.messages.empty());
  // The system information comes first, while the window is still hidden.
  EXPECT_EQ(systemInfoRuns_, 1);
  EXPECT_EQ(portBoxDuringSystemInfo_, "");
  EXPECT_FALSE(visibleDuringFill_);
}

TEST_F(MainWindowTest, BoxTextRoundTripsByteForByte) {
  const WindowOps ops = MainWindowOps(window_);
  const Text lines = "操作系统：Windows 7\r\n编译版本：7601\r\n\r\n";
  ops.SetBoxText(Control::编辑框_系统信息, lines);
  EXPECT_EQ(ops.GetBoxText(Control::编辑框_系统信息), lines);
  ops.SetBoxText(Control::编辑框_系统信息, "");
  EXPECT_EQ(ops.GetBoxText(Control::编辑框_系统信息), "");
  ops.SetBoxText(Control::编辑框_修改后端口, "\xA3\xB8\xA3\xB0 abc");
  EXPECT_EQ(ops.GetBoxText(Control::编辑框_修改后端口), "\xA3\xB8\xA3\xB0 abc");
  ops.FocusControl(Control::按钮_修改);
  EXPECT_EQ(GetFocus(), Get(Control::按钮_修改));
}

TEST_F(MainWindowTest, EveryEditBoxIsWhiteTheReadOnlyOneIncluded) {
  HDC dc = GetDC(window_);
  const auto white = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SendMessageA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(Get(Control::编辑框_原端口))),
            white);
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  for (Control box : {Control::编辑框_系统信息, Control::编辑框_修改后端口}) {
    EXPECT_EQ(SendMessageA(window_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Get(box))),
              white);
  }
  ReleaseDC(window_, dc);
}

TEST_F(MainWindowTest, BoxesAndLabelsHaveAOnePixelBorderAroundTheirBackground) {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const COLORREF white = RGB(255, 255, 255);
  struct Case { Control id; COLORREF inside; };
  const Case cases[] = {
      {Control::编辑框_系统信息, white},
      {Control::编辑框_原端口, white},
      {Control::编辑框_修改后端口, white},
      {Control::标签1, GetSysColor(COLOR_BTNFACE)},
  };
  for (const Case& c : cases) {
    HWND control = Get(c.id);
    RECT rect = {};
    GetWindowRect(control, &rect);
    const int middle = (rect.bottom - rect.top) / 2;
    HDC dc = GetWindowDC(control);
    // Left edge, and the strip just inside the top border (above any text).
    EXPECT_NE(GetPixel(dc, 0, middle), c.inside) << static_cast<int>(c.id);
    EXPECT_NE(GetPixel(dc, 0, middle), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 2, 1), c.inside) << static_cast<int>(c.id);
    EXPECT_EQ(GetPixel(dc, 1, rect.bottom - rect.top - 2), c.inside) << static_cast<int>(c.id);
    ReleaseDC(control, dc);
  }
}

TEST_F(MainWindowTest, SingleLineBoxesCentreOneTextLineInsideTheirBorder) {
  for (Control box : {Control::编辑框_原端口, Control::编辑框_修改后端口}) {
    HWND edit = Get(box);
    RECT window = {}, client = {};
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int line = LineHeightOf(edit);
    ASSERT_GT(line, 0);
    const int innerTop = window.top + 1;  // inside the one-pixel border
    const int innerHeight = (window.bottom - window.top) - 2;
    EXPECT_EQ(client.bottom - client.top, line);
    EXPECT_EQ(client.top - innerTop, (innerHeight - line) / 2);
    // The strips above and below are not client area: a click there places no caret.
    const int x = (window.left + window.right) / 2;
    for (int y : {window.top + 2, window.bottom - 3}) {
      ASSERT_TRUE(y < client.top || y >= client.bottom);
      EXPECT_NE(SendMessageA(edit, WM_NCHITTEST, 0, MAKELPARAM(x, y)), HTCLIENT) << y;
    }
    EXPECT_EQ(SendMessageA(edit, WM_NCHITTEST, 0, MAKELPARAM(x, (client.top + client.bottom) / 2)), HTCLIENT);
  }
  // The multi-line box keeps its whole area.
  RECT client = {};
  GetClientRect(Get(Control::编辑框_系统信息), &client);
  EXPECT_EQ(client.bottom - client.top, 136);
}

TEST_F(MainWindowTest, TabAndShiftTabCycleTheThreeStops) {
  const HWND oldPort = Get(Control::编辑框_原端口);
  const HWND newPort = Get(Control::编辑框_修改后端口);
  const HWND button = Get(Control::按钮_修改);
  struct Case { HWND from; bool shift; HWND to; };
  const Case cases[] = {
      {oldPort, false, newPort}, {newPort, false, button}, {button, false, oldPort},
      {oldPort, true, button},   {newPort, true, oldPort}, {button, true, newPort},
      {Get(Control::编辑框_系统信息), false, oldPort}, {Get(Control::编辑框_系统信息), true, button},
  };
  for (const Case& c : cases) {
    SetFocus(c.from);
    Key(VK_TAB, c.shift);
    EXPECT_EQ(GetFocus(), c.to) << TextOf(c.from) << (c.shift ? " shift+tab" : " tab");
  }
  for (Control box : {Control::编辑框_系统信息, Control::编辑框_原端口, Control::编辑框_修改后端口}) {
    EXPECT_EQ(TextOf(Get(box)).find('\t'), std::string::npos);
  }
  // A disabled stop is left out.
  EnableWindow(button, FALSE);
  SetFocus(newPort);
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), oldPort);
  EnableWindow(button, TRUE);
}

TEST_F(MainWindowTest, TheNewPortBoxTakesTypedDigitsAndMinusOnlyButAnyPaste) {
  HWND box = Get(Control::编辑框_修改后端口);
  SetFocus(box);
  Type(box, "abc .\xA3\xB8");
  EXPECT_EQ(TextOf(box), "");
  Type(box, "-80");
  EXPECT_EQ(TextOf(box), "-80");
  Type(box, "\b");
  EXPECT_EQ(TextOf(box), "-8");

  ASSERT_TRUE(OpenClipboard(window_));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
  memcpy(GlobalLock(memory), "abc", 4);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(box), "-8abc");

  // The other boxes are not filtered.
  HWND info = Get(Control::编辑框_系统信息);
  Type(info, "ab");
  EXPECT_EQ(TextOf(info), "ab");
}

TEST_F(MainWindowTest, EnterNeverPressesTheButtonButSpaceDoes) {
  SetWindowTextA(Get(Control::编辑框_修改后端口), "3390");
  for (Control focus : {Control::按钮_修改, Control::编辑框_修改后端口, Control::编辑框_原端口}) {
    SetFocus(Get(focus));
    Key(VK_RETURN);
    EXPECT_TRUE(services_.writes.empty());
  }
  EXPECT_EQ(exitCode_, -100);

  SetFocus(Get(Control::按钮_修改));
  Key(VK_SPACE);
  ASSERT_EQ(services_.writes.size(), 2u);
  EXPECT_EQ(services_.registry[kWinStationsPortPath], 3390u);
  EXPECT_EQ(services_.registry[kTdsPortPath], 3390u);
  EXPECT_EQ(exitCode_, 0);  // answered No, then EndProgram(0)
}

TEST_F(MainWindowTest, EnterInTheInformationBoxStartsANewLine) {
  HWND info = Get(Control::编辑框_系统信息);
  SetFocus(info);
  Type(info, "a");
  Key(VK_RETURN);
  Type(info, "b");
  EXPECT_EQ(TextOf(info), "a\r\nb");
}

TEST_F(MainWindowTest, EscClosesTheWindowAndTheLoopEndsWithZero) {
  Key(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(quitCode_, 0);
  EXPECT_TRUE(services_.writes.empty());
}

TEST_F(MainWindowTest, ModifiedEscAndCtrlTabAreLeftToTheControl) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SetFocus(Get(Control::编辑框_修改后端口));
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  Pump();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_EQ(GetFocus(), Get(Control::编辑框_修改后端口));
}

TEST_F(MainWindowTest, ReactivationReturnsTheFocusWhereItWas) {
  SetFocus(Get(Control::按钮_修改));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  SetActiveWindow(other);
  Pump();
  EXPECT_NE(GetFocus(), Get(Control::按钮_修改));
  SetActiveWindow(window_);
  Pump();
  EXPECT_EQ(GetFocus(), Get(Control::按钮_修改));
  DestroyWindow(other);
}

}  // namespace
}  // namespace velquor
