// rdpport/registry_path.cpp
#include "rdpport/registry_path.h"

#include "core/cp936.h"

namespace velquor {

RegistryPathParts SplitRegistryPath(std::string_view path) {
  const std::size_t lastBackslash = cp936::LastBackslash(path);
  if (lastBackslash == std::string_view::npos) return {Text(), Text(path)};
  return {Text(path.substr(0, lastBackslash)), Text(path.substr(lastBackslash + 1))};
}

}  // namespace velquor
