#include "tests/foundation/support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include "osys/file.h"

namespace testsupport {

namespace {

std::mutex CapturedLock;
std::vector<CAPTURED> Captured;

int Capture(const ASSERTIONREPORT& report) {
  std::lock_guard<std::mutex> hold(CapturedLock);
  Captured.push_back({report.Condition, report.Info, report.Details, report.Message, report.Caption, report.ShowsBox});
  return 1;
}

#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

}  // namespace

ReportCapture::ReportCapture() : Previous(SetAssertionSink(Capture)) { Clear(); }
ReportCapture::~ReportCapture() { SetAssertionSink(Previous); }

const std::vector<CAPTURED>& ReportCapture::Reports() const { return Captured; }

std::vector<std::string> ReportCapture::Conditions() const {
  std::lock_guard<std::mutex> hold(CapturedLock);
  std::vector<std::string> conditions;
  for (const CAPTURED& c : Captured) conditions.push_back(c.Condition);
  return conditions;
}

void ReportCapture::Clear() {
  std::lock_guard<std::mutex> hold(CapturedLock);
  Captured.clear();
}

std::string PathIn(const std::string& directory, const std::string& name) {
  return directory + Separator + name;
}

std::string ScratchDirectory(const std::string& name) {
  const char* build = std::getenv("HALVIX_BUILD");
  std::string root = build != nullptr ? build : ".";
  std::string scratch = PathIn(root, "test-scratch");
  OSYS::File::MakeDirectory(scratch.c_str());
  static int counter = 0;
  std::string dir = PathIn(scratch, name + "-" + std::to_string(OSYS::Seconds()) + "-" + std::to_string(++counter));
  OSYS::File::MakeDirectory(dir.c_str());
  return dir;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value != nullptr ? value : "");
#else
  if (value != nullptr)
    setenv(name, value, 1);
  else
    unsetenv(name);
#endif
}

}  // namespace testsupport
