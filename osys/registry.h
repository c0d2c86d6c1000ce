// REGISTRY: one open key of the Windows registry, created when missing, with
// the string values beneath it; and the per-user autostart entry. The
// program keeps its records here: the uninstall records under
// "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" (root 0) and
// the product keys under "Software\\Korvex\\" (roots 0 and 1).
//
// Product build only. Failures give false or a null string and a trace line
// (level 2); a key that cannot be opened also raises a quiet assertion
// report. Nothing throws.
#pragma once

#include <cstdint>

#include "foundation/str.h"

class REGISTRY {
 public:
  // Roots of the constructor; any other value is a root key handle itself.
  static constexpr std::intptr_t LocalMachine = 0;  // HKEY_LOCAL_MACHINE
  static constexpr std::intptr_t CurrentUser = 1;   // HKEY_CURRENT_USER

  // Bytes read by ReadString at most.
  static constexpr int ReadBufferSize = 8192;

  // Opens (RegCreateKeyA, creating it and its missing parents) the key
  // KeyPath(subkey, prefix) under the root. On failure hkApp is null and a
  // quiet report "this->hkApp!=NULL" is raised with the information
  // subkey + "/" + prefix + "/" + root in decimal.
  REGISTRY(const char* subkey, const char* prefix, std::intptr_t root);
  ~REGISTRY();
  REGISTRY(const REGISTRY&) = delete;
  REGISTRY& operator=(const REGISTRY&) = delete;

  // Closes the key (RegCloseKey); hkApp becomes null.
  void Close();

  // The text as a string value (REG_SZ) with its terminating zero; a null
  // text writes the empty string. True on success.
  bool Write(const char* valueName, const char* text);

  // The value's bytes into buffer. On entry *size is the buffer's capacity;
  // it is 0 after a failure and the number of bytes read after success.
  bool Read(const char* valueName, void* buffer, std::uint32_t* size);

  // The value read into a zeroed buffer of ReadBufferSize bytes, or of the
  // value's own size when it is longer; a string value without its stored
  // terminating zero. A null string when the value is missing or the key is
  // not open.
  STRING ReadString(const char* valueName);

  // Deletes the subkey below the open key (RegDeleteKeyA; it must have no
  // subkeys of its own). The system's name for it is REGISTRY::delete,
  // which C++ reserves. True on success.
  bool Delete(const char* subkey);

  // The path opened below the root: prefix + "\\" + subkey (no second "\\"
  // when the prefix ends in one; the prefix alone without a subkey). A
  // subkey beginning with "Drovane" under the prefix "Software\\Korvex\\" or
  // "Software\\Korvex" goes to "Software\\Ostrel" instead (letters compared
  // without regard to case): that product keeps its settings there.
  static STRING KeyPath(const char* subkey, const char* prefix);

  void* hkApp;  // the open key, null when opening failed
};

namespace OSYS {

// Writes (command given) or deletes (command null) the value of the per-user
// autostart key, HKEY_CURRENT_USER
// "Software\\Microsoft\\Windows\\CurrentVersion\\Run", which is not created
// when missing. The command
// "<self>" (any case) or the pointer value 1 stands for the program's full
// path. True when the write or delete succeeded.
bool SetAutostart(const char* valueName, const char* command);

}  // namespace OSYS

namespace OSYS::Registry {

// Test seam: the nth registry call from now (1 = the next: opening or
// creating a key, setting, querying or deleting a value, deleting a key)
// fails with the error number code; n = 0 switches the seam off.
void FailNthCall(int n, unsigned code);

}  // namespace OSYS::Registry
