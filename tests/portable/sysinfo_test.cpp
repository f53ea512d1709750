// The version naming, the memory figure and the panel's lines, from tables.
#include <gtest/gtest.h>

#include <optional>

#include "sysinfo/memory_line.h"
#include "sysinfo/system_info.h"
#include "sysinfo/system_info_panel.h"
#include "sysinfo/version_facts.h"
#include "tests/fakes/fake_window.h"

namespace velquor {
namespace {

constexpr std::uint32_t kWin32s = 0, kWin95 = 1, kNt = 2, kCe = 3;

// One GetVersionExA answer through GetOSVersion's rules and the name table.
TEST(VersionMembers, NameVersionBuildAndServicePackFromTheAnswer) {
  struct Case {
    OsVersionAnswer answer;
    const char* osName;
    const char* osVersion;
    std::int32_t build;
    const char* servicePack;
  };
  const Case cases[] = {
      {{5, 1, 2600, kNt, "Service Pack 3", 0}, "Windows XP", "5.01", 2600, "Service Pack 3"},
      {{6, 1, 7601, kNt, "Service Pack 1", 1}, "Windows 7", "6.01", 7601, "Service Pack 1"},
      {{6, 1, 7601, kNt, "Service Pack 1", 3}, "Windows Server 2008 R2", "6.01", 7601, "Service Pack 1"},
      {{6, 0, 6002, kNt, "Service Pack 2", 1}, "Windows Vista", "6.00", 6002, "Service Pack 2"},
      {{6, 0, 6002, kNt, "", 2}, "Windows Server 2008", "6.00", 6002, ""},
      {{6, 2, 9200, kNt, "", 1}, "", "6.02", 9200, ""},
      {{10, 0, 19045, kNt, "", 1}, "", "10.00", 19045, ""},
      {{4, 0, 1381, kNt, "Service Pack 6a", 0}, "Windows NT", "4.00", 1381, "Service Pack 6"},
      {{3, 51, 1057, kNt, "", 0}, "Windows NT", "3.51", 1057, ""},
      {{5, 0, 2195, kNt, "Service Pack 4", 0}, "Windows 2000", "5.00", 2195, "Service Pack 4"},
      {{5, 2, 3790, kNt, "Service Pack 2", 0}, "Windows 2003", "5.02", 3790, "Service Pack 2"},
      {{5, 1, 2600, kNt, "Update without digits", 0}, "Windows XP", "5.01", 2600, ""},
      {{5, 1, 2600, kNt, "RC2 build", 0}, "Windows XP", "5.01", 2600, "Service Pack 2"},  // first digit on
      {{5, 1, 0x0A280A28u, kNt, "", 0}, "Windows XP", "5.01", 0x0A28, ""},               // high bits cleared
      {{4, 0, 950, kWin95, "", 0}, "Windows 95", "4.00", 950, ""},
      {{4, 0, 1000, kWin95, "", 0}, "Windows 95 SP1", "4.00", 1000, "Service Pack 1"},
      {{4, 0, 1080, kWin95, "", 0}, "Windows 95 SP1", "4.00", 1080, "Service Pack 1"},
      {{4, 0, 1111, kWin95, "", 0}, "Windows 95 OSR2", "4.00", 1111, "Service Pack 2"},
      {{4, 0, 500, kWin95, "", 0}, "Windows ??", "4.00", 500, ""},
      {{4, 10, 1998, kWin95, "", 0}, "Windows 98", "4.10", 1998, ""},
      {{4, 10, 2000, kWin95, "", 0}, "Windows 98 SP1", "4.10", 2000, "Service Pack 1"},
      {{4, 10, 2222, kWin95, "", 0}, "Windows 98 Second Edition", "4.10", 2222, ""},
      {{4, 90, 3000, kWin95, "", 0}, "Windows Millenium Edition", "4.90", 3000, ""},
      {{4, 90, 1000, kWin95, "", 0}, "Windows 95 SP1", "4.90", 1000, "Service Pack 1"},  // caught by an earlier row
      {{5, 0, 100, kWin95, "", 0}, "Windows ??", "5.00", 100, ""},
      {{6, 1, 7601, kWin32s, "Service Pack 1", 1}, "Windows", "3.10", 0, ""},
      {{5, 0, 1, kCe, "", 0}, "Windows CE", "5.00", 1, ""},
      {{5, 0, 1, 4, "", 0}, "Unknown OS", "5.00", 1, ""},
      {{5, 0, 1, 99, "", 0}, "Unknown OS", "5.00", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.osName) + " / " + c.osVersion + " platform " + std::to_string(c.answer.platformId));
    const VersionMembers m = VersionMembersFrom(c.answer, VersionFactsFromAnswer(c.answer));
    EXPECT_EQ(m.osName, c.osName);
    EXPECT_EQ(m.osVersion, c.osVersion);
    EXPECT_EQ(m.buildNumber, c.build);
    EXPECT_EQ(m.servicePack, c.servicePack);
  }
}

TEST(VersionMembers, FailuresLeaveTheirFixedValues) {
  const VersionMembers none = VersionMembersFrom(std::nullopt, std::nullopt);
  EXPECT_EQ(none.osName, "");
  EXPECT_EQ(none.osVersion, "");
  EXPECT_EQ(none.servicePack, "");
  EXPECT_EQ(none.buildNumber, 0);

  const OsVersionAnswer answer{6, 1, 7601, kNt, "Service Pack 1", 1};
  const VersionMembers failed = VersionMembersFrom(answer, std::nullopt);
  EXPECT_EQ(failed.osName, "Failed in call to GetOSVersion");
  EXPECT_EQ(failed.osVersion, "unknown");
  EXPECT_EQ(failed.servicePack, "unknown");
  EXPECT_EQ(failed.buildNumber, 0);
}

TEST(VersionMembers, GetVersionPackedValueGivesAnNtVersionWithoutBuild) {
  // GetVersion(): low byte major, next byte minor, high word the build.
  const VersionFacts facts = VersionFactsFromPackedVersion(0x1DB10106u);
  EXPECT_EQ(facts.major, 6u);
  EXPECT_EQ(facts.minor, 1u);
  EXPECT_EQ(facts.build, 0);
  EXPECT_EQ(facts.family, OsFamily::WindowsNt);
  const VersionMembers m = VersionMembersFrom(OsVersionAnswer{6, 1, 7601, kNt, "", 1}, facts);
  EXPECT_EQ(m.osName, "Windows 7");  // the provisional name of the extended answer
  EXPECT_EQ(m.osVersion, "6.01");
  EXPECT_EQ(m.buildNumber, 0);
}

TEST(ServicePackNumber, IsAtoiFromTheFirstDigit) {
  struct Case { const char* csd; std::uint16_t number; };
  const Case cases[] = {{"", 0}, {"Service Pack 6a", 6}, {"Service Pack 12", 12}, {"SP", 0},
                        {"x0", 0}, {"Service Pack 65537", 1}};
  for (const Case& c : cases) EXPECT_EQ(ServicePackNumber(c.csd), c.number) << c.csd;
}

TEST(FitToCapacity, KeepsAtMostOneByteLessAndNeverSplitsACharacter) {
  struct Case { std::string value; std::size_t capacity; std::string fitted; };
  const Case cases[] = {
      {"abc", 4, "abc"},
      {"abcd", 4, "abc"},
      {"ab\xD6\xD0", 4, "ab"},          // the two-byte character would need byte 4
      {"a\xD6\xD0" "b", 4, "a\xD6\xD0"},
      {"\xD6\xD0\xD6\xD0", 4, "\xD6\xD0"},
      {"abc", 1, ""},
      {"abc", 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FitToCapacity(c.value, c.capacity), c.fitted) << c.value << " " << c.capacity;
}

TEST(Memory, BytesToMiBAndMiBToTheGiBFigure) {
  struct Bytes { std::uint64_t bytes; std::int32_t mib; };
  const Bytes bytes[] = {{8589934592ull, 8192}, {8388608000ull, 8000}, {17179869184ull, 16384},
                         {1048575ull, 0}, {1048576ull, 1}};
  for (const Bytes& b : bytes) EXPECT_EQ(MiBFromBytes(b.bytes), b.mib) << b.bytes;

  struct Shown { std::int32_t mib; const char* text; };
  const Shown shown[] = {{0, "0"},       {1, "0"},       {512, "0.5"},  {1000, "0.98"}, {3583, "3.5"},
                         {4095, "4"},    {8000, "7.81"}, {8064, "7.88"}, {8192, "8"},   {16384, "16"}};
  for (const Shown& s : shown) EXPECT_EQ(GiBText(s.mib), s.text) << s.mib;
}

struct PanelFixture {
  fakes::FakeWindow window;
  SystemInfo answer;
  std::int32_t memory = 0;
  int queries = 0;

  Text Run() {
    ShowSystemInfo(window.Ops(), SystemInfoServices{
                                     .QuerySystemInfo =
                                         [this](SystemInfo& info) {
                                           ++queries;
                                           info = answer;
                                         },
                                     .QueryMemoryTotal = [this] { return memory; },
                                 });
    return window.boxes[Control::编辑框_系统信息];
  }
};

TEST(ShowSystemInfo, WritesTheSevenLinesOfTheWorkedExample) {
  PanelFixture f;
  f.answer.osName = "Windows 7";
  f.answer.osVersion = "6.01";
  f.answer.buildNumber = 7601;
  f.answer.servicePack = "Service Pack 1";
  f.answer.languageName = "中文(简体，中国)";
  f.answer.systemDirectory = "C:\\windows\\system32";
  f.answer.userName = "admin";
  f.answer.windowsDirectory = "C:\\windows";  // gathered, not shown
  f.answer.countryName = "China";
  f.memory = 8000;
  f.window.boxes[Control::编辑框_系统信息] = "earlier text\r\n";
  const Text box = f.Run();
  // The bytes written out: every label ends with the full-width colon A3 BA.
  const Text expected =
      "\xB2\xD9\xD7\xF7\xCF\xB5\xCD\xB3\xA3\xBA" "Windows 7\r\n"
      "\xB1\xE0\xD2\xEB\xB0\xE6\xB1\xBE\xA3\xBA" "7601\r\n"
      "\xB2\xB9\xB6\xA1\xB0\xE6\xB1\xBE\xA3\xBA" "Service Pack 1\r\n"
      "\xB1\xBE\xB5\xD8\xD3\xEF\xD1\xD4\xA3\xBA" + f.answer.languageName + "\r\n"
      "\xCF\xB5\xCD\xB3\xC4\xBF\xC2\xBC\xA3\xBA" "C:\\windows\\system32\r\n"
      "\xB5\xB1\xC7\xB0\xD3\xC3\xBB\xA7\xA3\xBA" "admin\r\n"
      "\xCE\xEF\xC0\xED\xC4\xDA\xB4\xE6\xA3\xBA" "7.81 G\r\n";
  EXPECT_EQ(box, expected);
  EXPECT_EQ(f.queries, 1);
  EXPECT_TRUE(f.window.focusCalls.empty());
}

TEST(ShowSystemInfo, EmptyAndFailedMembersLeaveTheLabelsAlone) {
  struct Case { SystemInfo answer; std::int32_t memory; const char* lines; };
  SystemInfo failed;
  failed.osName = "Failed in call to GetOSVersion";
  failed.osVersion = "unknown";
  failed.servicePack = "unknown";
  const Case cases[] = {
      {SystemInfo{}, 0,
       "操作系统：\r\n编译版本：0\r\n补丁版本：\r\n本地语言：\r\n系统目录：\r\n当前用户：\r\n物理内存：0 G\r\n"},
      {failed, 8064,
       "操作系统：Failed in call to GetOSVersion\r\n编译版本：0\r\n补丁版本：unknown\r\n本地语言：\r\n系统目录：\r\n"
       "当前用户：\r\n物理内存：7.88 G\r\n"},
  };
  for (const Case& c : cases) {
    PanelFixture f;
    f.answer = c.answer;
    f.memory = c.memory;
    EXPECT_EQ(f.Run(), c.lines);
  }
}

}  // namespace
}  // namespace velquor
