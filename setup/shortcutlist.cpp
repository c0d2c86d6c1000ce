#include "setup/shortcutlist.h"

STRING DesktopEntry(const STRING& startmenuOpts) {
  STRING desktop;
  for (int i = 0;; ++i) {
    STRING entry = startmenuOpts.Token(i, "|");
    if (entry.Buffer == nullptr) break;
    STRING target = entry.Token(1, ";", TOKEN_NONULL);
    if (target.StrLen == 0 || target.Buffer[0] != '*') continue;
    desktop = entry.Token(0, ";", TOKEN_NONULL) || ";#" || target.Mid(1) || ";" ||
              entry.Token(2, ";", TOKEN_NONULL);
  }
  return desktop;
}

STRING UninstallEntry(const STRING& nameText, const char* appName, const char* iniKey) {
  STRING name = nameText;
  name.Replace("$PROGRAM", appName != nullptr ? appName : "");
  return name || ";setup.exe;-remove " || (iniKey != nullptr ? iniKey : "") || ";setup.exe:1";
}

void AppendEntry(STRING& list, const STRING& entry) {
  if (list.Buffer == nullptr) list = STRING("");
  if (list.StrLen > 0) list.Append("|");
  list.Append(entry);
}

STRING RecordedNames(const STRING& names) {
  STRING stripped = names.Buffer != nullptr ? names : STRING("");
  stripped.Strip('B', "|");
  return stripped;
}
