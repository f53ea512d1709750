// Sets a registry key's access list from an SDDL text, so that tests can make
// Windows refuse writes below HKEY_LOCAL_MACHINE.
#pragma once

#include <windows.h>
#include <sddl.h>

namespace velquor::testing {

// Everyone may read the key; nobody may set its values or create subkeys.
inline constexpr const char* kReadOnlyKey = "D:P(A;;KR;;;WD)";
// Everyone may do everything: undoes kReadOnlyKey.
inline constexpr const char* kOpenKey = "D:(A;;KA;;;WD)";

inline bool SetKeyAccess(HKEY root, const char* path, const char* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr)) return false;
  HKEY key = nullptr;
  bool done = RegOpenKeyExA(root, path, 0, WRITE_DAC, &key) == ERROR_SUCCESS;
  if (done) {
    done = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  LocalFree(descriptor);
  return done;
}

}  // namespace velquor::testing
