// sysinfo/version_facts.cpp
#include "sysinfo/version_facts.h"

#include <cstdio>

#include "sysinfo/system_info.h"

namespace velquor {
namespace {

constexpr std::uint32_t kPlatformWin32s = 0;
constexpr std::uint32_t kPlatformWindows95 = 1;
constexpr std::uint32_t kPlatformNt = 2;
constexpr std::uint32_t kPlatformCe = 3;
constexpr std::uint8_t kNtWorkstation = 1;

// The Windows 95 family's service-pack rows of the name table, shared by the
// service-pack number and the release name so the two cannot disagree.
bool IsWindows95Sp1(std::uint32_t major, std::uint16_t build) { return major == 4 && build > 950 && build <= 1080; }
bool IsWindows95Osr2(std::uint32_t major, std::uint32_t minor, std::uint16_t build) {
  return major == 4 && minor < 10 && build > 1080;
}
bool IsWindows98Sp1(std::uint32_t major, std::uint32_t minor, std::uint16_t build) {
  return major == 4 && minor == 10 && build > 1998 && build < 2183;
}

}  // namespace

std::uint16_t ServicePackNumber(std::string_view csdVersion) {
  std::size_t pos = 0;
  while (pos < csdVersion.size() && !(csdVersion[pos] >= '0' && csdVersion[pos] <= '9')) ++pos;
  std::uint32_t number = 0;  // wraps like a C int would, only the low 16 bits are kept
  for (; pos < csdVersion.size() && csdVersion[pos] >= '0' && csdVersion[pos] <= '9'; ++pos) {
    number = number * 10u + static_cast<std::uint32_t>(csdVersion[pos] - '0');
  }
  return static_cast<std::uint16_t>(number);
}

VersionFacts VersionFactsFromAnswer(const OsVersionAnswer& answer) {
  VersionFacts facts{
      .major = answer.major,
      .minor = answer.minor,
      .build = static_cast<std::uint16_t>(answer.build & 0xFFFFu),
  };
  switch (answer.platformId) {
    case kPlatformWin32s:
      facts = {.major = 3, .minor = 10, .build = 0, .family = OsFamily::Win32s, .servicePack = 0};
      break;
    case kPlatformWindows95:
      facts.family = OsFamily::Windows95;
      if (IsWindows95Sp1(facts.major, facts.build)) {
        facts.servicePack = 1;
      } else if (IsWindows95Osr2(facts.major, facts.minor, facts.build)) {
        facts.servicePack = 2;
      } else if (IsWindows98Sp1(facts.major, facts.minor, facts.build)) {
        facts.servicePack = 1;
      }
      break;
    case kPlatformNt:
      facts.family = OsFamily::WindowsNt;
      facts.servicePack = ServicePackNumber(answer.csdVersion);
      break;
    case kPlatformCe: facts.family = OsFamily::WindowsCe; break;
    default: facts.family = OsFamily::Unknown; break;
  }
  return facts;
}

VersionFacts VersionFactsFromPackedVersion(std::uint32_t packed) {
  return VersionFacts{
      .major = packed & 0xFFu,
      .minor = (packed >> 8) & 0xFFu,
      .build = 0,
      .family = OsFamily::WindowsNt,
      .servicePack = 0,
  };
}

Text ProvisionalName(const OsVersionAnswer& answer) {
  if (answer.platformId != kPlatformNt || answer.major != 6) return Text();
  const bool workstation = answer.productType == kNtWorkstation;
  if (answer.minor == 0) return workstation ? "Windows Vista" : "Windows Server 2008";
  if (answer.minor == 1) return workstation ? "Windows 7" : "Windows Server 2008 R2";
  return Text();
}

Text ReleaseName(const VersionFacts& facts, std::string_view provisional) {
  const std::uint32_t major = facts.major;
  const std::uint32_t minor = facts.minor;
  const std::uint16_t build = facts.build;
  switch (facts.family) {
    case OsFamily::Win32s: return "Windows";
    case OsFamily::Windows95:
      if (major == 4 && minor == 0 && build == 950) return "Windows 95";
      if (IsWindows95Sp1(major, build)) return "Windows 95 SP1";
      if (IsWindows95Osr2(major, minor, build)) return "Windows 95 OSR2";
      if (major == 4 && minor == 10 && build == 1998) return "Windows 98";
      if (IsWindows98Sp1(major, minor, build)) return "Windows 98 SP1";
      if (major == 4 && minor == 10 && build >= 2183) return "Windows 98 Second Edition";
      if (major == 4 && minor == 90) return "Windows Millenium Edition";
      return "Windows ??";
    case OsFamily::WindowsNt:
      if (major <= 4) return "Windows NT";
      if (major == 5 && minor == 0) return "Windows 2000";
      if (major == 5 && minor == 1) return "Windows XP";
      if (major == 5 && minor == 2) return "Windows 2003";
      return Text(provisional);
    case OsFamily::WindowsCe: return "Windows CE";
    case OsFamily::Unknown: break;
  }
  return "Unknown OS";
}

Text VersionText(std::uint32_t major, std::uint32_t minor) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%d.%02d", static_cast<int>(major), static_cast<int>(minor));
  return Text(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
}

VersionMembers VersionMembersFrom(const std::optional<OsVersionAnswer>& answer,
                                  const std::optional<VersionFacts>& facts) {
  VersionMembers members;
  if (!answer) return members;
  if (!facts) {
    members.osName = "Failed in call to GetOSVersion";
    members.osVersion = "unknown";
    members.servicePack = "unknown";
    return members;
  }
  members.osName = FitToCapacity(ReleaseName(*facts, ProvisionalName(*answer)), kOsNameCapacity);
  members.osVersion = FitToCapacity(VersionText(facts->major, facts->minor), kOsVersionCapacity);
  members.buildNumber = facts->build;
  if (facts->servicePack != 0) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "Service Pack %d", static_cast<int>(facts->servicePack));
    members.servicePack =
        FitToCapacity(std::string_view(buffer, static_cast<std::size_t>(length)), kServicePackCapacity);
  }
  return members;
}

}  // namespace velquor
