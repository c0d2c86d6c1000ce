// The built-in product hook of the maker's product TESSEL: it offers, when
// the destination page is left, to carry the options, scripts and phone book
// of an earlier installation (HKEY_CURRENT_USER Software\Korvex\TESSEL4,
// HomePath) over to the new folder, does so at the end of the copy, and
// resets the REXX interpreter's option GlobalSCBs. Chosen by the install
// driver when AppName is TESSEL and no hook library supplies NewSetupHook.
#pragma once

#include "setup/hooks.h"

namespace SETUP {

// The NewSetupHook shape; 1 for every call.
int NewSetupHookTESSEL(int code, int value, HWND frame, HWND page, HOOKPAGEFUNCTION pageFunction, INT_PTR data);

}  // namespace SETUP
