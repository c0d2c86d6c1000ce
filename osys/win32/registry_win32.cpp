// REGISTRY over the Win32 registry API.
#include <windows.h>

#include <cstring>
#include <memory>
#include <new>

#include "foundation/log.h"
#include "osys/registry.h"
#include "osys/win32/registry_calls.h"

namespace {

HKEY RootKey(std::intptr_t root) {
  if (root == REGISTRY::LocalMachine) return HKEY_LOCAL_MACHINE;
  if (root == REGISTRY::CurrentUser) return HKEY_CURRENT_USER;
  return reinterpret_cast<HKEY>(root);
}

const char* TextOf(const char* text) { return text != nullptr ? text : ""; }

// Reads the value; the trace line of Read and ReadString.
bool QueryValue(void* key, const char* valueName, void* buffer, std::uint32_t* size, DWORD* type) {
  if (size == nullptr) return false;
  DWORD capacity = *size;
  *size = 0;
  LONG rc = key == nullptr ? ERROR_INVALID_HANDLE
                           : OSYS::RegistryCalls::QueryValue(static_cast<HKEY>(key), valueName, type,
                                                             static_cast<BYTE*>(buffer), &capacity);
  bool ok = rc == ERROR_SUCCESS;
  if (ok) *size = capacity;
  LogPrintfLevel(2, "REGISTRY::Read key=%s, ok=%d, error=%d\n", TextOf(valueName), ok ? 1 : 0, static_cast<int>(rc));
  return ok;
}

// The size of a stored value, 0 when it cannot be queried.
DWORD StoredSize(void* key, const char* valueName) {
  DWORD type = 0, size = 0;
  if (key == nullptr) return 0;
  LONG rc = OSYS::RegistryCalls::QueryValue(static_cast<HKEY>(key), valueName, &type, nullptr, &size);
  return rc == ERROR_SUCCESS ? size : 0;
}

}  // namespace

REGISTRY::REGISTRY(const char* subkey, const char* prefix, std::intptr_t root) : hkApp(nullptr) {
  HKEY key = nullptr;
  LONG rc = OSYS::RegistryCalls::CreateKey(RootKey(root), KeyPath(subkey, prefix).Buffer, &key);
  if (rc == ERROR_SUCCESS) {
    hkApp = key;
    return;
  }
  STRING info(TextOf(subkey));
  info.Append("/").Append(TextOf(prefix)).Append("/");
  info.AppendFormat("%lld", static_cast<long long>(root));
  ::SetLastError(static_cast<DWORD>(rc));
  ReportAssertion(0, "this->hkApp!=NULL", __FILE__, __LINE__, info.Buffer, 1);
}

REGISTRY::~REGISTRY() { Close(); }

void REGISTRY::Close() {
  if (hkApp != nullptr) ::RegCloseKey(static_cast<HKEY>(hkApp));
  hkApp = nullptr;
}

bool REGISTRY::Write(const char* valueName, const char* text) {
  const char* data = TextOf(text);
  // The count leaves the terminating zero out; the registry stores a string
  // value with it all the same.
  DWORD size = static_cast<DWORD>(std::strlen(data));
  LONG rc = hkApp == nullptr ? ERROR_INVALID_HANDLE
                             : OSYS::RegistryCalls::SetValue(static_cast<HKEY>(hkApp), valueName, REG_SZ,
                                                             reinterpret_cast<const BYTE*>(data), size);
  // The data is cut in the trace so that a long value cannot overrun the
  // trace's line.
  LogPrintfLevel(2, "REGISTRY::Write String value= %s; data=%.4000s, error=%08x\n", TextOf(valueName), data,
                 static_cast<unsigned>(rc));
  return rc == ERROR_SUCCESS;
}

bool REGISTRY::Read(const char* valueName, void* buffer, std::uint32_t* size) {
  DWORD type = 0;
  return QueryValue(hkApp, valueName, buffer, size, &type);
}

STRING REGISTRY::ReadString(const char* valueName) {
  // The first read goes into the usual buffer. A value longer than that (the
  // installed-files list of a large product) is read again into a buffer of
  // its own size rather than lost; a value that keeps growing between the
  // reads gives up after a few rounds.
  std::uint32_t capacity = ReadBufferSize;
  for (int round = 0; round < 4; ++round) {
    // On the heap: workers with small stacks read the registry too.
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[capacity]());
    if (buffer == nullptr) return STRING();
    std::uint32_t size = capacity;
    DWORD type = 0;
    if (QueryValue(hkApp, valueName, buffer.get(), &size, &type)) {
      // A string value carries its terminating zero, which is not part of
      // the text. Only a zero is taken off: a value stored without one keeps
      // its last character.
      if (type == REG_SZ && size > 0 && buffer[size - 1] == 0) --size;
      STRING text;
      text.Make(static_cast<int>(size), buffer.get());
      return text;
    }
    DWORD needed = StoredSize(hkApp, valueName);
    if (needed <= capacity) return STRING();
    capacity = needed + 1;
  }
  return STRING();
}

bool REGISTRY::Delete(const char* subkey) {
  // An empty name would name the open key itself.
  LONG rc = hkApp == nullptr                     ? ERROR_INVALID_HANDLE
            : subkey == nullptr || *subkey == 0 ? ERROR_INVALID_PARAMETER
                                                : OSYS::RegistryCalls::DeleteKey(static_cast<HKEY>(hkApp), subkey);
  LogPrintfLevel(2, "REGISTRY::delete key= %s, error=%d\n", TextOf(subkey), static_cast<int>(rc));
  return rc == ERROR_SUCCESS;
}
