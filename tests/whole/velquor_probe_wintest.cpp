// The started program seen from another process in the same Wine prefix:
// the probe starts velquor.exe, finds the "Velquor" window, reads what a user
// sees (the seven lines, the port, the focus), drives the window with the
// messages the keyboard would send, answers the message boxes and reads the
// registry and the exit code afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/text.h"
#include "tests/wine/key_security.h"

namespace velquor {
namespace {

constexpr const char* kTdsKey = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp";
constexpr const char* kWinStationsKey = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\WinStations\\RDP-Tcp";
// The controls' ids: the window builds them from 100 on, in layout order.
constexpr int kSystemInfoId = 101, kOldPortId = 105, kNewPortId = 106, kButtonId = 107;

void SetPort(const char* key, const DWORD* value) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  if (value != nullptr) {
    RegSetValueExA(handle, "PortNumber", 0, REG_DWORD, reinterpret_cast<const BYTE*>(value), sizeof *value);
  } else {
    RegDeleteValueA(handle, "PortNumber");
  }
  RegCloseKey(handle);
}

void SetBothPorts(DWORD port) {
  SetPort(kTdsKey, &port);
  SetPort(kWinStationsKey, &port);
}

// The stored REG_DWORD, or -1000 when there is none.
long long PortOf(const char* key) {
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key, "PortNumber", RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    return -1000;
  }
  return value;
}

std::string TextOf(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

// EnumThreadWindows callback: stops at the first visible dialog (message box).
BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds = 15000) {
  for (int waited = 0; waited < milliseconds; waited += 20) {
    if (condition()) return true;
    Sleep(20);
  }
  return condition();
}

// One started velquor.exe; ended (by force if need be) when the test ends.
class Velquor : public ::testing::Test {
 protected:
  void Start() {
    const char* unixPath = std::getenv("VELQUOR_EXE");
    ASSERT_NE(unixPath, nullptr) << "VELQUOR_EXE names the program under test";
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process_))
        << path;
    ASSERT_TRUE(WaitFor([this] {
      window_ = FindWindowA(nullptr, "Velquor");
      return window_ != nullptr && IsWindowVisible(window_);
    })) << "no Velquor window";
    WaitForInputIdle(process_.hProcess, 5000);
    // The program gives the new-port box the focus as it starts.
    EXPECT_TRUE(WaitFor([this] { return Focus() == Control(kNewPortId); }, 5000));
  }
  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
  }

  // Ends the program as its close box does and expects exit code 0.
  void CloseWithZero() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCode(), 0u);
  }
  // Lets a test start the program again.
  void Forget() {
    TearDown();
    process_ = {};
  }

  HWND Control(int id) { return GetDlgItem(window_, id); }
  HWND Focus() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }
  // Typed characters, as the keyboard delivers them to the new-port box.
  void Type(const std::string& text) {
    for (unsigned char c : text) PostMessageA(Control(kNewPortId), WM_CHAR, c, 1);
    Idle();
  }
  void Key(WPARAM vk) {
    HWND target = Focus();
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    Idle();
  }
  // A sent message is handled before anything posted, so this only proves the
  // program is responsive; tests wait for the effect of posted input itself.
  void Idle() { SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr); }
  bool BoxHolds(const std::string& text) {
    return WaitFor([&] { return TextOf(Control(kNewPortId)) == text; }, 5000);
  }
  bool FocusReaches(int id) {
    return WaitFor([&] { return Focus() == Control(id); }, 5000);
  }

  // Waits for the program's message box, checks its caption, presses
  // `button` and returns the box's text.
  std::string Answer(const char* caption, int button) {
    HWND box = nullptr;
    if (!WaitFor([&] {
          EnumThreadWindows(process_.dwThreadId, FindMessageBox, reinterpret_cast<LPARAM>(&box));
          return box != nullptr;
        })) {
      return "no message box";
    }
    char title[256] = {};
    GetWindowTextA(box, title, sizeof title);
    EXPECT_EQ(std::string(title), caption);
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    return text;
  }
  DWORD ExitCode() {
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 15000), WAIT_OBJECT_0) << "the program did not end";
    DWORD code = 12345;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr;
};

TEST_F(Velquor, ShowsTheSevenLinesThePortAndTheFocusThenClosesWithZero) {
  const DWORD port = 3389;
  SetPort(kTdsKey, &port);
  ASSERT_NO_FATAL_FAILURE(Start());
  const std::string info = TextOf(Control(kSystemInfoId));
  const char* labels[] = {"操作系统：", "编译版本：", "补丁版本：", "本地语言：", "系统目录：", "当前用户：", "物理内存："};
  std::size_t at = 0;
  for (const char* label : labels) {
    const std::size_t found = info.find(label, at);
    ASSERT_NE(found, std::string::npos) << label << " in " << info;
    at = found + 1;
  }
  EXPECT_EQ(info.substr(info.size() - 4), " G\r\n");
  EXPECT_EQ(TextOf(Control(kOldPortId)), "3389");
  EXPECT_EQ(TextOf(Control(kNewPortId)), "");
  EXPECT_EQ(Focus(), Control(kNewPortId));
  CloseWithZero();
  EXPECT_EQ(PortOf(kTdsKey), 3389);
}

