// OSYS::GetWin32SystemPath: special folders from the registry's folder values.
#include <windows.h>

#include "foundation/log.h"
#include "osys/osys.h"

namespace OSYS {

namespace {

constexpr const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct FOLDER {
  int Number;
  HKEY Root;
  const char* Key;
  const char* Value;
};

const FOLDER Folders[] = {
    {0, HKEY_CURRENT_USER, ShellFolders, "Programs"},
    {1, HKEY_CURRENT_USER, ShellFolders, "Startup"},
    {2, HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"},
    {5, HKEY_CURRENT_USER, ShellFolders, "AppData"},
    {6, HKEY_CURRENT_USER, ShellFolders, "Personal"},
    {7, HKEY_CURRENT_USER, ShellFolders, "My Pictures"},
    {8, HKEY_CURRENT_USER, ShellFolders, "Desktop"},
    {10, HKEY_LOCAL_MACHINE, ShellFolders, "Common Programs"},
    {11, HKEY_LOCAL_MACHINE, ShellFolders, "Common Start Menu"},
};

// The folder of the number; an unknown number reads the unnamed value.
FOLDER FolderOf(int number) {
  for (const FOLDER& f : Folders)
    if (f.Number == number) return f;
  ReportAssertion(0, "FALSE", __FILE__, __LINE__, nullptr, 0);
  return FOLDER{number, HKEY_CURRENT_USER, ShellFolders, nullptr};
}

// The value as text into buffer, or an error code.
LONG ReadValue(const FOLDER& folder, char* buffer, DWORD size) {
  HKEY key;
  LONG rc = ::RegOpenKeyExA(folder.Root, folder.Key, 0, KEY_READ, &key);
  if (rc != ERROR_SUCCESS) return rc;
  DWORD type = 0;
  DWORD length = size - 1;
  rc = ::RegQueryValueExA(key, folder.Value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length);
  ::RegCloseKey(key);
  if (rc == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) rc = ERROR_INVALID_DATA;
  buffer[rc == ERROR_SUCCESS ? length : 0] = 0;
  return rc;
}

}  // namespace

STRING GetWin32SystemPath(int number) {
  FOLDER folder = FolderOf(number);
  char raw[4096];
  LONG rc = ReadValue(folder, raw, sizeof raw);
  if (rc != ERROR_SUCCESS) {
    STRING info;
    info.Format("GetWin32SystemPath %d", number);
    ::SetLastError(static_cast<DWORD>(rc));
    ReportAssertion(0, "rc==ERROR_SUCCESS", __FILE__, __LINE__, info.Buffer, 1);
    return STRING();
  }
  char expanded[4096];
  DWORD n = ::ExpandEnvironmentStringsA(raw, expanded, sizeof expanded);
  STRING path(n > 0 && n <= sizeof expanded ? expanded : raw);
  if (path.StrLen == 0 || path.Buffer[path.StrLen - 1] != '\\') path.Append("\\");
  return path;
}

}  // namespace OSYS
