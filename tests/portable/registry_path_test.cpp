// Splitting a registry path at its last backslash, stepping over two-byte
// characters.
#include "rdpport/registry_path.h"

#include <gtest/gtest.h>

namespace velquor {
namespace {

TEST(SplitRegistryPath, SplitsAtTheLastRealBackslash) {
  struct Case { std::string path; std::string key; std::string value; };
  const Case cases[] = {
      {"SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp\\PortNumber",
       "SYSTEM\\CurrentControlSet\\Control\\Terminal Server\\Wds\\rdpwd\\Tds\\tcp", "PortNumber"},
      {"PortNumber", "", "PortNumber"},           // no backslash: a value under the root
      {"", "", ""},
      {"Key\\", "Key", ""},                       // the key's default value
      {"\\Value", "", "Value"},
      {"A\\B\\C", "A\\B", "C"},
      // 0x81 0x5C is one character: its trail byte is no backslash.
      {"Key\\Na\x81\x5Cme", "Key", "Na\x81\x5Cme"},
      {"K\x81\x5C" "ey\\Value", "K\x81\x5C" "ey", "Value"},
      {"\x81\x5C", "", "\x81\x5C"},
      // A lone lead byte before a backslash pairs with it.
      {"Key\\Val\x81\\", "Key", "Val\x81\\"},
      // 0x5C after a single byte is a backslash.
      {"Key\x7F\\Value", "Key\x7F", "Value"},
  };
  for (const Case& c : cases) {
    const RegistryPathParts parts = SplitRegistryPath(c.path);
    EXPECT_EQ(parts.keyPath, c.key) << c.path;
    EXPECT_EQ(parts.valueName, c.value) << c.path;
  }
}

}  // namespace
}  // namespace velquor
