// sysinfo/system_info.cpp
#include "sysinfo/system_info.h"

#include "core/cp936.h"

namespace velquor {

Text FitToCapacity(std::string_view value, std::size_t capacity) {
  if (capacity == 0) return Text();
  return Text(cp936::CutAtCharBoundary(value, capacity - 1));
}

}  // namespace velquor
