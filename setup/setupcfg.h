// setup.cfg: the description of the product being installed, a key=value
// file beside setup.exe, held in the keyed list SetupCfg. This is the layer
// through which the installer reads it: loading, the keys' defaults, numbers,
// the list and field syntaxes inside values, the destination from
// InstallPath and the placeholders of the texts.
//
// A missing key and a null value behave alike. A key's default (AppName "",
// Advertise "", AskOverwrite "", ProtectedFiles "", NoCopyComplete "0",
// DesktopIcon "1", StartmenuUninstall "0", NoFinalPopup "0") is stored into
// SetupCfg at its first use through CfgValue, so that later readers see it.
//
// Lists separate entries by "|" and the fields of an entry by ";"; empty
// entries are skipped and a missing key is an empty list.
#pragma once

#include "foundation/dynarray.h"
#include "foundation/str.h"

extern STRINGARRAY SetupCfg;

namespace SETUPCFG {

// Loads fileName (relative to the current directory) into SetupCfg; false,
// and SetupCfg unchanged, when it cannot be read.
bool Load(const char* fileName = "setup.cfg");

// The value of key in SetupCfg, its default stored first when it has one and
// the value is missing or null.
STRING& CfgValue(const char* key);

// The value read as a number (leading sign and digits, as atol); a missing
// key reads as 0 (or as its default).
int CfgNumber(const char* key);

// The non-empty "|"-entries of a list value.
DYNARRAY ListEntries(const STRING& list);

// Field index (from 0) of a list entry, its ";"-separated parts; null when
// the entry has fewer fields.
STRING Field(const STRING& entry, int index);

// A list whose first fields are archive member names, every "\" turned into
// "/" so that it compares with the names as archives store them.
STRING MemberList(const STRING& list);

// One StartmenuOpts entry: name;target;arguments;icon.
struct SHORTCUTENTRY {
  STRING Name;       // file name (without extension) and description
  STRING Target;     // relative to the destination, or a web address; without "*" or "#"
  STRING Arguments;  // empty when missing
  bool HasIcon;      // the icon field is present
  STRING IconFile;   // relative to the destination; empty when missing
  int IconIndex;     // after ":" in the icon field, 0 when missing
  bool IsMainProgram;  // the target was marked with a leading "*"
  bool IsDesktop;      // the target was marked with a leading "#" (desktop icon)
  bool IsInternet;     // the target begins with "http://" or "https://"
};
SHORTCUTENTRY ParseShortcut(const STRING& entry);

// The two fields of UninstallEmail, a mail address and a mail server
// separated by ";"; false when there is no ";" (then nothing is recorded).
bool ParseUninstallEmail(const STRING& value, STRING* address, STRING* server);

// The default destination from an InstallPath value: after a leading "*" the
// rest is the full path; any other value is appended, without separator, to
// programFiles (the Program Files folder with its trailing backslash). A
// missing value appends nothing.
STRING ResolveInstallPath(const STRING& value, const STRING& programFiles);

// AppName, a blank and AppVersion; a missing value reads as "<NULL>".
STRING ProductTitle();

// Replaces every occurrence of each placeholder in one pass over text (case-
// sensitive): at each position the longest placeholder that matches wins, and
// text put in is not searched again.
struct PLACEHOLDER {
  const char* Name;
  const char* Value;  // null reads as the empty text
};
STRING ReplacePlaceholders(const STRING& text, const PLACEHOLDER* placeholders, int count);

// The placeholder rules of the installer's texts:
// "$PROGRAM" by AppName (final message, uninstall shortcut name) ...
STRING WithProgram(const STRING& text);
// ... and with "$FILE" by the member name (the extraction error question).
STRING WithProgramAndFile(const STRING& text, const char* member);
// "$PROGRAM" by AppName, a blank and AppVersion (the licence agreement).
STRING WithProductTitle(const STRING& text);
// "$PROG" by name: AppName, or the advertised Product (advertising and
// finish page texts); a "$PROGRAM" there is left as it is.
STRING WithProg(const STRING& text, const char* name);
// "Korvex" by AppName (the wizard frame's caption).
STRING FrameCaption(const STRING& caption);

}  // namespace SETUPCFG

namespace SETUPCFG {

// Product build: Load, and when setup.cfg cannot be read the error box
// "File SETUP.CFG not found.\r(Program already installed?)" captioned with
// language string 2900; false then.
bool LoadOrSay(const char* fileName = "setup.cfg");

}  // namespace SETUPCFG
