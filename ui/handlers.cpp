#include "ui/handlers.h"

#include <shellapi.h>
#include <shlobj.h>

#include "osys/paths.h"
#include "ui/window.h"

namespace {

// Selects the start folder when the browser opens and keeps it open when
// the user types a name that is no folder.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM start) {
  if (message == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
  if (message == BFFM_VALIDATEFAILEDA) return 1;
  return 0;
}

}  // namespace

STRING BrowseFolderHandler(INT_PTR user, HWND dialog, STRING value) {
  HRESULT com = CoInitialize(nullptr);
  HWND edit = GetDlgItem(dialog, static_cast<int>(user));
  STRING start = WINDOW(edit).Text();
  STRING title = value.Token(0, "|", TOKEN_NONULL);

  char display[MAX_PATH] = "";
  BROWSEINFOA browse{};
  browse.hwndOwner = dialog;
  browse.pszDisplayName = display;
  browse.lpszTitle = title.Buffer;
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(start.Buffer != nullptr ? start.Buffer : "");
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  if (chosen != nullptr) {
    // SHGetPathFromIDListA writes up to MAX_PATH characters.
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(chosen, path)) {
      int length = lstrlenA(path);
      if (length > 0 && path[length - 1] == '\\') path[length - 1] = 0;
      if (edit != nullptr) SetWindowTextA(edit, path);
    }
    CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return value;
}

STRING OpenDocumentHandler(INT_PTR, HWND dialog, STRING value) {
  STRING directory = OSYS::CurrentDirectory();
  ShellExecuteA(dialog, "open", value.Buffer != nullptr ? value.Buffer : "", nullptr, directory.Buffer, SW_SHOW);
  return value;
}
