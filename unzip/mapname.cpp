// Character rules of the mapping:
//   "/" (and "\", a separator on the target system) ends a directory level;
//   ":" becomes "_"; a blank becomes "_" with -s or on a FAT volume;
//   Ctrl-V (22) takes the next character as it is (a separator taken so
//   becomes "_": a level cannot hide in it); other printable characters and
//   128-254 stay; other control characters are dropped; without -V a final
//   ";" with only digits after it (a version number) is cut off.
#include "unzip/mapname.h"

#include <cstring>

#include "osys/file.h"
#include "unzip/messages.h"

namespace UNZIP {
namespace {

constexpr char kCtrlV = 22;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsDriveLetter(const char* name) {
  char c = name[0];
  return ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) && name[1] == ':';
}

// The member's name mapped by the character rules, levels joined by "/".
// Returns its length; *directory_only when the name ends in a separator.
size_t MapCharacters(const RUN& run, const char* name, char* out, size_t size, bool* directory_only) {
  size_t n = 0;
  *directory_only = false;
  for (const char* p = name; *p && n + 1 < size; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    bool quoted = false;
    if (c == kCtrlV && p[1]) {
      c = static_cast<unsigned char>(*++p);
      quoted = true;
    }
    if (IsSeparator(static_cast<char>(c))) {
      out[n++] = quoted ? '_' : '/';
      continue;
    }
    if (c == ':') c = '_';
    if (c == ' ' && (run.options.blanks_to_underscore || run.fat_destination)) c = '_';
    if ((c >= 32 && c < 127) || (c >= 128 && c <= 254)) out[n++] = static_cast<char>(c);
  }
  out[n] = '\0';
  *directory_only = n > 0 && out[n - 1] == '/';
  return n;
}

void CutVersion(char* name) {
  char* last = std::strrchr(name, '/');
  char* semicolon = std::strrchr(last ? last : name, ';');
  if (semicolon == nullptr) return;
  for (const char* p = semicolon + 1; *p; ++p) {
    if (*p < '0' || *p > '9') return;
  }
  *semicolon = '\0';
}

bool ClimbsOut(const char* mapped) {
  for (const char* p = mapped; *p;) {
    const char* end = std::strchr(p, '/');
    size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
    if (len == 2 && p[0] == '.' && p[1] == '.') return true;
    if (end == nullptr) break;
    p = end + 1;
  }
  return false;
}

// One directory level: there already, or made now.
bool CheckDirectory(const char* path, const char* member) {
  if (OSYS::File::Exists(path)) {
    if (OSYS::File::IsDirectory(path)) return true;
    Say(kStderr, "checkdir error:  %s exists but is not directory\n                 unable to process %s.\n", path, member);
    return false;
  }
  if (OSYS::File::MakeDirectory(path)) return true;
  Say(kStderr, "checkdir error:  can't create %s\n                 unable to process %s.\n", path, member);
  return false;
}

}  // namespace

bool PrepareExtractionDirectory(const char* directory) {
  char path[kMaxPath + 2];
  size_t n = std::strlen(directory);
  if (n > kMaxPath) return false;
  std::memcpy(path, directory, n + 1);
  while (n > 1 && IsSeparator(path[n - 1]) && !(n == 3 && path[1] == ':')) path[--n] = '\0';
  if (OSYS::File::IsDirectory(path)) return true;
  return !OSYS::File::Exists(path) && OSYS::File::MakeDirectory(path);
}

MapResult MapName(RUN& run, const char* member, char* path) {
  const char* name = member;
  if (IsSeparator(name[0]) || IsDriveLetter(name)) {
    Say(kStderr, "warning:  skipping %s:  absolute path or drive letter\n", member);
    run.Raise(1);
    return kMapFailed;
  }
  if (run.options.junk_paths) {
    for (const char* p = member; *p; ++p) {
      if (IsSeparator(*p) && p[1]) name = p + 1;
    }
  }
  char mapped[2 * kMaxPath + 2];
  bool directory_only;
  MapCharacters(run, name, mapped, sizeof mapped, &directory_only);
  if (!run.options.keep_version) CutVersion(mapped);
  if (ClimbsOut(mapped)) {
    Say(kStderr, "warning:  skipping %s:  the name climbs out of the extraction directory\n", member);
    run.Raise(1);
    return kMapFailed;
  }
  if (run.options.junk_paths && directory_only) return kMapDirectory;

  // The extraction directory, then each level of the name.
  size_t n = 0;
  if (run.options.directory != nullptr && run.options.directory[0] != '\0') {
    n = std::strlen(run.options.directory);
    if (n > kMaxPath - 2) {
      Say(kStderr, "checkdir error:  path too long: %s\n", run.options.directory);
      run.Raise(50);
      return kMapFailed;
    }
    std::memcpy(path, run.options.directory, n);
    if (!IsSeparator(path[n - 1])) path[n++] = '/';
  }
  const char* p = mapped;
  for (const char* slash; (slash = std::strchr(p, '/')) != nullptr; p = slash + 1) {
    size_t len = static_cast<size_t>(slash - p);
    if (len == 0) continue;
    if (n + len > kMaxPath - 2) {
      path[n] = '\0';
      Say(kStderr, "checkdir error:  path too long: %s%.*s\n", path, static_cast<int>(len), p);
      run.Raise(50);
      return kMapFailed;
    }
    std::memcpy(path + n, p, len);
    n += len;
    path[n] = '\0';
    if (!CheckDirectory(path, member)) {
      run.Raise(50);
      return kMapFailed;
    }
    path[n++] = '/';
  }
  path[n] = '\0';
  if (directory_only) {
    if (run.options.quiet == 0) Say(kStdout, "   creating: %-22s\n", member);
    return kMapDirectory;
  }
  if (*p == '\0') {
    Say(kStderr, "mapname:  conversion of %s failed\n", member);
    run.Raise(3);
    return kMapFailed;
  }
  size_t len = std::strlen(p);
  if (n + len > kMaxPath) {
    len = kMaxPath - n;
    std::memcpy(path + n, p, len);
    path[n + len] = '\0';
    Say(kStderr, "warning:  name too long, truncated to %s\n", path);
    return kMapFile;
  }
  std::memcpy(path + n, p, len + 1);
  return kMapFile;
}

}  // namespace UNZIP
