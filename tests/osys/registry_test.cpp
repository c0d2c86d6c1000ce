// REGISTRY and OSYS::SetAutostart against the real registry of the test
// prefix. What REGISTRY wrote is read back with the plain Win32 calls, and
// what they wrote is read with REGISTRY. Keys live under
// HKEY_CURRENT_USER "Software\\HalvixTest" and are removed afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "osys/registry.h"
#include "tests/foundation/support.h"

namespace {

constexpr const char* TestPrefix = "Software\\HalvixTest\\";
constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Text(const STRING& s) { return s.Buffer != nullptr ? std::string(s.Buffer, s.StrLen) : "<null>"; }

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

// The raw value: its type and bytes; type REG_NONE when it is missing.
struct RAWVALUE {
  DWORD Type = REG_NONE;
  std::string Bytes;
};

RAWVALUE RawValue(HKEY root, const std::string& path, const char* name) {
  RAWVALUE value;
  HKEY key;
  if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
  char buffer[256];
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS) {
    value.Type = type;
    value.Bytes.assign(buffer, size);
  }
  ::RegCloseKey(key);
  return value;
}

void SetRaw(const std::string& path, const char* name, DWORD type, const std::string& bytes) {
  HKEY key;
  ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
  ASSERT_EQ(::RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

class Registry : public ::testing::Test {
 protected:
  void TearDown() override {
    OSYS::Registry::FailNthCall(0, 0);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HalvixTest");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ostrel\\DrovaneOsysTest");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\DrovaneOsysTest");
    HKEY run;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, RunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
      ::RegDeleteValueA(run, "HalvixOsysTest");
      ::RegCloseKey(run);
    }
  }
  std::string Path(const char* subkey) { return std::string(TestPrefix) + subkey; }
};

TEST_F(Registry, DrovaneKeysLiveUnderTheirOwnCompanyRoot) {
  {
    REGISTRY key("DrovaneOsysTest", "Software\\Korvex\\", REGISTRY::CurrentUser);
    ASSERT_NE(key.hkApp, nullptr);
    EXPECT_TRUE(key.Write("Value", "abc"));
  }
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, "Software\\Ostrel\\DrovaneOsysTest", "Value").Bytes, std::string("abc\0", 4));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Korvex\\DrovaneOsysTest"));

  REGISTRY plain("DrovaneOsysTest", "Software\\", REGISTRY::CurrentUser);
  ASSERT_NE(plain.hkApp, nullptr);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\DrovaneOsysTest")) << "not redirected under Software\\";
  EXPECT_EQ(plain.ReadString("Value").Buffer, nullptr);
}

