// The key path of a REGISTRY: joining prefix and subkey, and the company
// root of the products whose keys begin with "Drovane".
#include <gtest/gtest.h>

#include <string>

#include "osys/registry.h"

namespace {

TEST(RegistryKeyPath, JoinsAndRedirects) {
  struct CASE {
    const char* Subkey;
    const char* Prefix;
    const char* Path;
  };
  const CASE cases[] = {
      {"TESSEL4", "Software\\Korvex\\", "Software\\Korvex\\TESSEL4"},
      {"TESSEL4", "Software\\Korvex", "Software\\Korvex\\TESSEL4"},
      {"DrovaneX", "Software\\Korvex\\", "Software\\Ostrel\\DrovaneX"},
      {"drovaneX", "SOFTWARE\\korvex", "Software\\Ostrel\\drovaneX"},
      {"DrovaneX", "Software\\", "Software\\DrovaneX"},
      {"DrovaneX", "Software\\Korvex\\Sub", "Software\\Korvex\\Sub\\DrovaneX"},
      {"XDrovane", "Software\\Korvex\\", "Software\\Korvex\\XDrovane"},
      {"P1", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\",
       "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\P1"},
      {nullptr, "Software\\Korvex\\", "Software\\Korvex\\"},
      {"", "Software\\Korvex", "Software\\Korvex"},
      {"A\\B", "", "A\\B"},
  };
  for (const CASE& c : cases) {
    STRING path = REGISTRY::KeyPath(c.Subkey, c.Prefix);
    ASSERT_NE(path.Buffer, nullptr);
    EXPECT_EQ(std::string(path.Buffer), c.Path) << (c.Subkey ? c.Subkey : "<null>") << " under " << c.Prefix;
  }
}

}  // namespace
