// The shortcuts page's work list: the StartmenuOpts entries (name;target;
// arguments;icon, separated by "|"), the uninstall shortcut and the desktop
// icon, put together as the page creates them, and the lists of saved
// shortcut names that go into the uninstall record.
#pragma once

#include "foundation/str.h"

// The desktop entry of the last StartmenuOpts entry whose target begins with
// "*" (the product's main program): name, ";#", the target without its "*",
// ";", the arguments (empty when missing). The "#" sends the shortcut to the
// desktop. A null string when no entry is so marked.
STRING DesktopEntry(const STRING& startmenuOpts);

// The uninstall shortcut: nameText (language string 2998) with "$PROGRAM"
// replaced by appName, then ";setup.exe;-remove ", iniKey and ";setup.exe:1"
// (setup.exe in the destination, its icon 1).
STRING UninstallEntry(const STRING& nameText, const char* appName, const char* iniKey);

// Appends entry to list, with a "|" first when list is not empty.
void AppendEntry(STRING& list, const STRING& entry);

// The names of a list of saved shortcuts ("name|name|") with every "|" at
// both ends removed, as the record keeps them.
STRING RecordedNames(const STRING& names);