TEST_F(Registry, AMissingKeyIsCreatedEmptyWithItsParents) {
  REGISTRY key("Empty\\Inner", TestPrefix, REGISTRY::CurrentUser);
  ASSERT_NE(key.hkApp, nullptr);
  HKEY raw;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, Path("Empty\\Inner").c_str(), 0, KEY_READ, &raw), ERROR_SUCCESS);
  DWORD subkeys = 99, values = 99;
  ASSERT_EQ(::RegQueryInfoKeyA(raw, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  ::RegCloseKey(raw);
  EXPECT_EQ(subkeys, 0u);
  EXPECT_EQ(values, 0u);
  EXPECT_EQ(key.ReadString("anything").Buffer, nullptr);
}

TEST_F(Registry, WrittenStringsReadBack) {
  REGISTRY key("Values", TestPrefix, REGISTRY::CurrentUser);
  ASSERT_TRUE(key.Write("Text", "abc"));
  RAWVALUE raw = RawValue(HKEY_CURRENT_USER, Path("Values"), "Text");
  EXPECT_EQ(raw.Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.Bytes, std::string("abc\0", 4)) << "stored with its terminating zero";
  STRING text = key.ReadString("Text");
  EXPECT_EQ(Text(text), "abc");
  EXPECT_EQ(text.StrLen, 3);

  char buffer[16];
  std::uint32_t size = sizeof buffer;
  EXPECT_TRUE(key.Read("Text", buffer, &size));
  EXPECT_EQ(size, 4u);
  size = 2;
  EXPECT_FALSE(key.Read("Text", buffer, &size)) << "a buffer too small";
  EXPECT_EQ(size, 0u);
  size = sizeof buffer;
  EXPECT_FALSE(key.Read("Missing", buffer, &size));
  EXPECT_EQ(size, 0u);

  EXPECT_TRUE(key.Write("Text", "second"));
  EXPECT_EQ(Text(key.ReadString("Text")), "second");
  EXPECT_TRUE(key.Write("Null", nullptr));
  EXPECT_EQ(Text(key.ReadString("Null")), "");
}

// What ReadString makes of values other programs stored.
TEST_F(Registry, ReadStringTakesOffOnlyAStoredTerminator) {
  struct CASE {
    const char* Name;
    DWORD Type;
    std::string Stored;
    std::string Read;
  };
  const CASE cases[] = {
      {"sz", REG_SZ, std::string("abc\0", 4), "abc"},
      {"empty", REG_SZ, std::string("\0", 1), ""},
      {"nothing", REG_SZ, "", ""},
      {"unterminated", REG_SZ, "abc", "abc"},
      {"binary", REG_BINARY, std::string("ab\0", 3), std::string("ab\0", 3)},
  };
  for (const CASE& c : cases) SetRaw(Path("Stored"), c.Name, c.Type, c.Stored);
  REGISTRY key("Stored", TestPrefix, REGISTRY::CurrentUser);
  for (const CASE& c : cases) {
    STRING text = key.ReadString(c.Name);
    ASSERT_NE(text.Buffer, nullptr) << c.Name;
    EXPECT_EQ(std::string(text.Buffer, text.StrLen), c.Read) << c.Name;
  }
}

TEST_F(Registry, AValueLongerThanTheReadBufferIsReadWhole) {
  REGISTRY key("Long", TestPrefix, REGISTRY::CurrentUser);
  std::string fits(REGISTRY::ReadBufferSize - 1, 'f');  // with its terminator exactly the buffer
  std::string over(REGISTRY::ReadBufferSize, 'o');
  std::string huge(20000, 'x');
  ASSERT_TRUE(key.Write("Fits", fits.c_str()));
  ASSERT_TRUE(key.Write("Over", over.c_str()));
  ASSERT_TRUE(key.Write("Huge", huge.c_str()));
  STRING text = key.ReadString("Fits");
  EXPECT_EQ(text.StrLen, REGISTRY::ReadBufferSize - 1);
  EXPECT_EQ(Text(text), fits);
  EXPECT_EQ(Text(key.ReadString("Over")), over);
  EXPECT_EQ(Text(key.ReadString("Huge")), huge);
  EXPECT_EQ(key.ReadString("Missing").Buffer, nullptr);
}

TEST_F(Registry, DeleteRemovesOnlyTheNamedSubkey) {
  REGISTRY parent("Parent", TestPrefix, REGISTRY::CurrentUser);
  { REGISTRY child("Child", Path("Parent").c_str(), REGISTRY::CurrentUser); }
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Parent\\Child")));
  EXPECT_TRUE(parent.Delete("Child"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Parent\\Child")));
  EXPECT_FALSE(parent.Delete("Child")) << "already gone";
  EXPECT_FALSE(parent.Delete(""));
  EXPECT_FALSE(parent.Delete(nullptr));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Parent"))) << "an empty name does not delete the open key";
}

TEST_F(Registry, AKeyThatCannotBeOpenedIsReportedQuietly) {
  testsupport::ReportCapture reports;
  REGISTRY key("X", "Software\\Korvex\\", 12345);
  EXPECT_EQ(key.hkApp, nullptr);
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_EQ(reports.Reports()[0].Condition, "this->hkApp!=NULL");
  EXPECT_EQ(reports.Reports()[0].Info, "X/Software\\Korvex\\/12345");
  EXPECT_FALSE(reports.Reports()[0].ShowsBox);

  EXPECT_FALSE(key.Write("v", "x"));
  EXPECT_EQ(key.ReadString("v").Buffer, nullptr);
  char buffer[8];
  std::uint32_t size = sizeof buffer;
  EXPECT_FALSE(key.Read("v", buffer, &size));
  EXPECT_EQ(size, 0u);
  EXPECT_FALSE(key.Delete("v"));
}

TEST_F(Registry, TheSeamFailsTheNthCall) {
  testsupport::ReportCapture reports;
  OSYS::Registry::FailNthCall(1, ERROR_ACCESS_DENIED);
  {
    REGISTRY key("TESSEL4", "Software\\Korvex\\", REGISTRY::CurrentUser);
    EXPECT_EQ(key.hkApp, nullptr);
  }
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_EQ(reports.Reports()[0].Info, "TESSEL4/Software\\Korvex\\/1");
  EXPECT_NE(reports.Reports()[0].Details.find("Access denied"), std::string::npos) << reports.Reports()[0].Details;

  REGISTRY key("Seam", TestPrefix, REGISTRY::CurrentUser);
  OSYS::Registry::FailNthCall(2, ERROR_DISK_FULL);
  EXPECT_TRUE(key.Write("First", "1"));
  EXPECT_FALSE(key.Write("Second", "2"));
  EXPECT_TRUE(key.Write("Third", "3"));
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, Path("Seam"), "Second").Type, static_cast<DWORD>(REG_NONE));
  OSYS::Registry::FailNthCall(1, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key.ReadString("Third").Buffer, nullptr);
  EXPECT_EQ(Text(key.ReadString("Third")), "3");
}

TEST_F(Registry, Autostart) {
  EXPECT_FALSE(OSYS::SetAutostart("HalvixOsysTest", nullptr)) << "removing a missing value";

  char self[MAX_PATH];
  ::GetModuleFileNameA(nullptr, self, sizeof self);
  EXPECT_TRUE(OSYS::SetAutostart("HalvixOsysTest", "<SELF>"));
  RAWVALUE raw = RawValue(HKEY_CURRENT_USER, RunKey, "HalvixOsysTest");
  EXPECT_EQ(raw.Type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw.Bytes, std::string(self) + '\0');
  EXPECT_TRUE(OSYS::SetAutostart("HalvixOsysTest", "C:\\x\\tool.exe -a"));
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, RunKey, "HalvixOsysTest").Bytes, std::string("C:\\x\\tool.exe -a\0", 17));
  EXPECT_TRUE(OSYS::SetAutostart("HalvixOsysTest", reinterpret_cast<const char*>(1)));
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, RunKey, "HalvixOsysTest").Bytes, std::string(self) + '\0');

  EXPECT_TRUE(OSYS::SetAutostart("HalvixOsysTest", nullptr));
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, RunKey, "HalvixOsysTest").Type, static_cast<DWORD>(REG_NONE));
  EXPECT_FALSE(OSYS::SetAutostart("HalvixOsysTest", nullptr));
  EXPECT_FALSE(OSYS::SetAutostart("", "x")) << "the key's unnamed value is not touched";

  OSYS::Registry::FailNthCall(1, ERROR_ACCESS_DENIED);
  EXPECT_FALSE(OSYS::SetAutostart("HalvixOsysTest", "x")) << "the key cannot be opened";
  EXPECT_EQ(RawValue(HKEY_CURRENT_USER, RunKey, "HalvixOsysTest").Type, static_cast<DWORD>(REG_NONE));
}

