// sysinfo/memory_line.h
// The physical memory: bytes to whole MiB, and MiB to the GiB figure shown.
#pragma once

#include <cstdint>

#include "core/text.h"

namespace velquor {

// Total bytes / 1 MiB, rounded down, low 32 bits kept.
std::int32_t MiBFromBytes(std::uint64_t bytes);

// The figure between "物理内存：" and " G": MiB / 1024 rounded to two places,
// printed without trailing zeros.
Text GiBText(std::int32_t mib);

}  // namespace velquor
