// Arbitrary registry path texts through the path split.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/cp936.h"
#include "rdpport/registry_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velquor;
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  const RegistryPathParts parts = SplitRegistryPath(path);
  const bool split = parts.keyPath.size() + parts.valueName.size() + 1 == path.size();
  if (split) {
    // key path, the separating backslash, value name: nothing lost or added.
    if (Concatenate(parts.keyPath, "\\", parts.valueName) != path) std::abort();
  } else if (!parts.keyPath.empty() || parts.valueName != path) {
    std::abort();
  }
  // The value name never holds a backslash of its own; a 0x5C byte in it can
  // only be the trail byte of a two-byte character.
  if (cp936::LastBackslash(parts.valueName) != std::string_view::npos) std::abort();
  // The split is at a character boundary of the whole path.
  if (split && cp936::LastBackslash(path) != parts.keyPath.size()) std::abort();
  return 0;
}
