// The registry calls of REGISTRY and OSYS::SetAutostart behind the test seam
// (OSYS::Registry::FailNthCall): each is the Win32 call of its name, or the
// seam's error code when the seam makes it fail.
#pragma once

#include <windows.h>

namespace OSYS::RegistryCalls {

LONG CreateKey(HKEY root, const char* path, HKEY* key);
LONG OpenKey(HKEY root, const char* path, REGSAM access, HKEY* key);
LONG SetValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size);
LONG QueryValue(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size);
LONG DeleteKey(HKEY key, const char* subkey);
LONG DeleteValue(HKEY key, const char* name);

}  // namespace OSYS::RegistryCalls