TEST_F(Velquor, AMissingValueShowsZeroAndAllOnesShowsMinusOne) {
  const DWORD allOnes = 0xFFFFFFFF;
  for (const DWORD* stored : {static_cast<const DWORD*>(nullptr), &allOnes}) {
    SetPort(kTdsKey, stored);
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(TextOf(Control(kOldPortId)), stored == nullptr ? "0" : "-1");
    CloseWithZero();
    Forget();
  }
}

TEST_F(Velquor, TypingTabAndSpaceWriteBothValuesAndNoEndsWithZero) {
  SetBothPorts(3389);
  ASSERT_NO_FATAL_FAILURE(Start());
  Type("x4.4 44");  // the filter keeps the digits only
  EXPECT_TRUE(BoxHolds("4444")) << TextOf(Control(kNewPortId));
  Key(VK_TAB);
  ASSERT_TRUE(FocusReaches(kButtonId));
  Key(VK_SPACE);
  EXPECT_EQ(Answer("生效", IDNO), "修改成功重启生效是否马上重启?");
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_EQ(PortOf(kWinStationsKey), 4444);
  EXPECT_EQ(PortOf(kTdsKey), 4444);
}

TEST_F(Velquor, ARefusedPortWritesNothingAndKeepsTheWindow) {
  SetBothPorts(3389);
  ASSERT_NO_FATAL_FAILURE(Start());
  Type("70000");
  ASSERT_TRUE(BoxHolds("70000"));
  Key(VK_TAB);
  ASSERT_TRUE(FocusReaches(kButtonId));
  Key(VK_SPACE);
  EXPECT_EQ(Answer("信息：", IDOK), "端口号70000无效，请输入1到65535之间的端口号！");
  Idle();
  EXPECT_TRUE(FocusReaches(kNewPortId));
  EXPECT_EQ(WaitForSingleObject(process_.hProcess, 300), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(PortOf(kWinStationsKey), 3389);
  EXPECT_EQ(PortOf(kTdsKey), 3389);
  CloseWithZero();
}

// Windows refuses the write when the key's access list denies it: the
// message names the refused value and quotes the text, nothing is rolled back.
TEST_F(Velquor, ARefusedWriteIsReportedAndTheWindowStays) {
  struct Case { const char* lockedKey; const char* message; long long winStations; };
  const Case cases[] = {
      {kWinStationsKey,
       "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\WinStations\\RDP-Tcp\\PortNumber】值为80失败！！",
       3389},
      {kTdsKey, "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp\\PortNumber】值为80失败！！",
       80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lockedKey);
    SetBothPorts(3389);
    ASSERT_TRUE(testing::SetKeyAccess(HKEY_LOCAL_MACHINE, c.lockedKey, testing::kReadOnlyKey));
    ASSERT_NO_FATAL_FAILURE(Start());
    Type("80");
    ASSERT_TRUE(BoxHolds("80"));
    PostMessageA(Control(kButtonId), BM_CLICK, 0, 0);
    EXPECT_EQ(Answer("信息：", IDOK), c.message);
    Idle();
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 300), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(testing::SetKeyAccess(HKEY_LOCAL_MACHINE, c.lockedKey, testing::kOpenKey));
    EXPECT_EQ(PortOf(kWinStationsKey), c.winStations);
    EXPECT_EQ(PortOf(kTdsKey), 3389);
    CloseWithZero();
    Forget();
  }
}

TEST_F(Velquor, AOneMebibytePasteStaysResponsiveAndConvertsByTheRules) {
  SetBothPorts(3389);
  ASSERT_NO_FATAL_FAILURE(Start());
  // Ideographic blanks, the port, two-byte characters and blanks: 1 MiB.
  Text pasted;
  while (pasted.size() < 256 * 1024) pasted += "\xA1\xA1";
  pasted += "3391";
  while (pasted.size() < 768 * 1024) pasted += "\xD6\xD0";
  while (pasted.size() < 1024 * 1024) pasted += ' ';
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
  memcpy(GlobalLock(memory), pasted.c_str(), pasted.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();

  const DWORD start = GetTickCount();
  PostMessageA(Control(kNewPortId), WM_PASTE, 0, 0);
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result), 0) << "not responsive";
  EXPECT_LT(GetTickCount() - start, 10000u);
  EXPECT_EQ(SendMessageA(Control(kNewPortId), WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(pasted.size()));

  SetFocus(nullptr);
  PostMessageA(Control(kButtonId), BM_CLICK, 0, 0);
  EXPECT_EQ(Answer("生效", IDNO), "修改成功重启生效是否马上重启?");
  EXPECT_EQ(ExitCode(), 0u);
  const long long expected = RealToInteger(TextToReal(TrimBothEnds(pasted)));
  EXPECT_EQ(PortOf(kWinStationsKey), expected);
  EXPECT_EQ(PortOf(kTdsKey), expected);
}

}  // namespace
}  // namespace velquor
