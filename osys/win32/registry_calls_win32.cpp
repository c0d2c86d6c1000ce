// The registry calls behind the test seam.
#include "osys/win32/registry_calls.h"

#include "osys/faultseam.h"
#include "osys/registry.h"

namespace OSYS {

namespace {

FAULTSEAM Seam;

// The seam's error code when this call is to fail, else ERROR_SUCCESS.
LONG Injected() {
  unsigned code = 0;
  return Seam.Fails(&code) ? static_cast<LONG>(code) : ERROR_SUCCESS;
}

}  // namespace

void Registry::FailNthCall(int n, unsigned code) { Seam.FailNthCall(n, code); }

namespace RegistryCalls {

LONG CreateKey(HKEY root, const char* path, HKEY* key) {
  *key = nullptr;
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegCreateKeyA(root, path, key);
}

LONG OpenKey(HKEY root, const char* path, REGSAM access, HKEY* key) {
  *key = nullptr;
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegOpenKeyExA(root, path, 0, access, key);
}

LONG SetValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size) {
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegSetValueExA(key, name, 0, type, data, size);
}

LONG QueryValue(HKEY key, const char* name, DWORD* type, BYTE* data, DWORD* size) {
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegQueryValueExA(key, name, nullptr, type, data, size);
}

LONG DeleteKey(HKEY key, const char* subkey) {
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegDeleteKeyA(key, subkey);
}

LONG DeleteValue(HKEY key, const char* name) {
  LONG rc = Injected();
  return rc != ERROR_SUCCESS ? rc : ::RegDeleteValueA(key, name);
}

}  // namespace RegistryCalls

}  // namespace OSYS
