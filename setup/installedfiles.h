// The installed-files list of one copy run: every archive member in archive
// order, then every CopyToDest entry, as one "|"-separated text that the
// uninstall record keeps as UninstallFiles.
//
// Members are joined with a "|" between them and none in front of the
// first; each copied file is put behind a "|" of its own. So a run that
// placed no archive member and copied x.dll records "|x.dll": the uninstaller
// reads the list with empty entries skipped, and stored records look so.
#pragma once

#include "foundation/str.h"

class INSTALLEDFILES {
 public:
  INSTALLEDFILES();

  // An archive member, by its name in the member list ("/" between levels,
  // directories ending in "/"); also one that was kept or skipped.
  void AddMember(const char* name);
  // A file copied by CopyToDest (whether or not the copy succeeded).
  void AddCopied(const char* entry);

  // The list as it stands; the empty text when nothing was added.
  const STRING& Text() const { return List; }

 private:
  STRING List;
  bool HasMember;
};
