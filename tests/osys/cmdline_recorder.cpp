// A program for the tests of OSYS::StartProgram: it records how it was
// started - command line, start-up flags, show state, window title and
// working directory, one per line - into its own path followed by ".log".
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH];
  DWORD n = ::GetModuleFileNameA(nullptr, self, sizeof self);
  if (n == 0 || n >= sizeof self) return 2;
  char logName[MAX_PATH + 8];
  std::snprintf(logName, sizeof logName, "%s.log", self);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  char directory[MAX_PATH] = "";
  ::GetCurrentDirectoryA(sizeof directory, directory);
  std::FILE* log = std::fopen(logName, "wb");
  if (log == nullptr) return 3;
  std::fprintf(log, "%s\n%lu\n%u\n%s\n%s\n", ::GetCommandLineA(), startup.dwFlags,
               static_cast<unsigned>(startup.wShowWindow), startup.lpTitle != nullptr ? startup.lpTitle : "<null>",
               directory);
  std::fclose(log);
  return 0;
}
