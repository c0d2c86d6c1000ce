// robot.exe: a scripted user for the windows of any Win32 program. It reads a
// script (docs/robot.md), checks it whole, then runs it step by step; the
// exit code says whether every step passed.
#include "tools/robot/query_id.h"
#include "tools/robot/script.h"
#include "tools/robot/session.h"
#include "tools/robot/syntax.h"
#include "tools/robot/text_util.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

constexpr const char kUsage[] =
    "usage: robot [-v] [-t SECONDS] [-keep] [-D NAME=VALUE]... SCRIPT\n"
    "  -v         print each step before it runs\n"
    "  -t SECONDS default time-out of every wait (10)\n"
    "  -keep      leave started programs running when a step fails\n"
    "  -D N=V     define the variable N (written ${N} in the script)\n"
    "exit codes: 0 passed, 1 a step failed, 2 script unreadable or invalid, 3 usage\n";

bool ParseCommandLine(int argc, char** argv, robot::Settings* settings, std::string* script) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-v") {
      settings->verbose = true;
    } else if (arg == "-keep") {
      settings->keep_programs = true;
    } else if (arg == "-t" && i + 1 < argc) {
      if (!robot::ParseSeconds(argv[++i], &settings->timeout_seconds)) return false;
    } else if (arg == "-D" && i + 1 < argc) {
      std::string define = argv[++i];
      size_t eq = define.find('=');
      if (eq == std::string::npos || eq == 0) return false;
      settings->defines[define.substr(0, eq)] = define.substr(eq + 1);
    } else if (!arg.empty() && arg[0] != '-' && script->empty()) {
      *script = arg;
    } else {
      return false;
    }
  }
  return !script->empty();
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, n);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

int RunRobot(int argc, char** argv) {
  // Lines end with LF alone, as in dumps, whatever reads the output.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  robot::Settings settings;
  std::string script_path;
  if (!ParseCommandLine(argc, argv, &settings, &script_path)) {
    std::fputs(kUsage, stderr);
    return robot::kExitUsage;
  }
  settings.script_name = script_path;

  std::string text;
  if (!ReadWholeFile(script_path, &text)) {
    std::fprintf(stderr, "robot: cannot read the script %s\n", script_path.c_str());
    return robot::kExitScriptError;
  }
  std::vector<robot::ScriptLine> lines;
  std::vector<robot::Step> steps;
  int error_line = 0;
  std::string error;
  if (!robot::TokenizeScript(text, &lines, &error_line, &error) ||
      !robot::BuildSteps(lines, &steps, &error_line, &error)) {
    std::fprintf(stderr, "robot: %s:%d: %s\n", script_path.c_str(), error_line, error.c_str());
    return robot::kExitScriptError;
  }

  // Coordinates and screenshots in real pixels on scaled displays.
  SetProcessDPIAware();
  robot::LearnSystemClasses();
  robot::Session session(settings);
  return session.Run(steps);
}

}  // namespace

int main(int argc, char** argv) {
  // Only the standard library throws here (std::bad_alloc); an uncaught throw
  // would end the program with the code of abort(), which reads as a usage error.
  try {
    return RunRobot(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "robot: stopped: %s\n", e.what());
    return robot::kExitStepFailed;
  }
}
