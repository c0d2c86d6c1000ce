// The application frame (Win32): start-up, the program entry, the end.
#include "foundation/app.h"

#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/args.h"
#include "foundation/dynarray.h"
#include "foundation/globals.h"
#include "foundation/home.h"
#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/file.h"
#include "osys/osys.h"

namespace {

STRING ModulePath(HINSTANCE instance) {
  char path[256] = {};
  GetModuleFileNameA(instance, path, sizeof path);
  return STRING(path);
}

STRING CurrentDirectory() {
  char path[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof path, path);
  return STRING(path);
}

bool EndsWithIgnoringCase(const STRING& text, const char* ending) {
  int n = static_cast<int>(std::strlen(ending));
  return text.StrLen >= n && text.Right(n) == ending;
}

// Every line of an argument file is one more argument: stripped of blanks
// and tabs at both ends, offered to the logging switches, appended. Empty
// lines are skipped; there is no comment syntax.
void ReadArgumentFile(const STRING& path) {
  LogPrintf("Trying %s\n", path.Buffer);
  if (!OSYS::File::Exists(path.Buffer)) return;
  DYNARRAY lines;
  int n = lines.LoadLines(path.Buffer, false);
  for (int i = 0; i < n; ++i) {
    STRING line = *lines.ItemAt(i);
    if (line.StrLen == 0) continue;
    line.Strip('B', " \t");
    LogSwitch(line.Buffer);
    AddArgument(line.Buffer);
  }
  LogPrintf("Processing %s done\n", path.Buffer);
}

// Fills ArgumentTable from the command line and the argument files and
// returns the command-line arguments for the program entry.
std::vector<char*> BuildArgumentTable(HINSTANCE instance, char* commandLine, STRING& modulePath) {
  ResourceModule = instance;
  ProgramInstance = instance;
  modulePath = ModulePath(instance);
  StartDirectory = CurrentDirectory();
  HomeDirectory = HomeDirectoryOf(modulePath);
  SetCurrentDirectoryA(HomeDirectory.Buffer);

  std::vector<char*> argv(ARGUMENT_TABLE_SIZE, nullptr);
  int argc = SplitCommandLine(commandLine, argv.data(), ARGUMENT_MAX);
  // The logging switches act first, so that "/LOGIT" logs everything after it.
  for (int i = 1; i < argc; ++i) LogSwitch(argv[i]);

  ClearArguments();
  AddArgument(modulePath.Buffer);
  for (int i = 1; i < argc; ++i) AddArgument(argv[i]);
  argv[0] = ArgumentTable[0].Buffer;
  argv.resize(argc > 0 ? argc : 1);

  STRING shared = HomeDirectory;
  if (!EndsWithIgnoringCase(shared, "\\")) shared.Append("\\");
  ReadArgumentFile(shared || "commandline.ini");
  if (EndsWithIgnoringCase(modulePath, ".exe")) {
    ReadArgumentFile(modulePath.Left(modulePath.StrLen - 4) || "_commandline.ini");
  }
  for (int i = 0; i < ArgumentCount(); ++i) {
    LogPrintf("Program Argument %d= %s\n", i, ArgumentTable[i].Buffer);
  }
  return argv;
}

void ChooseLanguage() {
  STRING value = GetArgValue("LANG", 0);
  if (value.Buffer == nullptr) {
    value.Format("%d", static_cast<int>(GetThreadLocale() & 0x3FF));
  }
  LanguageNumber = LanguageNumberOf(value);
}

// STARTDELAY in seconds; a negative or absurd value must not become a wait
// of weeks.
void StartDelay() {
  if (!TestArgValue("STARTDELAY", 0)) return;
  std::int64_t seconds = StrAtoi(GetArgValue("STARTDELAY", 0).Buffer);
  if (seconds <= 0) return;
  std::int64_t milliseconds = seconds * 1000;
  if (milliseconds > INT_MAX) milliseconds = INT_MAX;
  Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace

namespace APP {

int WinMain(void* instance, void* previousInstance, const char* commandLine, int showMode,
            PROGRAMENTRY entry) {
  const char* line = GetCommandLineA();
  std::vector<char> copy(line, line + std::strlen(line) + 1);
  OSYS::Milliseconds(0);

  STRING modulePath;
  std::vector<char*> argv = BuildArgumentTable(static_cast<HINSTANCE>(instance), copy.data(), modulePath);
  LogPrintf("APP::WinMain instance=%08x parm=%s\n",
            static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(instance)),
            commandLine != nullptr ? commandLine : "");

  ChooseLanguage();
  StartDelay();

  int result = entry(static_cast<int>(argv.size()), argv.data());

  LogSwitch("/LOGITCLOSE");
  copy.clear();
  ReleaseStringPool();
  return result;
}

int Init(const STRING& modulePath, const STRING& programName, const STRING& version) {
  STRING name = programName;
  if (name.StrLen > 0 && name.Buffer[0] >= 'a' && name.Buffer[0] <= 'z') name.Buffer[0] -= 'a' - 'A';
  AppTitle = AppTitle || " (" || name || " " || version || ")";
  LoadLanguageLibrary(modulePath, programName);
  return 1;
}

}  // namespace APP
