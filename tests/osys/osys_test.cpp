// Clocks, error texts, date and time texts and the platform family.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "osys/osys.h"
#include "tests/foundation/support.h"

namespace {

TEST(Osys, MillisecondsCountFromTheLastReset) {
  OSYS::Milliseconds(0);
  EXPECT_EQ(OSYS::Milliseconds(1), 0u);
  OSYS::Sleep(50);
  std::uint32_t elapsed = OSYS::Milliseconds(0);
  EXPECT_GE(elapsed, 40u);
  EXPECT_LT(elapsed, 5000u);
  EXPECT_EQ(OSYS::Milliseconds(1), 0u);
  EXPECT_LT(OSYS::Milliseconds(0), 40u);
}

TEST(Osys, ErrorTexts) {
  STRING missing = OSYS::ErrorText(static_cast<int>(OSYS::ErrorFileNotFound));
  ASSERT_NE(missing.Buffer, nullptr);
  EXPECT_GT(missing.StrLen, 5);
  EXPECT_NE(std::string(missing.Buffer), "<no error>");
  char last = missing.Buffer[missing.StrLen - 1];
  EXPECT_TRUE(last != '\n' && last != '\r') << "no trailing line break";
  EXPECT_EQ(std::string(OSYS::ErrorText(99999).Buffer), "<no error>");
  OSYS::SetLastError(OSYS::ErrorFileNotFound);
  EXPECT_TRUE(OSYS::ErrorText(OSYS::ERRORTEXT_LAST) == missing);
}

TEST(Osys, DateAndTimeTexts) {
  EXPECT_TRUE(std::regex_match(OSYS::DateISO().Buffer, std::regex(R"(\d{4}-\d{2}-\d{2})")));
  EXPECT_TRUE(std::regex_match(OSYS::Time().Buffer, std::regex(R"(\d{2}:\d{2}:\d{2})")));
  STRING date = OSYS::Date();
  ASSERT_NE(date.Buffer, nullptr);
  OSYS::LOCALTIME now = OSYS::LocalTime();
  EXPECT_NE(std::string(date.Buffer).find(std::to_string(now.Year)), std::string::npos) << date.Buffer;
  int seconds = OSYS::Seconds();
  EXPECT_GT(seconds, 1700000000);
}

TEST(Osys, VersionAndEnvironment) {
  EXPECT_EQ(OSYS::GetVersion(), 1) << "an NT system after 5.x";
  testsupport::SetEnv("HALVIX_TEST_VALUE", "value 1");
  EXPECT_TRUE(OSYS::GetEnvironment("HALVIX_TEST_VALUE") == "VALUE 1");
  testsupport::SetEnv("HALVIX_TEST_VALUE", nullptr);
  EXPECT_EQ(OSYS::GetEnvironment("HALVIX_TEST_VALUE").Buffer, nullptr);
}

}  // namespace
