// sysinfo/queries.h
// The environment queries on the real Windows API. Win32 only.
#pragma once

#include <cstdint>
#include <optional>

#include "sysinfo/system_info.h"
#include "sysinfo/version_facts.h"

namespace velquor {

// Fills a fresh record: version facts, locale facts, user name, Windows
// directory, system directory, in that order. Never fails as a whole; a
// member whose query failed keeps its fresh value.
void QuerySystemInfo(SystemInfo& info);

// Total physical memory in whole MiB. The first call decides, for the rest
// of the process, between GlobalMemoryStatusEx and GlobalMemoryStatus.
std::int32_t QueryMemoryTotal();

// The version facts from KERNEL32's GetVersionExA (or GetVersion when the
// export is missing); none when the module is not found or the call fails.
std::optional<VersionFacts> GetOSVersion();

// The real queries, for ShowSystemInfo.
SystemInfoServices Win32SystemInfoServices();

}  // namespace velquor
