// FINDFILE over FindFirstFileA / FindNextFileA.
#include <windows.h>

#include <new>

#include "foundation/log.h"
#include "osys/filesystem.h"
#include "osys/tree.h"

namespace OSYS {

namespace {

WIN32_FIND_DATAA* DataOf(void* result) { return static_cast<WIN32_FIND_DATAA*>(result); }

}  // namespace

FINDFILE::FINDFILE(const char* pattern, STRING* name) : hFind(nullptr), pName(name), pResult(nullptr) {
  pResult = new (std::nothrow) WIN32_FIND_DATAA;
  ReportAssertion(pResult != nullptr ? 1 : 0, "this->pResult", __FILE__, __LINE__, nullptr, 0);
  bool found = false;
  if (pResult != nullptr && pattern != nullptr && !FileSystem::CallFails("FindFirstFileA", pattern)) {
    HANDLE h = ::FindFirstFileA(pattern, DataOf(pResult));
    found = h != INVALID_HANDLE_VALUE;
    if (found) hFind = h;
  }
  Store(found);
}

FINDFILE::~FINDFILE() { Close(); }

bool FINDFILE::Next() {
  bool found = hFind != nullptr && ::FindNextFileA(hFind, DataOf(pResult));
  Store(found);
  return found;
}

std::uint32_t FINDFILE::Attributes() const {
  return pResult != nullptr ? DataOf(pResult)->dwFileAttributes : 0;
}

void FINDFILE::Close() {
  if (hFind != nullptr) ::FindClose(hFind);
  hFind = nullptr;
  delete DataOf(pResult);
  pResult = nullptr;
}

void FINDFILE::Store(bool found) {
  if (pName == nullptr) return;
  *pName = found ? STRING(DataOf(pResult)->cFileName) : STRING();
}

}  // namespace OSYS
