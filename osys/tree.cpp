// Listing, copying and deleting directory trees.
//
// The functions recurse once per directory level and keep their frames
// small (the find data lives on the heap), because the uninstaller runs
// them in a worker thread with a 32 KB stack.
#include "osys/tree.h"

#include "foundation/log.h"
#include "osys/file.h"
#include "osys/filesystem.h"
#include "osys/paths.h"

namespace OSYS {

namespace {

bool IsEmpty(const char* text) { return text == nullptr || *text == 0; }

// Deletes a file; a read-only file loses the attribute first, and gets it
// back when it still cannot be deleted.
void DeleteListedFile(const char* name) {
  if (FileSystem::RemoveFile(name)) return;
  std::uint32_t attributes = File::GetAttributes(name);
  if (attributes == File::AttrInvalid || (attributes & File::AttrReadOnly) == 0) return;
  if (!FileSystem::SetAttributes(name, attributes & ~File::AttrReadOnly)) return;
  if (!FileSystem::RemoveFile(name)) FileSystem::SetAttributes(name, attributes);
}

}  // namespace

int ListFiles(const char* directory, const char* pattern, DYNARRAY* list, bool recursive) {
  STRING name;
  FINDFILE search(JoinPath(directory, pattern).Buffer, &name);
  int count = 0;
  for (bool found = name.Buffer != nullptr; found; found = search.Next()) {
    std::uint32_t attributes = search.Attributes();
    if ((attributes & File::AttrDirectory) == 0) {
      ++count;
      if (list != nullptr) list->Add(JoinPath(directory, name.Buffer));
      continue;
    }
    if (!recursive || name.Buffer[0] == '.') continue;
    STRING path = JoinPath(directory, name.Buffer);
    // A link to elsewhere is listed as an empty directory: what it points to
    // is not part of this tree.
    if ((attributes & AttrReparsePoint) == 0) count += ListFiles(path.Buffer, pattern, list, true);
    if (list != nullptr) list->Add(path);
    ++count;
  }
  return count;
}

bool CopyTree(const char* from, const char* to, const char* pattern, bool recursive, bool failIfExists) {
  if (IsEmpty(from) || IsEmpty(to)) return false;
  STRING source(from);
  const int fl = source.StrLen;
  DYNARRAY list;
  ListFiles(from, pattern, &list, recursive);
  list.Add(source);
  bool copied = true;
  for (int i = list.Count() - 1; i >= 0; --i) {
    const STRING& entry = *list.ItemAt(i);
    bool inside = entry.Left(fl) == source;
    ReportAssertion(inside ? 1 : 0, "source.Left(fl)==from", __FILE__, __LINE__, entry.Buffer, 0);
    if (!inside) continue;
    STRING target = STRING(to) || entry.Mid(fl);
    if (IsDirectory(entry.Buffer))
      MakePath(target.Buffer);
    else if (!FileSystem::CopyFileTo(entry.Buffer, target.Buffer, failIfExists))
      copied = false;
  }
  return copied;
}

int DeleteTree(const char* directory, const char* pattern, bool recursive) {
  if (IsEmpty(directory)) return 0;
  DYNARRAY list;
  ListFiles(directory, pattern, &list, recursive);
  list.Add(STRING(directory));
  for (int i = 0; i < list.Count();) {
    const char* entry = list.ItemAt(i)->Buffer;
    if (File::Exists(entry) && !File::IsDirectory(entry)) {
      DeleteListedFile(entry);
      list.RemoveAt(i);
    } else {
      ++i;
    }
  }
  for (int i = 0; i < list.Count(); ++i) FileSystem::RemoveEmptyDirectory(list.ItemAt(i)->Buffer);
  return list.Count();
}

}  // namespace OSYS
