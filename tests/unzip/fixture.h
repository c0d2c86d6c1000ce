// Shared by the engine and wrapper tests: a fresh folder per test, archives
// written there by our packer, and engine runs whose messages are captured.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/zippack/zipwriter.h"
#include "unzip/engine.h"

namespace UNZIPTEST {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

struct RESULT {
  int status;
  std::string out;
  std::string err;
  std::string All() const { return out + err; }
};

inline std::string& CapturedOut() {
  static std::string s;
  return s;
}
inline std::string& CapturedErr() {
  static std::string s;
  return s;
}
inline void Capture(int stream, const char* text, size_t n) {
  (stream == UNZIP::kStderr ? CapturedErr() : CapturedOut()).append(text, n);
}
inline char& ConsoleAnswer() {
  static char c = 'n';
  return c;
}
inline char Answer(const char*) { return ConsoleAnswer(); }

// Runs the engine with "unzip" and the given words.
inline RESULT Unzip(std::vector<std::string> words) {
  words.insert(words.begin(), "unzip");
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  CapturedOut().clear();
  CapturedErr().clear();
  UNZIP::SetMessageSink(Capture);
  UNZIP::SetConsoleAnswerer(Answer);
  int status = UnzipMain(static_cast<int>(words.size()), argv.data());
  UNZIP::SetMessageSink(nullptr);
  UNZIP::SetConsoleAnswerer(nullptr);
  return {status, CapturedOut(), CapturedErr()};
}

inline Bytes TextBytes(size_t n, unsigned seed = 1) {
  static const char* words[] = {"setup ", "archive ", "member ", "window ", "the ", "install\n"};
  Bytes b;
  unsigned x = seed;
  while (b.size() < n) {
    x = x * 1103515245u + 12345u;
    for (const char* w = words[(x >> 16) % 6]; *w && b.size() < n; ++w) b.push_back(static_cast<uint8_t>(*w));
  }
  return b;
}

inline ZIPPACK::MEMBERPLAN Member(std::string name, Bytes data, ZIPPACK::METHOD method = ZIPPACK::METHOD::kAuto) {
  ZIPPACK::MEMBERPLAN m;
  m.name = std::move(name);
  m.data = std::move(data);
  m.method = method;
  return m;
}

class FOLDERTEST : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("unzip-") + info->test_suite_name() + "-" + info->name());
    std::error_code ec;
    MakeWritable(root_);
    fs::remove_all(root_, ec);
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ec;
    MakeWritable(root_);
    fs::remove_all(root_, ec);
  }

  static void MakeWritable(const fs::path& p) {
    std::error_code ec;
    if (!fs::exists(p, ec)) return;
    for (auto& e : fs::recursive_directory_iterator(p, ec)) {
      fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
  }

  // A path under the test's folder, as the engine is given it.
  std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

  std::string Write(const std::string& relative, const Bytes& bytes) const {
    fs::path p = root_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

  Bytes Read(const std::string& relative) const {
    std::ifstream f(root_ / relative, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  }

  bool Exists(const std::string& relative) const { return fs::exists(root_ / relative); }

  std::string Archive(std::vector<ZIPPACK::MEMBERPLAN> members, const ZIPPACK::ARCHIVEOPTIONS& options = {},
                      const std::string& name = "test.zip", ZIPPACK::ARCHIVELAYOUT* layout = nullptr) {
    ZIPPACK::ZIPWRITER w;
    for (auto& m : members) w.Add(std::move(m));
    return Write(name, w.Finish(options, layout));
  }

  fs::path root_;
};

}  // namespace UNZIPTEST