// Run by tests/e2e/osys_registry.sh in a fresh prefix, which then reads the
// values back with "reg query" and gives the value it stored with "reg add".
TEST(RegistryInFreshPrefix, WritesForAnOutsideReader) {
  if (std::getenv("HALVIX_REGISTRY_READBACK") == nullptr) GTEST_SKIP() << "run by tests/e2e/osys_registry.sh";
  REGISTRY drovane("DrovaneX", "Software\\Korvex\\", REGISTRY::CurrentUser);
  EXPECT_TRUE(drovane.Write("Value", "abc"));
  REGISTRY plain("DrovaneX", "Software\\", REGISTRY::CurrentUser);
  EXPECT_NE(plain.hkApp, nullptr);
  REGISTRY record("HalvixProbe", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\", REGISTRY::LocalMachine);
  EXPECT_TRUE(record.Write("UninstallPath", "C:\\Program Files\\Probe"));
}

TEST(RegistryInFreshPrefix, ReadsWhatAnOutsideWriterStored) {
  const char* expected = std::getenv("HALVIX_REGISTRY_EXPECTED");
  if (expected == nullptr) GTEST_SKIP() << "run by tests/e2e/osys_registry.sh";
  REGISTRY key("TESSEL4", "Software\\Korvex\\", REGISTRY::CurrentUser);
  EXPECT_EQ(Text(key.ReadString("HomePath")), expected);
}

}  // namespace
