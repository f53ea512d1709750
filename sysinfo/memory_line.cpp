// sysinfo/memory_line.cpp
#include "sysinfo/memory_line.h"

namespace velquor {

std::int32_t MiBFromBytes(std::uint64_t bytes) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes >> 20));
}

Text GiBText(std::int32_t mib) { return RealToText(RoundReal(static_cast<double>(mib) / 1024.0, 2)); }

}  // namespace velquor
