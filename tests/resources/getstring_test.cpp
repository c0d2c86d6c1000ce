// OSYS::GetStringFromResource: the text of a string, cut to the 255
// characters of its buffer, and "<STR-ERR>" for a missing or empty string.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "foundation/globals.h"
#include "foundation/language.h"

namespace {

class GetString : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* build = std::getenv("HALVIX_BUILD");
    module_ = LoadLibraryA((std::string(build ? build : ".") + "/tests/getstring_probe.dll").c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }
  std::string Get(int id) { return OSYS::GetStringFromResource(id, module_).Buffer; }
  HMODULE module_ = nullptr;
};

TEST_F(GetString, ReadsTheText) { EXPECT_EQ(Get(1), "Korvex"); }

TEST_F(GetString, CutsALongTextTo255Characters) {
  std::string text = Get(2);
  ASSERT_EQ(text.size(), 255u);
  EXPECT_EQ(text.substr(0, 8), "000-004-");
}

TEST_F(GetString, StandsInForMissingAndEmptyStrings) {
  EXPECT_EQ(Get(3), "<STR-ERR>");
  EXPECT_EQ(Get(5), "<STR-ERR>");
  EXPECT_EQ(OSYS::GetStringFromResource(1, nullptr).Buffer, std::string("<STR-ERR>"));
}

TEST_F(GetString, ArrivesInTheProcessCodePage) {
  // The test machine's default code page is 1252: u umlaut and sharp s.
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(Get(4), "Gr\xfc\xdf" "e");
}

TEST_F(GetString, LanguageStringReadsTheResourceModule) {
  void* previous = ResourceModule;
  ResourceModule = module_;
  EXPECT_STREQ(LanguageString(1).Buffer, "Korvex");
  ResourceModule = previous;
}

}  // namespace
