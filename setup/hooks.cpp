#include "setup/hooks.h"

#include <cstdint>

#include "foundation/log.h"

SETUPHOOKFUNCTION fpSetupHook = SETUP::SetupHookDummy;
NEWSETUPHOOKFUNCTION fpNewSetupHook = SETUP::NewSetupHookDummy;

namespace {

// An export of the library as the function type the caller expects.
template <typename FUNCTION>
FUNCTION Export(HMODULE library, const char* name) {
  return reinterpret_cast<FUNCTION>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

namespace SETUP {

int SetupHookDummy(int, const char*) { return 1; }

int NewSetupHookDummy(int code, int value, HWND, HWND, HOOKPAGEFUNCTION, INT_PTR data) {
  LogPrintf("SETUP::NewSetupHookDummy %d %d %08x\n", code, value,
            static_cast<unsigned>(static_cast<std::uintptr_t>(data)));
  return 1;
}

HMODULE LoadHookLibrary(const char* name) {
  HMODULE library = LoadLibraryA(name);
  if (library == nullptr) return nullptr;
  fpSetupHook = Export<SETUPHOOKFUNCTION>(library, "SetupHook");
  ASSERTION(fpSetupHook, nullptr);
  fpNewSetupHook = Export<NEWSETUPHOOKFUNCTION>(library, "NewSetupHook");
  LogPrintf("SETUP::LoadHookLibrary %s: SetupHook %s, NewSetupHook %s\n", name,
            fpSetupHook != nullptr ? "found" : "missing", fpNewSetupHook != nullptr ? "found" : "missing");
  return library;
}

void ReleaseHookLibrary(HMODULE library) {
  if (library == nullptr) return;
  FreeLibrary(library);
  fpSetupHook = nullptr;
}

}  // namespace SETUP
