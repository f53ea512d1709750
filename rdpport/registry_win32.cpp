// rdpport/registry_win32.cpp
// The Win32 side of the registry operations: plain RegXxxA calls, no policy
// beyond what the header promises.
#include <windows.h>

#include <cstring>

#include "core/text.h"
#include "rdpport/registry.h"
#include "rdpport/registry_path.h"

namespace velquor {
namespace {

HKEY RootKeyFor(int code) {
  switch (code) {
    case kRootClassesRoot: return HKEY_CLASSES_ROOT;
    case kRootCurrentConfig: return HKEY_CURRENT_CONFIG;
    case kRootLocalMachine: return HKEY_LOCAL_MACHINE;
    case kRootUsers: return HKEY_USERS;
    default: return HKEY_CURRENT_USER;
  }
}

}  // namespace

std::int32_t ReadRegistryNumber(int root, std::string_view path, std::int32_t fallback) {
  const RegistryPathParts parts = SplitRegistryPath(path);
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootKeyFor(root), parts.keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return fallback;
  }
  std::int32_t result = fallback;
  DWORD type = 0;
  DWORD size = 0;
  // Ask for the type first: only a REG_DWORD ever yields a number, whatever
  // bytes a REG_SZ or REG_BINARY value might hold.
  if (RegQueryValueExA(key, parts.valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_DWORD) {
    DWORD number = 0;
    size = sizeof number;
    if (RegQueryValueExA(key, parts.valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size) ==
        ERROR_SUCCESS) {
      result = static_cast<std::int32_t>(number);
    }
  }
  RegCloseKey(key);
  return result;
}

bool WriteRegistryNumber(int root, std::string_view path, double value) {
  const RegistryPathParts parts = SplitRegistryPath(path);
  const HKEY rootKey = RootKeyFor(root);
  HKEY key = nullptr;
  if (RegOpenKeyExA(rootKey, parts.keyPath.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS &&
      RegCreateKeyA(rootKey, parts.keyPath.c_str(), &key) != ERROR_SUCCESS) {
    return false;
  }
  // REG_DWORD is four bytes, least significant first, as x86 holds a DWORD.
  const auto number = static_cast<DWORD>(RealToInteger(value));
  BYTE bytes[sizeof number];
  std::memcpy(bytes, &number, sizeof number);
  const bool stored = RegSetValueExA(key, parts.valueName.c_str(), 0, REG_DWORD, bytes, sizeof bytes) == ERROR_SUCCESS;
  RegCloseKey(key);
  return stored;
}

}  // namespace velquor
