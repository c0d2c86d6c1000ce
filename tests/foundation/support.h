// Helpers of the foundation and osys tests: reports captured through the
// assertion sink, scratch directories and files, environment variables.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/log.h"

namespace testsupport {

struct CAPTURED {
  std::string Condition;
  std::string Info;
  std::string Details;
  std::string Message;
  std::string Caption;
  bool ShowsBox;
};

// Captures every assertion report raised while it lives; the box is never
// shown. Reports answer Yes.
class ReportCapture {
 public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture&) = delete;
  ReportCapture& operator=(const ReportCapture&) = delete;

  const std::vector<CAPTURED>& Reports() const;
  // The condition texts of the reports so far, in order.
  std::vector<std::string> Conditions() const;
  void Clear();

 private:
  AssertionSink Previous;
};

// A fresh empty directory for one test, under the build tree.
std::string ScratchDirectory(const std::string& name);
// Joined with the platform's separator.
std::string PathIn(const std::string& directory, const std::string& name);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

void SetEnv(const char* name, const char* value);  // null value: unset

// A fixture with a fresh scratch directory named after the test suite.
class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = ScratchDirectory(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name());
  }
  std::string In(const char* name) const { return PathIn(Dir, name); }
  std::string Dir;
};

}  // namespace testsupport
