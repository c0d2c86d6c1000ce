// The uninstall record of a product: the registry key
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\<IniKey>,
// which the uninstaller reads back. All values are strings.
//
// The copy worker writes these values, in this order, after a complete copy:
//
//   DisplayName      StartmenuName (AppName when missing)
//   DisplayVersion   AppVersion (empty when missing)
//   DisplayIcon      InstallDir "\" UninstallIcon ("<NULL>" stands for a
//                    missing UninstallIcon, as in every composed text)
//   Publisher        the maker's company name
//   URLInfoAbout     the maker's web address
//   AppName          AppName
//   Version          AppVersion (empty when missing)
//   UninstallString  "InstallDir\Setup.exe" -remove "IniKey"
//   UninstallFiles   the installed-files list (setup/installedfiles.h)
//   UninstallPath    InstallDir
//   UninstallProtect ProtectedFiles as setup.cfg has it
//   UninstallEmail   UninstallEmail, only when it holds a ";" (address;server)
//
// The shortcuts page adds UninstallStartmenu, UninstallStartmenuFiles and
// UninstallDesktopFiles afterwards (setup/shortcuts_page.cpp).
#pragma once

#include "foundation/dynarray.h"
#include "foundation/str.h"

// The key below HKEY_LOCAL_MACHINE under which every record lives.
constexpr const char* UNINSTALL_KEY_PREFIX = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

constexpr const char* UNINSTALL_PUBLISHER = "Korvex";
constexpr const char* UNINSTALL_URLINFOABOUT = "https://www.korvex.example/";

struct RECORDVALUE {
  const char* Name;
  STRING Value;
};

// The values of the record in the order they are written, at most 12.
struct UNINSTALLRECORD {
  RECORDVALUE Values[12];
  int Count;
};

// The record for the configuration cfg (setup.cfg), the destination
// installDir (without trailing "\") and the installed-files list.
UNINSTALLRECORD MakeUninstallRecord(STRINGARRAY& cfg, const STRING& installDir, const STRING& installedFiles);
