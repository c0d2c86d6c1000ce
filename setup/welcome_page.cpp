// Step 1, the welcome page: the product title and welcome message in the
// header, the warning of setup.cfg, and the kind of installation, which
// follows from the version the uninstall record names (InstallMode).
#include <windows.h>

#include "foundation/globals.h"
#include "osys/boxes.h"
#include "setup/installpages.h"
#include "setup/installstate.h"
#include "setup/setupcfg.h"
#include "setup/uninstallrecord_open.h"

namespace SETUP {

namespace {

void ShowHeaderIcon(HWND frame, const STRING& idIcon) {
  if (idIcon.Buffer == nullptr || idIcon.StrLen == 0) return;
  HICON icon = LoadIconA(static_cast<HINSTANCE>(ProgramInstance), MAKEINTRESOURCEA(StrAtoi(idIcon.Buffer)));
  if (icon != nullptr) SendDlgItemMessageA(frame, IDC_SETUP_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

// Only the first line of the welcome message is shown.
STRING FirstLine(const STRING& message) {
  STRING text = message.Buffer != nullptr ? message : STRING("");
  text.Replace("\r", "\n");
  int end = text.Pos("\n");
  return end >= 0 ? text.Left(end) : text;
}

}  // namespace

int WelcomePage(SETUPDIALOG* frame, DATADIALOG* page) {
  HWND frameWindow = frame->Hwnd();
  STRING warning = SetupCfg.Value("WelcomeWarning");
  STRING message = SetupCfg.Value("WelcomeMsg");
  STRING version = SetupCfg.Value("AppVersion");
  ShowHeaderIcon(frameWindow, SetupCfg.Value("IdIcon"));

  UNINSTALLRECORDKEY record;
  STRING installedPath = record.ReadString("UninstallPath");
  STRING installedVersion = record.ReadString("DisplayVersion");
  record.Close();

  // The installed version compared with this one as texts: 1.10 is below 1.9.
  bool sameAllowed = true, updateAllowed = true;
  bool installed = installedPath.Buffer != nullptr;
  if (installed) {
    int order = StrICmp(installedVersion.Buffer, version.Buffer);
    if (order < 0) {
      InstallMode = STRING("2");
      sameAllowed = false;
    } else if (order == 0) {
      InstallMode = STRING("1");
      updateAllowed = false;
    }
  }

  if (warning.Buffer != nullptr && warning.StrLen > 0)
    OSYS::InfoBox(page->Hwnd(), SETUPCFG::CfgValue("AppName").Buffer, warning.Buffer);

  STRING title = WINDOW(GetDlgItem(frameWindow, IDC_SETUP_TITLE)).Text() || ProductTitle;
  SetDlgItemTextA(frameWindow, IDC_SETUP_TITLE, title.Buffer);
  SetDlgItemTextA(frameWindow, IDC_SETUP_TEXT, FirstLine(message).Buffer);

  page->AddField(new RADIOFIELD(221, &InstallMode, 0));
  page->AddField(new RADIOFIELD(222, &InstallMode, 1));
  page->AddField(new RADIOFIELD(223, &InstallMode, 2));
  EnableWindow(GetDlgItem(page->Hwnd(), 222), installed && sameAllowed);
  EnableWindow(GetDlgItem(page->Hwnd(), 223), installed && updateAllowed);
  EnableWindow(FrameButton(frameWindow, IDC_SETUP_NEXT), TRUE);
  return frame->Run();
}

}  // namespace SETUP
