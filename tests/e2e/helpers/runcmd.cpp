// runcmd FILE: starts the program whose command line is the content of FILE
// (without its final line break), exactly as written there, waits for it and
// exits with its exit code. The tests use it for command lines that a Unix
// shell and Wine would quote differently.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: runcmd FILE\n");
    return 125;
  }
  std::FILE* f = std::fopen(argv[1], "rb");
  if (f == nullptr) {
    std::fprintf(stderr, "runcmd: cannot read %s\n", argv[1]);
    return 125;
  }
  std::string line;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) line.append(buffer, n);
  std::fclose(f);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "runcmd: CreateProcess failed, error %lu\n", GetLastError());
    return 125;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}
