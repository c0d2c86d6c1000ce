// The hook interface: the two process-wide hook pointers through which a
// product hook library (SETUPHOOK, optional) is told about fixed points of
// installing and uninstalling, and the built-in substitutes.
//
//   SetupHook(code, path)                       codes 0, 7, 1 (install),
//                                               2, 3 (uninstall)
//   NewSetupHook(code, value, frame, page,      codes 0, 4, 5, 6, 7, 1 (install),
//                pageFunction, data)            2, 3, 8, 9 (uninstall), 4, 5 in
//                                               every wizard that has a hook
//
// A null pointer means there is no hook: every call point tests for null
// first. Their results are never looked at. data carries numbers and, for
// codes 0 and 2, the address of SetupCfg and of the product key's text, so
// it is as wide as a pointer.
#pragma once

#include <windows.h>

namespace SETUP {

// The address of a wizard step's page function, as the hooks receive it.
using HOOKPAGEFUNCTION = const void*;

}  // namespace SETUP

using SETUPHOOKFUNCTION = int (*)(int code, const char* path);
using NEWSETUPHOOKFUNCTION = int (*)(int code, int value, HWND frame, HWND page,
                                     SETUP::HOOKPAGEFUNCTION pageFunction, INT_PTR data);

// Initially SETUP::SetupHookDummy and SETUP::NewSetupHookDummy.
extern SETUPHOOKFUNCTION fpSetupHook;
extern NEWSETUPHOOKFUNCTION fpNewSetupHook;

namespace SETUP {

// Ignores both arguments; 1.
int SetupHookDummy(int code, const char* path);
// Writes "SETUP::NewSetupHookDummy code value data" to the trace; 1.
int NewSetupHookDummy(int code, int value, HWND frame, HWND page, HOOKPAGEFUNCTION pageFunction,
                      INT_PTR data);

// Loads the hook library name and takes its exports into the pointers:
// "SetupHook" into fpSetupHook (its absence is reported, "fpSetupHook"),
// "NewSetupHook" into fpNewSetupHook, which a library without that export
// switches off. Null, and the pointers unchanged, when there is no library.
HMODULE LoadHookLibrary(const char* name);
// Frees the library loaded by LoadHookLibrary; fpSetupHook becomes null.
void ReleaseHookLibrary(HMODULE library);

}  // namespace SETUP
