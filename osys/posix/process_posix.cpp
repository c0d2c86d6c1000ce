// Environment, module path, debugger output, the missing assertion box and
// hot keys of the host build.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "osys/platform.h"

namespace OSYS::Platform {

bool EnvironmentValue(const char* name, char* buffer, int size) {
  const char* value = std::getenv(name);
  if (value == nullptr) return false;
  if (std::strlen(value) >= static_cast<size_t>(size)) value = "";
  std::snprintf(buffer, static_cast<size_t>(size), "%s", value);
  return true;
}

void ModulePath(char* buffer, int size) {
  ssize_t n = readlink("/proc/self/exe", buffer, static_cast<size_t>(size - 1));
  buffer[n < 0 ? 0 : n] = 0;
}

char PathSeparator() { return '/'; }

// The host has no debugger channel; the standard error stream stands in.
void DebuggerOutput(const char* text) { std::fputs(text, stderr); }

// The host build shows no box: the report goes on as if Yes was chosen.
bool AssertionBox(const char*, const char*) { return true; }

void BreakIntoDebugger() {}

int TraceHotKey(unsigned, std::uintptr_t, std::intptr_t) { return 0; }

void BeepTone(unsigned, unsigned) {}

}  // namespace OSYS::Platform
