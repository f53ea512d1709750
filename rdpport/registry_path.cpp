// rdpport/registry_path.cpp
#include "rdpport/registry_path.h"

#include "core/cp936.h"

namespace velquor {

RegistryPathParts SplitRegistryPath(std::string_view path) {
  std::size_t lastBackslash = std::string_view::npos;
  for (std::size_t pos = 0; pos < path.size(); pos += cp936::CharLength(path, pos)) {
    if (path[pos] == '\\') lastBackslash = pos;
  }
  if (lastBackslash == std::string_view::npos) return {Text(), Text(path)};
  return {Text(path.substr(0, lastBackslash)), Text(path.substr(lastBackslash + 1))};
}

}  // namespace velquor
