// sysinfo/version_facts.h
// Naming the Windows release from what the version queries answered. Portable:
// the Win32 layer only copies Windows' answers into these records.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace velquor {

// The fields of an OSVERSIONINFO(EX)A answer that the naming rules read.
struct OsVersionAnswer {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;  // dwBuildNumber as Windows gave it, all 32 bits
  std::uint32_t platformId = 0;
  Text csdVersion;               // szCSDVersion
  std::uint8_t productType = 0;  // wProductType (extended answer only)
};

enum class OsFamily { Win32s, Windows95, WindowsNt, WindowsCe, Unknown };

struct VersionFacts {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint16_t build = 0;
  OsFamily family = OsFamily::Unknown;
  std::uint16_t servicePack = 0;
};

// Facts from a GetVersionExA answer (platform 0 forces 3.10 build 0).
VersionFacts VersionFactsFromAnswer(const OsVersionAnswer& answer);

// Facts from GetVersion()'s packed value, used when GetVersionExA is missing.
VersionFacts VersionFactsFromPackedVersion(std::uint32_t packed);

// The number atoi reads from the first ASCII digit of szCSDVersion on; 0 when
// there is no digit.
std::uint16_t ServicePackNumber(std::string_view csdVersion);

// "Windows Vista", "Windows 7" and the two server names, from an NT 6.0 or
// 6.1 answer and its product type; empty for everything else.
Text ProvisionalName(const OsVersionAnswer& answer);

// The release name of the name table, or `provisional` where the table gives
// none (NT 6.0 and later).
Text ReleaseName(const VersionFacts& facts, std::string_view provisional);

// "%d.%02d".
Text VersionText(std::uint32_t major, std::uint32_t minor);

struct VersionMembers {
  Text osName;
  Text osVersion;
  std::int32_t buildNumber = 0;
  Text servicePack;
};

// The four version members of SystemInfo. `answer` is the first
// GetVersionExA answer (none when both tries failed: then every member stays
// empty); `facts` is what GetOSVersion found (none when it failed).
VersionMembers VersionMembersFrom(const std::optional<OsVersionAnswer>& answer,
                                  const std::optional<VersionFacts>& facts);

}  // namespace velquor
