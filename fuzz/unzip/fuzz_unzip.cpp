// Feeds each input to the engine as an archive file: a listing (with the
// capture tables), a test of every member, and an extraction into a private
// folder that is emptied afterwards. Console questions are answered "no".
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "unzip/engine.h"

namespace {

void Discard(int, const char*, size_t) {}
char No(const char*) { return 'n'; }

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() / ("fuzz-unzip-" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  return folder;
}

int Run(std::initializer_list<std::string> words) {
  std::string copies[8];
  char* argv[9];
  int argc = 0;
  for (const std::string& w : words) {
    copies[argc] = w;
    argv[argc] = copies[argc].data();
    ++argc;
  }
  argv[argc] = nullptr;
  return UnzipMain(argc, argv);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UNZIP::SetMessageSink(Discard);
  UNZIP::SetConsoleAnswerer(No);
  const std::string archive = (Folder() / "input.zip").string();
  const std::string out = (Folder() / "out").string();
  if (std::FILE* f = std::fopen(archive.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  UnzipClearCapture();
  Run({"unzip", "-v", archive});
  Run({"unzip", "-t", "-q", archive});
  Run({"unzip", "-qq", "-o", archive, "-d", out});
  std::error_code ec;
  std::filesystem::remove_all(out, ec);
  return 0;
}
