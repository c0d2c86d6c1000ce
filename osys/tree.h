// Directory trees: the directory search, listing a tree, and copying and
// deleting whole trees. The installer and the uninstaller rely on the order
// in which trees are listed, copied and deleted:
//
//   listing   entries of one directory in the platform's order; a
//             subdirectory's contents come before the subdirectory itself
//   copying   the root first, then each directory before its contents
//   deleting  every file first, then the directories, inner before outer,
//             the root last
//
// Tree operations do not stop at the first failure; they go on with the
// next entry and report only through their result.
#pragma once

#include <cstdint>

#include "foundation/dynarray.h"
#include "foundation/str.h"

namespace OSYS {

// A directory search (FindFirstFileA / FindNextFileA). Each step stores the
// name found (without its directory) in the caller's string, or a null
// string when there is no (further) entry. The names "." and ".." are found
// as the platform returns them.
class FINDFILE {
 public:
  FINDFILE(const char* pattern, STRING* name);
  ~FINDFILE();
  FINDFILE(const FINDFILE&) = delete;
  FINDFILE& operator=(const FINDFILE&) = delete;

  // The next entry; false (and a null name) when there is none.
  bool Next();
  // The attributes of the last entry found (OSYS::File::Attr... bits).
  std::uint32_t Attributes() const;
  // Ends the search (FindClose) and frees the find data; the destructor
  // does it too.
  void Close();

  void* hFind;      // the platform search handle, null when none is open
  STRING* pName;    // receives each name found
  void* pResult;    // the platform's find data, on the heap

 private:
  void Store(bool found);
};

// Attribute bit of an entry that is a link to elsewhere (a junction or a
// symbolic link): the tree functions neither list nor delete through it.
constexpr std::uint32_t AttrReparsePoint = 0x400;

// Counts (and, with a list, appends the full paths of) the files that match
// the pattern in the directory; with recursive also every subdirectory whose
// name matches and does not begin with ".", listed recursively, its own path
// after its contents, counting 1. Without recursive directories are neither
// counted nor listed.
int ListFiles(const char* directory, const char* pattern, DYNARRAY* list, bool recursive);

// Copies the tree: "from" and each directory of the listing are made under
// "to" before what they contain, and every file is copied (CopyFileA with
// failIfExists). False when any file copy failed; directories that cannot be
// made do not count. A null or empty "from" or "to" copies nothing.
bool CopyTree(const char* from, const char* to, const char* pattern, bool recursive, bool failIfExists);

// Deletes every file of the listing (a read-only one too), then removes the
// directories of the listing and finally the directory itself, ignoring
// failures; the number of directories it tried to remove. A null or empty
// directory deletes nothing and gives 0: it never stands for the current
// directory here.
int DeleteTree(const char* directory, const char* pattern, bool recursive);

}  // namespace OSYS
