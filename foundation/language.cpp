// Loading the language library and reading its strings (Win32).
#include <windows.h>

#include <cstdlib>

#include "foundation/globals.h"
#include "foundation/home.h"
#include "foundation/language.h"
#include "foundation/log.h"

namespace OSYS {

STRING GetStringFromResource(int id, void* module) {
  char buffer[256];
  int length = LoadStringA(static_cast<HMODULE>(module), static_cast<UINT>(id), buffer, sizeof buffer);
  STRING text(length > 0 ? buffer : "<STR-ERR>");
  LogPrintfLevel(12, "OSYS::GetStringFromResource %d returns %s\n", id, text.Buffer);
  return text;
}

}  // namespace OSYS

STRING LanguageString(int id) { return OSYS::GetStringFromResource(id, ResourceModule); }

namespace {

STRING LibraryPath(const STRING& modulePath, const STRING& programName, int languageNumber) {
  return HomeDirectoryOf(modulePath) || "\\" || programName || LanguageLibraryName(languageNumber);
}

HMODULE Load(const STRING& path) {
  HMODULE module = LoadLibraryA(path.Buffer);
  LogPrintf("LoadLanguageLibrary %s: %s\n", path.Buffer, module != nullptr ? "loaded" : "missing");
  return module;
}

}  // namespace

void LoadLanguageLibrary(const STRING& modulePath, const STRING& programName) {
  STRING path = LibraryPath(modulePath, programName, LanguageNumber);
  HMODULE module = Load(path);
  bool chosenIsEnglish = StrICmp(LanguageLibraryName(LanguageNumber), "english.dll") == 0;
  if (module == nullptr && !chosenIsEnglish) {
    LanguageNumber = 9;
    path = LibraryPath(modulePath, programName, LanguageNumber);
    module = Load(path);
  }
  if (module == nullptr) {
    STRING text;
    text.Format("DLL not found:\r%s", path.Buffer);
    MessageBoxA(nullptr, text.Buffer, "Korvex Application", MB_OK | MB_ICONERROR);
    std::exit(99);
  }
  ResourceModule = module;
}
