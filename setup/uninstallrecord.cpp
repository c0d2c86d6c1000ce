#include "setup/uninstallrecord.h"

#include <cstring>

namespace {

// A value of cfg, or the empty text when it is missing.
STRING Text(STRINGARRAY& cfg, const char* key) {
  STRING value = cfg.Value(key);
  return value.Buffer != nullptr ? value : STRING("");
}

void Put(UNINSTALLRECORD& record, const char* name, const STRING& value) {
  record.Values[record.Count].Name = name;
  record.Values[record.Count].Value = value;
  ++record.Count;
}

}  // namespace

UNINSTALLRECORD MakeUninstallRecord(STRINGARRAY& cfg, const STRING& installDir, const STRING& installedFiles) {
  UNINSTALLRECORD record{};
  STRING appName = Text(cfg, "AppName");
  STRING version = Text(cfg, "AppVersion");
  STRING displayName = cfg.Value("StartmenuName");
  if (displayName.Buffer == nullptr) displayName = appName;

  Put(record, "DisplayName", displayName);
  Put(record, "DisplayVersion", version);
  Put(record, "DisplayIcon", installDir || "\\" || cfg.Value("UninstallIcon"));
  Put(record, "Publisher", UNINSTALL_PUBLISHER);
  Put(record, "URLInfoAbout", UNINSTALL_URLINFOABOUT);
  Put(record, "AppName", appName);
  Put(record, "Version", version);
  Put(record, "UninstallString", "\"" || installDir || "\\Setup.exe\" -remove \"" || Text(cfg, "IniKey") || "\"");
  Put(record, "UninstallFiles", installedFiles);
  Put(record, "UninstallPath", installDir);
  Put(record, "UninstallProtect", Text(cfg, "ProtectedFiles"));
  const STRING& email = cfg.Value("UninstallEmail");
  if (email.Buffer != nullptr && std::strchr(email.Buffer, ';') != nullptr) Put(record, "UninstallEmail", email);
  return record;
}
