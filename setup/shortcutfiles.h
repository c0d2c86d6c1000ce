// Shortcut files through the shell's own objects: .LNK files through the
// shell-link object (IShellLinkA) and .URL files through the internet-
// shortcut object (IUniformResourceLocatorA), both saved with IPersistFile.
// The caller has initialised COM on its thread.
#pragma once

#include "foundation/str.h"

struct SHELLLINKFILE {
  const char* Description;
  const char* Path;       // the target program or document
  const char* Arguments;
  const char* WorkingDirectory;
  const char* IconFile;   // null: the target's own icon
  int IconIndex;
};

// What became of one shortcut.
enum class SHORTCUTRESULT {
  NoObject,    // the object could not be created or offers no IPersistFile
  NotSaved,    // the object was made, but the caller did not want it saved
  Saved,       // IPersistFile::Save was called (its result is not looked at)
};

// An internet shortcut to url in file (a ".URL" path); saved only when save
// is set.
SHORTCUTRESULT MakeInternetShortcut(const char* file, const char* url, bool save);

// A shell link in file (a ".LNK" path); saved only when save is set. A shell
// link object that cannot be created or offers no IPersistFile is reported
// ("SUCCEEDED(hres)").
SHORTCUTRESULT MakeShellLink(const char* file, const SHELLLINKFILE& link, bool save);
