#include "setup/setupcfg.h"

#include <cstring>

#include "foundation/log.h"

STRINGARRAY SetupCfg;

namespace SETUPCFG {

namespace {

// The keys of setup.cfg that have a default, and the default.
const struct {
  const char* Key;
  const char* Default;
} Defaults[] = {
    {"AppName", ""},        {"Advertise", ""},      {"AskOverwrite", ""},
    {"ProtectedFiles", ""}, {"NoCopyComplete", "0"}, {"DesktopIcon", "1"},
    {"StartmenuUninstall", "0"}, {"NoFinalPopup", "0"},
};

bool StartsWithIgnoringCase(const STRING& text, const char* start) {
  int n = static_cast<int>(std::strlen(start));
  return text.StrLen >= n && text.Left(n) == start;
}

}  // namespace

bool Load(const char* fileName) {
  bool loaded = SetupCfg.Load(fileName);
  LogPrintf("SETUPCFG::Load %s: %s\n", fileName, loaded ? "loaded" : "not found");
  return loaded;
}

STRING& CfgValue(const char* key) {
  STRING& value = SetupCfg.Value(key);
  if (value.Buffer == nullptr) {
    for (const auto& d : Defaults) {
      if (StrICmp(d.Key, key) == 0) {
        value = STRING(d.Default);
        break;
      }
    }
  }
  return value;
}

int CfgNumber(const char* key) { return StrAtoi(CfgValue(key).Buffer); }

DYNARRAY ListEntries(const STRING& list) {
  DYNARRAY entries;
  for (int i = 0;; ++i) {
    STRING entry = list.Token(i, "|");
    if (entry.Buffer == nullptr) break;
    if (entry.StrLen > 0) entries.Add(entry);
  }
  return entries;
}

STRING Field(const STRING& entry, int index) { return entry.Token(index, ";"); }

STRING MemberList(const STRING& list) {
  STRING slashed = list.Buffer != nullptr ? list : STRING("");
  slashed.Replace("\\", "/");
  return slashed;
}

SHORTCUTENTRY ParseShortcut(const STRING& entry) {
  SHORTCUTENTRY s{};
  s.Name = Field(entry, 0);
  STRING target = Field(entry, 1);
  if (target.Buffer == nullptr) target = STRING("");
  s.IsInternet = StartsWithIgnoringCase(target, "http://") || StartsWithIgnoringCase(target, "https://");
  s.IsMainProgram = target.StrLen > 0 && target.Buffer[0] == '*';
  s.IsDesktop = target.StrLen > 0 && target.Buffer[0] == '#';
  target.Strip('L', "*#");
  s.Target = target;
  s.Arguments = Field(entry, 2);
  if (s.Arguments.Buffer == nullptr) s.Arguments = STRING("");
  STRING icon = Field(entry, 3);
  s.HasIcon = icon.Buffer != nullptr;
  s.IconFile = icon.Token(0, ":", TOKEN_NONULL);
  s.IconIndex = StrAtoi(icon.Token(1, ":").Buffer);
  return s;
}

bool ParseUninstallEmail(const STRING& value, STRING* address, STRING* server) {
  if (value.Buffer == nullptr || std::strchr(value.Buffer, ';') == nullptr) return false;
  *address = Field(value, 0);
  *server = Field(value, 1);
  return true;
}

STRING ResolveInstallPath(const STRING& value, const STRING& programFiles) {
  if (value.StrLen > 0 && value.Buffer[0] == '*') return value.Mid(1);
  STRING path = programFiles.Buffer != nullptr ? programFiles : STRING("");
  if (value.Buffer != nullptr) path.Append(value);
  return path;
}

STRING ProductTitle() { return CfgValue("AppName") || " " || SetupCfg.Value("AppVersion"); }

STRING ReplacePlaceholders(const STRING& text, const PLACEHOLDER* placeholders, int count) {
  if (text.Buffer == nullptr) return text;
  STRING out("");
  for (int i = 0; i < text.StrLen;) {
    const PLACEHOLDER* best = nullptr;
    int bestLength = 0;
    for (int p = 0; p < count; ++p) {
      int n = static_cast<int>(std::strlen(placeholders[p].Name));
      if (n > bestLength && n <= text.StrLen - i && std::strncmp(text.Buffer + i, placeholders[p].Name, n) == 0) {
        best = &placeholders[p];
        bestLength = n;
      }
    }
    if (best != nullptr) {
      if (best->Value != nullptr) out.Append(best->Value);
      i += bestLength;
    } else {
      out.Append(text.Buffer + i, 1);
      ++i;
    }
  }
  return out;
}

STRING WithProgram(const STRING& text) {
  const PLACEHOLDER p[] = {{"$PROGRAM", CfgValue("AppName").Buffer}};
  return ReplacePlaceholders(text, p, 1);
}

STRING WithProgramAndFile(const STRING& text, const char* member) {
  const PLACEHOLDER p[] = {{"$PROGRAM", CfgValue("AppName").Buffer}, {"$FILE", member}};
  return ReplacePlaceholders(text, p, 2);
}

STRING WithProductTitle(const STRING& text) {
  STRING title = ProductTitle();
  const PLACEHOLDER p[] = {{"$PROGRAM", title.Buffer}};
  return ReplacePlaceholders(text, p, 1);
}

STRING WithProg(const STRING& text, const char* name) {
  // "$PROGRAM" stays as it is rather than turning into the name and "RAM".
  const PLACEHOLDER p[] = {{"$PROG", name}, {"$PROGRAM", "$PROGRAM"}};
  return ReplacePlaceholders(text, p, 2);
}

STRING FrameCaption(const STRING& caption) {
  const PLACEHOLDER p[] = {{"Korvex", CfgValue("AppName").Buffer}};
  return ReplacePlaceholders(caption, p, 1);
}

}  // namespace SETUPCFG
