// OSYS::FileDialog over GetSaveFileNameA and GetOpenFileNameA.
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <memory>
#include <new>

#include "osys/filedialog.h"
#include "osys/osys.h"
#include "osys/paths.h"

namespace OSYS {

namespace {

// The file-name buffer: one chosen path, or a multiple selection.
constexpr int SingleBufferSize = 128;
constexpr int MultipleBufferSize = 16384;

// Where the dialog starts: the directory, and the name it proposes.
struct START {
  STRING Directory;
  STRING Name;
};

START StartOf(const char* initialPath) {
  STRING path(initialPath != nullptr ? initialPath : "");
  if (path.StrLen > 0 && IsDirectory(path.Buffer)) return START{path, STRING("")};
  int at = -1;
  for (int i = path.StrLen - 1; i >= 0 && at < 0; --i)
    if (path.Buffer[i] == '\\') at = i;
  if (at < 0) return START{STRING("."), path};
  return START{path.Left(at), path.Mid(at + 1)};
}

}  // namespace

STRING FileDialog(void* owner, const char* title, const char* initialPath, int mode, DYNARRAY* list, int* count,
                  const char* filter) {
  if (count != nullptr) *count = 0;
  STRING defaultExtension;
  STRING platformFilter = FileDialogText::PlatformFilter(filter, &defaultExtension);
  START start = StartOf(initialPath);

  const int size = list != nullptr ? MultipleBufferSize : SingleBufferSize;
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[size]());
  if (buffer == nullptr) return STRING();
  // A proposed name that does not fit is left out rather than cut.
  if (start.Name.StrLen < size) std::memcpy(buffer.get(), start.Name.Buffer, static_cast<size_t>(start.Name.StrLen));

  OPENFILENAMEA dialog{};
  dialog.lStructSize = GetVersion() == 2 ? sizeof(OPENFILENAMEA) : OPENFILENAME_SIZE_VERSION_400A;
  dialog.hwndOwner = static_cast<HWND>(owner);
  dialog.lpstrFilter = platformFilter.StrLen > 0 ? platformFilter.Buffer : nullptr;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.get();
  dialog.nMaxFile = static_cast<DWORD>(size);
  dialog.lpstrInitialDir = start.Directory.Buffer;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = defaultExtension.StrLen > 0 ? defaultExtension.Buffer : nullptr;
  dialog.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (list != nullptr) dialog.Flags |= OFN_ALLOWMULTISELECT;

  BOOL chosen = mode == 0 ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
  if (!chosen) return STRING();
  if (list == nullptr) {
    buffer[size - 1] = 0;
    return FileDialogText::WithoutTrailingDot(buffer.get());
  }
  int first = list->Count();
  int n = FileDialogText::SplitSelection(buffer.get(), size, list);
  if (count != nullptr) *count = n;
  return n > 0 ? STRING(*list->ItemAt(first)) : STRING();
}

STRING SaveFileDialog(void* owner, const char* title, const char* initialPath, const char* filter) {
  return FileDialog(owner, title, initialPath, 0, nullptr, nullptr, filter);
}

}  // namespace OSYS
