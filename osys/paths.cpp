// Joining and splitting paths, the current directory, file and directory
// tests, and making a directory path.
#include "osys/paths.h"

#include "osys/file.h"
#include "osys/filesystem.h"
#include "osys/filesystem_native.h"
#include "osys/platform.h"

namespace OSYS {

namespace {

const char* TextOf(const char* text) { return text != nullptr ? text : ""; }

bool IsSeparator(char c) { return c == '/' || c == ':' || c == '\\'; }

// Position of the last "/", ":" or "\\" of the text, or -1.
int LastSeparator(const STRING& path) {
  for (int i = path.StrLen - 1; i >= 0; --i)
    if (IsSeparator(path.Buffer[i])) return i;
  return -1;
}

// Position of the last "/" or "\\" at or after start, or -1: the end of the
// directory part as _splitpath finds it.
int LastSlash(const STRING& path, int start) {
  for (int i = path.StrLen - 1; i >= start; --i)
    if (path.Buffer[i] == '/' || path.Buffer[i] == '\\') return i;
  return -1;
}

// The separator these functions add, as a text.
const char* SeparatorText() {
  static const char text[2] = {Platform::PathSeparator(), 0};
  return text;
}

}  // namespace

STRING JoinPath(const char* directory, const char* name) {
  STRING path = directory != nullptr && *directory != 0 ? STRING(directory) : CurrentDirectory();
  if (path.Buffer == nullptr) path = "";
  if (path.StrLen == 0 || path.Buffer[path.StrLen - 1] != Platform::PathSeparator()) path.Append(SeparatorText());
  path.Append(TextOf(name));
  return path;
}

STRING DirPart(const char* path) {
  STRING text(TextOf(path));
  int at = LastSeparator(text);
  return at < 0 ? STRING(".") : text.Left(at);
}

STRING NamePart(const char* path) {
  if (path == nullptr) return STRING();
  STRING text(path);
  return text.Mid(LastSeparator(text) + 1);
}

STRING DirectoryOf(const char* path) {
  STRING text(TextOf(path));
  STRING drive = text.StrLen >= 2 && text.Buffer[1] == ':' ? text.Left(2) : STRING("");
  int end = LastSlash(text, drive.StrLen);
  STRING directory = end < 0 ? STRING("") : text.Mid(drive.StrLen, end + 1 - drive.StrLen);
  STRING result;
  if (drive.StrLen == 0 && directory.StrLen == 0) {
    result = CurrentDirectory();
  } else {
    if (drive.StrLen == 0) drive = CurrentDirectory().Left(2);
    result = drive || directory;
  }
  if (result.Buffer != nullptr && result.StrLen != 3 && result.StrLen > 0 && result.Buffer[result.StrLen - 1] == '\\')
    result.CutRight(1);
  return result;
}

STRING CurrentDirectory() { return FileSystemNative::CurrentDirectory(); }

bool FileExists(const char* path) { return path != nullptr && File::Exists(path); }

bool IsDirectory(const char* path) { return path != nullptr && File::IsDirectory(path); }

bool MakePath(const char* path) {
  if (path == nullptr || *path == 0) return false;
  STRING text(path);
  STRING running("");
  for (int i = 0;; ++i) {
    STRING part = text.Token(i, SeparatorText());
    if (part.Buffer == nullptr) break;
    running.Append(part);
    // A path that starts with a separator has an empty first part: there is
    // nothing to create for it.
    if (running.StrLen > 0 && !IsDirectory(running.Buffer)) FileSystem::MakeDirectory(running.Buffer);
    running.Append(SeparatorText());
  }
  return IsDirectory(path);
}

}  // namespace OSYS
