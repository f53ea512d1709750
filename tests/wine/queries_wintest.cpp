// The environment queries on the real API, compared with what the same
// Windows calls answer when this test asks them directly; and the started
// window's system-information box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "sysinfo/queries.h"
#include "sysinfo/system_info_panel.h"
#include "tests/fakes/fake_port_services.h"
#include "ui/main_window.h"

namespace velquor {
namespace {

std::string Cut(const std::string& s, std::size_t capacity) { return s.substr(0, capacity - 1); }

TEST(QuerySystemInfo, GivesWhatWindowsAnswers) {
  SystemInfo info;
  QuerySystemInfo(info);

  OSVERSIONINFOEXA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)));
  EXPECT_EQ(info.buildNumber, static_cast<std::int32_t>(version.dwBuildNumber & 0xFFFF));
  char expectedVersion[32];
  snprintf(expectedVersion, sizeof expectedVersion, "%lu.%02lu", version.dwMajorVersion, version.dwMinorVersion);
  EXPECT_EQ(info.osVersion, expectedVersion);
  if (version.wServicePackMajor == 0) {
    EXPECT_EQ(info.servicePack, "");
  }

  char user[256] = {};
  DWORD userSize = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &userSize));
  EXPECT_EQ(info.userName, Cut(user, kUserNameCapacity));
  EXPECT_FALSE(info.userName.empty());

  char directory[MAX_PATH] = {};
  GetSystemDirectoryA(directory, MAX_PATH);
  EXPECT_EQ(info.systemDirectory, directory);
  GetWindowsDirectoryA(directory, MAX_PATH);
  EXPECT_EQ(info.windowsDirectory, directory);

  const auto lcid = static_cast<LCID>(LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0))));
  char buffer[260] = {};
  GetLocaleInfoA(lcid, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer);
  EXPECT_EQ(info.ansiCodePage, atoi(buffer));
  GetLocaleInfoA(lcid, LOCALE_ICOUNTRY, buffer, sizeof buffer);
  EXPECT_EQ(info.countryCode, atoi(buffer));
  GetLocaleInfoA(lcid, LOCALE_SENGCOUNTRY, buffer, sizeof buffer);
  EXPECT_EQ(info.countryName, Cut(buffer, kLocaleTextCapacity));
  GetLocaleInfoA(lcid, LOCALE_STIMEFORMAT, buffer, sizeof buffer);
  EXPECT_EQ(info.timeFormat, Cut(buffer, kLocaleTextCapacity));

  VerLanguageNameA(GetSystemDefaultLangID(), buffer, sizeof buffer);
  EXPECT_FALSE(info.languageName.empty());
  EXPECT_EQ(info.languageName, Cut(buffer, kLocaleTextCapacity).substr(0, info.languageName.size()));

  TIME_ZONE_INFORMATION zone = {};
  if (GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID) {
    char name[128] = {};
    WideCharToMultiByte(CP_ACP, 0, zone.StandardName, -1, name, sizeof name, nullptr, nullptr);
    EXPECT_EQ(info.timeZoneName, Cut(name, kLocaleTextCapacity).substr(0, info.timeZoneName.size()));
  }
}

TEST(QuerySystemInfo, TheAnsiCodePageIs936Here) {
  // The tests run with LC_ALL=zh_CN.UTF-8, which gives Wine code page 936.
  EXPECT_EQ(GetACP(), 936u);
}

TEST(GetOSVersion, MatchesGetVersionExA) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  const auto facts = GetOSVersion();
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->major, version.dwMajorVersion);
  EXPECT_EQ(facts->minor, version.dwMinorVersion);
  EXPECT_EQ(facts->build, version.dwBuildNumber & 0xFFFF);
  EXPECT_EQ(facts->family, version.dwPlatformId == VER_PLATFORM_WIN32_NT ? OsFamily::WindowsNt : facts->family);
}

TEST(QueryMemoryTotal, IsTheTotalPhysicalMemoryInWholeMiB) {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  const auto expected = static_cast<std::int32_t>(status.ullTotalPhys / (1024 * 1024));
  EXPECT_EQ(QueryMemoryTotal(), expected);
  EXPECT_EQ(QueryMemoryTotal(), expected);  // the second call reuses the choice
  EXPECT_GT(expected, 0);
}

TEST(StartedWindow, ShowsTheSevenLinesBeforeThePort) {
  fakes::FakePortServices services;
  services.registry[kTdsPortPath] = 3389;
  Text portDuringPanel = "unset";
  MainWindowHooks hooks{
      .port = services.Services(),
      .showSystemInfo =
          [&portDuringPanel](const WindowOps& window) {
            ShowSystemInfo(window, Win32SystemInfoServices());
            portDuringPanel = window.GetBoxText(Control::编辑框_原端口);
          },
      .endProgram = [](int) {},
  };
  HWND window = CreateMainWindow(GetModuleHandleA(nullptr), std::move(hooks));
  ASSERT_NE(window, nullptr);
  const WindowOps ops = MainWindowOps(window);
  const Text box = ops.GetBoxText(Control::编辑框_系统信息);

  std::vector<Text> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = box.find("\r\n", start)) != Text::npos; start = end + 2) {
    lines.push_back(box.substr(start, end - start));
  }
  EXPECT_EQ(start, box.size());  // the text ends with CR LF
  const char* labels[] = {"操作系统：", "编译版本：", "补丁版本：", "本地语言：", "系统目录：", "当前用户：", "物理内存："};
  ASSERT_EQ(lines.size(), 7u) << box;
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(lines[i].rfind(labels[i], 0), 0u) << lines[i];
  char directory[MAX_PATH] = {};
  GetSystemDirectoryA(directory, MAX_PATH);
  EXPECT_EQ(lines[4], std::string("系统目录：") + directory);
  EXPECT_EQ(lines[6].substr(lines[6].size() - 2), " G");

  EXPECT_EQ(portDuringPanel, "");  // the port is shown after the panel
  EXPECT_EQ(ops.GetBoxText(Control::编辑框_原端口), "3389");
  DestroyWindow(window);
}

}  // namespace
}  // namespace velquor
