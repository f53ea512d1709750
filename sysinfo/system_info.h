// sysinfo/system_info.h
// The facts about the machine that the system-information panel draws on, as
// one plain record, and the two queries that fill it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "core/text.h"

namespace velquor {

// Capacities of the Text members, in bytes including the terminating zero,
// so a member holds at most one byte less.
inline constexpr std::size_t kOsNameCapacity = 100;
inline constexpr std::size_t kOsVersionCapacity = 20;
inline constexpr std::size_t kServicePackCapacity = 20;
inline constexpr std::size_t kUserNameCapacity = 100;
inline constexpr std::size_t kDirectoryCapacity = 260;
inline constexpr std::size_t kLocaleTextCapacity = 30;

// Fifteen members in their fixed order. A fresh record has every Text empty
// and every Integer 0; the record owns its texts.
struct SystemInfo {
  Text osName;                   // release name, by the name table
  Text osVersion;                // "%d.%02d" of major and minor
  std::int32_t buildNumber = 0;  // low 16 bits of the build
  Text servicePack;              // "Service Pack %d", or empty
  Text userName;
  Text windowsDirectory;
  Text systemDirectory;
  std::int32_t ansiCodePage = 0;  // of the input language
  Text languageName;              // of the system default language
  std::int32_t countryCode = 0;   // of the input language
  Text countryName;
  Text currencySymbol;
  Text longDateFormat;
  Text timeFormat;
  Text timeZoneName;  // the standard time's name
};

// `value` cut to fit a member of `capacity` bytes (zero included), never
// inside a two-byte character.
Text FitToCapacity(std::string_view value, std::size_t capacity);

// What ShowSystemInfo asks of the environment; the program passes the Win32
// queries, tests pass fixed answers.
struct SystemInfoServices {
  std::function<void(SystemInfo& info)> QuerySystemInfo;
  std::function<std::int32_t()> QueryMemoryTotal;  // whole MiB
};

}  // namespace velquor
