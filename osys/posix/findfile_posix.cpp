// FINDFILE of the host build: a directory stream filtered by the pattern's
// name part, matched as Windows matches names ("*" and "?", letters without
// regard to case, "*.*" for every name).
#include <dirent.h>
#include <sys/stat.h>

#include <new>

#include "foundation/log.h"
#include "osys/file.h"
#include "osys/filesystem.h"
#include "osys/posix/error_posix.h"
#include "osys/tree.h"

namespace OSYS {

namespace {

struct FINDDATA {
  STRING Directory;  // with its trailing "/"
  STRING Pattern;
  std::uint32_t Attributes = 0;
};

FINDDATA* DataOf(void* result) { return static_cast<FINDDATA*>(result); }

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Matches(const char* pattern, const char* name) {
  if (*pattern == 0) return *name == 0;
  if (*pattern == '*') {
    for (const char* rest = name;; ++rest) {
      if (Matches(pattern + 1, rest)) return true;
      if (*rest == 0) return false;
    }
  }
  if (*name == 0) return false;
  if (*pattern != '?' && Folded(*pattern) != Folded(*name)) return false;
  return Matches(pattern + 1, name + 1);
}

// As Windows does, "name.*" also matches a name without an extension, so
// "*.*" matches every name.
bool NameMatches(const STRING& pattern, const char* name) {
  if (Matches(pattern.Buffer, name)) return true;
  int n = pattern.StrLen;
  return n >= 2 && pattern.Buffer[n - 2] == '.' && pattern.Buffer[n - 1] == '*' &&
         Matches(pattern.Left(n - 2).Buffer, name);
}

std::uint32_t AttributesOf(const STRING& path) {
  struct stat link;
  if (lstat(path.Buffer, &link) != 0) return File::AttrNormal;
  std::uint32_t attributes = File::GetAttributes(path.Buffer);
  if (attributes == File::AttrInvalid) attributes = File::AttrNormal;
  if (S_ISLNK(link.st_mode)) attributes |= AttrReparsePoint;
  return attributes;
}

}  // namespace

FINDFILE::FINDFILE(const char* pattern, STRING* name) : hFind(nullptr), pName(name), pResult(nullptr) {
  pResult = new (std::nothrow) FINDDATA;
  ReportAssertion(pResult != nullptr ? 1 : 0, "this->pResult", __FILE__, __LINE__, nullptr, 0);
  if (pResult != nullptr && pattern != nullptr && !FileSystem::CallFails("FindFirstFileA", pattern)) {
    STRING text(pattern);
    int slash = -1;
    for (int i = text.StrLen - 1; i >= 0 && slash < 0; --i)
      if (text.Buffer[i] == '/') slash = i;
    FINDDATA* data = DataOf(pResult);
    data->Directory = slash < 0 ? STRING("./") : text.Left(slash + 1);
    data->Pattern = text.Mid(slash + 1);
    hFind = opendir(data->Directory.Buffer);
    if (hFind == nullptr) Platform::SetLastErrorFromErrno();
  }
  Next();
}

FINDFILE::~FINDFILE() { Close(); }

bool FINDFILE::Next() {
  FINDDATA* data = DataOf(pResult);
  while (hFind != nullptr) {
    dirent* entry = readdir(static_cast<DIR*>(hFind));
    if (entry == nullptr) break;
    if (!NameMatches(data->Pattern, entry->d_name)) continue;
    data->Attributes = AttributesOf(data->Directory || entry->d_name);
    if (pName != nullptr) *pName = STRING(entry->d_name);
    return true;
  }
  Store(false);
  return false;
}

std::uint32_t FINDFILE::Attributes() const { return pResult != nullptr ? DataOf(pResult)->Attributes : 0; }

void FINDFILE::Close() {
  if (hFind != nullptr) closedir(static_cast<DIR*>(hFind));
  hFind = nullptr;
  delete DataOf(pResult);
  pResult = nullptr;
}

void FINDFILE::Store(bool found) {
  if (pName != nullptr && !found) *pName = STRING();
}

}  // namespace OSYS
