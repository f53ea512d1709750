// The port display and change procedures, driven through fakes.
#include "rdpport/port_change.h"

#include <gtest/gtest.h>

#include <optional>

#include "tests/fakes/fake_port_services.h"
#include "tests/fakes/fake_window.h"

namespace velquor {
namespace {

using fakes::FakePortServices;
using fakes::FakeWindow;

const Text kWinStations = kWinStationsPortPath;
const Text kTds = kTdsPortPath;
const Text kWinStationsFailure =
    "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\WinStations\\RDP-Tcp\\PortNumber】值为";
const Text kTdsFailure = "修改【SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp\\PortNumber】值为";
const Text kQuestion = "修改成功重启生效是否马上重启?";

Text InvalidPortMessage(const Text& shown) { return "端口号" + shown + "无效，请输入1到65535之间的端口号！"; }

struct Fixture {
  FakeWindow window;
  FakePortServices services;

  void Run(const Text& boxText) {
    window.boxes[Control::编辑框_修改后端口] = boxText;
    ChangePort(window.Ops(), services.Services());
  }
};

TEST(ShowCurrentPort, ShowsTheTdsValueAsText) {
  struct Case { std::optional<std::uint32_t> stored; const char* shown; };
  const Case cases[] = {{std::nullopt, "0"}, {3389u, "3389"}, {0xFFFFFFFFu, "-1"}, {0x80000000u, "-2147483648"}};
  for (const Case& c : cases) {
    Fixture f;
    if (c.stored) f.services.registry[kTds] = *c.stored;
    f.services.registry[kWinStations] = 1234;  // never the one shown
    ShowCurrentPort(f.window.Ops(), f.services.Services());
    EXPECT_EQ(f.window.boxes[Control::编辑框_原端口], c.shown);
    EXPECT_TRUE(f.services.writes.empty());
  }
}

// Every outcome of one press of the button with both writes allowed.
TEST(ChangePort, StoresTheConvertedPortInBothValuesOrRefusesIt) {
  struct Case {
    Text box;
    std::optional<std::uint32_t> stored;  // both values afterwards; nullopt: nothing written
    std::optional<Text> refusal;          // the invalid-port message's quoted text
  };
  const Case cases[] = {
      {"3390", 3390u, std::nullopt},
      {"80abc", 80u, std::nullopt},                     // pasted, lenient conversion
      {"\xA3\xB8\xA3\xB0", 80u, std::nullopt},          // full-width 8 0
      {"80.9", 80u, std::nullopt},
      {"  \xA1\xA1" "443\xA1\xA1 ", 443u, std::nullopt},
      {"1", 1u, std::nullopt},
      {"65535", 65535u, std::nullopt},
      {"65535.9", 65535u, std::nullopt},
      {"6.5535e4", 65535u, std::nullopt},
      {"   ", std::nullopt, Text("")},                  // blanks only: trimmed to nothing, 0
      {"\xA1\xA1", std::nullopt, Text("")},
      {"-1", std::nullopt, Text("-1")},
      {"0", std::nullopt, Text("0")},
      {"0.9", std::nullopt, Text("0.9")},
      {"65536", std::nullopt, Text("65536")},
      {"70000", std::nullopt, Text("70000")},
      {"4294967297", std::nullopt, Text("4294967297")},  // would wrap to 1 in 32 bits
      {"abc", std::nullopt, Text("abc")},
      {" 1e999 ", std::nullopt, Text("1e999")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("box: " + c.box);
    Fixture f;
    f.Run(c.box);
    EXPECT_TRUE(f.window.misuse.empty());
    if (c.stored) {
      ASSERT_EQ(f.services.writes.size(), 2u);
      EXPECT_EQ(f.services.writes[0].path, kWinStations);  // WinStations first, Tds second
      EXPECT_EQ(f.services.writes[1].path, kTds);
      for (const auto& write : f.services.writes) EXPECT_EQ(write.root, 4);
      EXPECT_EQ(f.services.registry[kWinStations], *c.stored);
      EXPECT_EQ(f.services.registry[kTds], *c.stored);
      ASSERT_EQ(f.services.messages.size(), 1u);
      EXPECT_EQ(f.services.messages[0].text, kQuestion);
      EXPECT_EQ(f.services.messages[0].style, 36);
      EXPECT_EQ(f.services.messages[0].caption, "生效");
      EXPECT_EQ(f.window.exitCode, 0);
    } else {
      EXPECT_TRUE(f.services.writes.empty());
      ASSERT_EQ(f.services.messages.size(), 1u);
      EXPECT_EQ(f.services.messages[0].text, InvalidPortMessage(*c.refusal));
      EXPECT_EQ(f.services.messages[0].style, 16);
      EXPECT_EQ(f.services.messages[0].caption, "");  // the default caption
      EXPECT_EQ(f.window.focusCalls, std::vector<Control>{Control::编辑框_修改后端口});
      EXPECT_FALSE(f.window.exitCode);  // the window waits for a correction
    }
    EXPECT_TRUE(f.services.restarts.empty());  // the fake answers No
  }
}

TEST(ChangePort, AnEmptyBoxOnlyMovesTheFocus) {
  Fixture f;
  f.Run("");
  EXPECT_EQ(f.window.focusCalls, std::vector<Control>{Control::编辑框_修改后端口});
  EXPECT_TRUE(f.services.writes.empty());
  EXPECT_TRUE(f.services.messages.empty());
  EXPECT_FALSE(f.window.exitCode);
}

TEST(ChangePort, RefusedFirstWriteNamesWinStationsAndLeavesTdsAlone) {
  Fixture f;
  f.services.registry[kTds] = 3389;
  f.services.refusedPaths = {kWinStations};
  f.Run(" 80 ");
  ASSERT_EQ(f.services.writes.size(), 1u);
  ASSERT_EQ(f.services.messages.size(), 1u);
  EXPECT_EQ(f.services.messages[0].text, kWinStationsFailure + "80" + "失败！！");
  EXPECT_EQ(f.services.messages[0].style, 16);
  EXPECT_EQ(f.services.messages[0].caption, "");
  EXPECT_EQ(f.services.registry[kTds], 3389u);
  EXPECT_FALSE(f.window.exitCode);
  EXPECT_TRUE(f.window.focusCalls.empty());
}

TEST(ChangePort, RefusedSecondWriteNamesTdsAndKeepsTheFirstValue) {
  Fixture f;
  f.services.registry[kTds] = 3389;
  f.services.registry[kWinStations] = 3389;
  f.services.refusedPaths = {kTds};
  f.Run("\xA1\xA1" "8080");
  ASSERT_EQ(f.services.writes.size(), 2u);
  ASSERT_EQ(f.services.messages.size(), 1u);
  EXPECT_EQ(f.services.messages[0].text, kTdsFailure + "8080" + "失败！！");
  EXPECT_EQ(f.services.registry[kWinStations], 8080u);  // no rollback
  EXPECT_EQ(f.services.registry[kTds], 3389u);
  EXPECT_FALSE(f.window.exitCode);
}

TEST(ChangePort, TheAnswerDecidesTheRestartAndTheProgramEndsEitherWay) {
  struct Case { DialogResult answer; bool restartSucceeds; bool restartRequested; };
  const Case cases[] = {
      {DialogResult::Yes, true, true},
      {DialogResult::Yes, false, true},  // a refused restart ends the program all the same
      {DialogResult::No, true, false},
      {DialogResult::Ok, true, false},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.services.answer = c.answer;
    f.services.restartSucceeds = c.restartSucceeds;
    f.Run("3390");
    EXPECT_EQ(f.services.restarts, c.restartRequested ? std::vector<bool>{true} : std::vector<bool>{});
    EXPECT_EQ(f.window.exitCode, 0);
    EXPECT_TRUE(f.window.misuse.empty());
  }
}

}  // namespace
}  // namespace velquor
