// rdpport/registry_path.h
// A registry value is addressed by one path text: the key path and the value
// name joined by a backslash. Splitting it must not mistake the trail byte of
// a two-byte character (which may be 0x5C) for that backslash.
#pragma once

#include <string_view>

#include "core/text.h"

namespace velquor {

struct RegistryPathParts {
  Text keyPath;    // empty: the root key itself
  Text valueName;  // everything after the last backslash
};

RegistryPathParts SplitRegistryPath(std::string_view path);

// The root codes of the registry operations; any other code means HKCU.
enum RootKeyCode : int {
  kRootClassesRoot = 1,
  kRootCurrentConfig = 2,
  kRootCurrentUser = 3,
  kRootLocalMachine = 4,
  kRootUsers = 5,
};

}  // namespace velquor
