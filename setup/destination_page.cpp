// Step 3, the destination folder: typed (at most 64 characters) or chosen
// with the folder browser; fixed when a version is installed already. The
// folder is kept without a trailing "\", so a drive root "C:\" becomes "C:".
#include <windows.h>

#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/installpages.h"
#include "setup/installstate.h"
#include "ui/handlers.h"

namespace SETUP {

namespace {

constexpr int DESTINATION_MAXLENGTH = 64;
STRING BrowseTitle;

}  // namespace

int DestinationPage(SETUPDIALOG* frame, DATADIALOG* page) {
  BrowseTitle = LanguageString(LANGSTR::DestinationTitle) || "|*";
  page->AddField(new TEXTFIELD(201, &InstallDir, DESTINATION_MAXLENGTH));
  page->AddField(new ACTIONFIELD(101, &BrowseTitle, BrowseFolderHandler, 201));
  if (StrAtoi(InstallMode.Buffer) > 0) {
    EnableWindow(GetDlgItem(page->Hwnd(), 201), FALSE);
    EnableWindow(GetDlgItem(page->Hwnd(), 101), FALSE);
  }
  int result = frame->Run();
  if (InstallDir.StrLen > 0 && InstallDir.Buffer[InstallDir.StrLen - 1] == '\\') InstallDir.CutRight(1);
  return result;
}

}  // namespace SETUP
