// The registry operations against Wine's real registry, on throwaway keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rdpport/registry.h"
#include "rdpport/registry_path.h"
#include "tests/wine/key_security.h"

namespace velquor {
namespace {

// A fresh key below HKCU or HKLM for each test, deleted afterwards.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = "Software\\VelquorTest\\" + std::to_string(GetCurrentProcessId()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, base_.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
  }

  // Sets a value with the raw API, independent of the code under test.
  void Put(HKEY root, const std::string& key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(handle);
  }
  void PutDword(HKEY root, const std::string& key, const char* name, DWORD value) {
    Put(root, key, name, REG_DWORD, &value, sizeof value);
  }
  // The stored type and DWORD, read with the raw API.
  bool Get(HKEY root, const std::string& key, const char* name, DWORD* type, DWORD* value) {
    DWORD size = sizeof *value;
    return RegGetValueA(root, key.c_str(), name, RRF_RT_ANY, type, value, &size) == ERROR_SUCCESS && size == 4;
  }

  std::string base_;
};

TEST_F(RegistryTest, ReadsOnlyDwordValues) {
  PutDword(HKEY_LOCAL_MACHINE, base_, "Port", 3389);
  PutDword(HKEY_LOCAL_MACHINE, base_, "AllOnes", 0xFFFFFFFF);
  Put(HKEY_LOCAL_MACHINE, base_, "Text", REG_SZ, "80", 3);
  Put(HKEY_LOCAL_MACHINE, base_, "Expand", REG_EXPAND_SZ, "80", 3);
  const unsigned char binary[4] = {0x50, 0, 0, 0};
  Put(HKEY_LOCAL_MACHINE, base_, "Binary", REG_BINARY, binary, 4);

  struct Case { std::string path; std::int32_t expected; };
  const Case cases[] = {
      {base_ + "\\Port", 3389},
      {base_ + "\\AllOnes", -1},
      {base_ + "\\Text", 0},
      {base_ + "\\Expand", 0},
      {base_ + "\\Binary", 0},
      {base_ + "\\Missing", 0},
      {base_ + "\\NoSuchKey\\Port", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, c.path), c.expected) << c.path;
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\Missing", 77), 77);
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\Text", 77), 77);
}

TEST_F(RegistryTest, WritesTheCutIntegerAsADword) {
  struct Case { const char* name; double value; DWORD stored; };
  const Case cases[] = {{"A", 80.9, 80}, {"B", -1.0, 0xFFFFFFFF}, {"C", 3389.0, 3389}, {"D", 4294967296.0, 0}};
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteRegistryNumber(kRootLocalMachine, base_ + "\\" + c.name, c.value));
    DWORD type = 0, value = 0;
    ASSERT_TRUE(Get(HKEY_LOCAL_MACHINE, base_, c.name, &type, &value));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, c.stored) << c.name;
  }
}

TEST_F(RegistryTest, WritingCreatesMissingKeysAndReplacesOtherTypes) {
  const std::string deep = base_ + "\\Wds\\rdpwd\\Tds\\tcp";
  ASSERT_TRUE(WriteRegistryNumber(kRootLocalMachine, deep + "\\PortNumber", 3390));
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, deep + "\\PortNumber"), 3390);

  Put(HKEY_LOCAL_MACHINE, base_, "Was", REG_SZ, "80", 3);
  ASSERT_TRUE(WriteRegistryNumber(kRootLocalMachine, base_ + "\\Was", 81));
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\Was"), 81);
}

TEST_F(RegistryTest, APathWithoutBackslashAddressesAValueUnderTheRoot) {
  const std::string name = "VelquorTestValue" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(WriteRegistryNumber(kRootCurrentUser, name, 4321));
  DWORD type = 0, value = 0;
  EXPECT_TRUE(Get(HKEY_CURRENT_USER, "", name.c_str(), &type, &value));
  EXPECT_EQ(value, 4321u);
  EXPECT_EQ(ReadRegistryNumber(kRootCurrentUser, name), 4321);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, nullptr, name.c_str());
}

TEST_F(RegistryTest, RootCodesSelectTheirKeysAndUnknownCodesMeanCurrentUser) {
  PutDword(HKEY_CURRENT_USER, base_, "Where", 3);
  PutDword(HKEY_LOCAL_MACHINE, base_, "Where", 4);
  EXPECT_EQ(ReadRegistryNumber(kRootCurrentUser, base_ + "\\Where"), 3);
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\Where"), 4);
  EXPECT_EQ(ReadRegistryNumber(0, base_ + "\\Where"), 3);
  EXPECT_EQ(ReadRegistryNumber(99, base_ + "\\Where"), 3);
  ASSERT_TRUE(WriteRegistryNumber(-5, base_ + "\\Written", 5));
  EXPECT_EQ(ReadRegistryNumber(kRootCurrentUser, base_ + "\\Written"), 5);
}

TEST_F(RegistryTest, AValueNameWithTrailByte5CIsNotSplitThere) {
  // "\x81\x5C" is one character; splitting at its trail byte would write a
  // value "me" below a key "Na\x81" instead.
  const char* name = "Na\x81\x5C" "me";
  ASSERT_TRUE(WriteRegistryNumber(kRootLocalMachine, base_ + "\\" + name, 9));
  DWORD type = 0, value = 0;
  ASSERT_TRUE(Get(HKEY_LOCAL_MACHINE, base_, name, &type, &value));
  EXPECT_EQ(value, 9u);
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\" + name), 9);
}

TEST_F(RegistryTest, AKeyWhoseSecurityDeniesWritingRefusesTheWrite) {
  PutDword(HKEY_LOCAL_MACHINE, base_, "PortNumber", 3389);
  ASSERT_TRUE(testing::SetKeyAccess(HKEY_LOCAL_MACHINE, base_.c_str(), testing::kReadOnlyKey));

  EXPECT_FALSE(WriteRegistryNumber(kRootLocalMachine, base_ + "\\PortNumber", 80));
  EXPECT_EQ(ReadRegistryNumber(kRootLocalMachine, base_ + "\\PortNumber"), 3389);

  EXPECT_TRUE(testing::SetKeyAccess(HKEY_LOCAL_MACHINE, base_.c_str(), testing::kOpenKey));  // so it can be deleted
}

}  // namespace
}  // namespace velquor
