// The install driver: setup.cfg, the hooks, the destination, the seven-step
// wizard, and after it the closing work - the hooks once more, the files of
// DeleteAfterExtract, the final message and the new program group opened
// in the shell.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "foundation/globals.h"
#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/boxes.h"
#include "osys/osys.h"
#include "osys/paths.h"
#include "resources/langstrings.h"
#include "setup/drivers.h"
#include "setup/hooks.h"
#include "setup/installpages.h"
#include "setup/installstate.h"
#include "setup/localise.h"
#include "setup/setupcfg.h"
#include "setup/tesselhook.h"
#include "setup/uninstallrecord_open.h"

namespace SETUP {

namespace {

constexpr int SYSTEMPATH_PROGRAMFILES = 2;
constexpr std::uint32_t UNINSTALLPATH_SIZE = 512;

// A hook library that exports NewSetupHook always wins; without one the
// product TESSEL gets the built-in hook.
void ChooseBuiltInHook() {
  if (StrICmp(SETUPCFG::CfgValue("AppName").Buffer, "TESSEL") == 0 && fpNewSetupHook == NewSetupHookDummy)
    fpNewSetupHook = NewSetupHookTESSEL;
}

// UninstallPath of an earlier installation (at most 512 bytes), or null.
STRING RecordedInstallPath(UNINSTALLRECORDKEY& record) {
  char buffer[UNINSTALLPATH_SIZE + 1] = {};
  std::uint32_t size = UNINSTALLPATH_SIZE;
  if (!record.Read("UninstallPath", buffer, &size)) return STRING();
  buffer[size < UNINSTALLPATH_SIZE ? size : UNINSTALLPATH_SIZE] = 0;
  return STRING(buffer);
}

STRING DefaultDestination(UNINSTALLRECORDKEY& record) {
  STRING recorded = RecordedInstallPath(record);
  if (recorded.Buffer != nullptr && OSYS::IsDirectory(recorded.Buffer)) return recorded;
  return SETUPCFG::ResolveInstallPath(SetupCfg.Value("InstallPath"), OSYS::GetWin32SystemPath(SYSTEMPATH_PROGRAMFILES));
}

void DeleteAfterExtract() {
  DYNARRAY entries = SETUPCFG::ListEntries(SetupCfg.Value("DeleteAfterExtract"));
  for (int i = 0; i < entries.Count(); ++i) {
    STRING file = InstallDir || "\\" || *entries.ItemAt(i);
    std::remove(file.Buffer);
  }
}

void Complete() {
  SETUPCFG::CfgValue("NoFinalPopup");
  if (SETUPCFG::CfgNumber("NoFinalPopup") == 0) {
    STRING caption = LanguageString(LANGSTR::SetupCaption) || " " || SETUPCFG::CfgValue("AppName");
    OSYS::InfoBox(nullptr, caption.Buffer, SETUPCFG::WithProgram(LanguageString(LANGSTR::FinalMessage)).Buffer);
  }
  ShellExecuteA(nullptr, "open", ProgramGroupDir.Buffer, nullptr, ProgramGroupDir.Buffer, SW_SHOW);
}

}  // namespace

int InstallDriver() {
  if (!SETUPCFG::LoadOrSay()) return 0;
  ChooseBuiltInHook();
  if (fpSetupHook != nullptr) fpSetupHook(0, nullptr);
  if (fpNewSetupHook != nullptr) fpNewSetupHook(0, LanguageNumber, nullptr, nullptr, nullptr, reinterpret_cast<INT_PTR>(&SetupCfg));
  LocaliseKeys(SetupCfg, LanguageString(LANGSTR::KeySuffix).Buffer);
  ProductTitle = SETUPCFG::ProductTitle();
  SETUPCFG::CfgValue("Advertise");

  UNINSTALLRECORDKEY record;
  InstallDir = DefaultDestination(record);
  LogPrintf("SETUP::InstallDriver %s into %s\n", ProductTitle.Buffer, InstallDir.Buffer);

  SETUPDIALOG frame(LanguageString(LANGSTR::SetupCaption).Buffer, LanguageString(LANGSTR::SetupCancelQuestion).Buffer, -1);
  SetWindowTextA(frame.Hwnd(), SETUPCFG::FrameCaption(frame.Text()).Buffer);
  frame.Hook = fpNewSetupHook;
  int completed = frame.Run(InstallSteps, INSTALL_FINAL_STEP);
  LogPrintf("SETUP::InstallDriver wizard %s\n", completed ? "completed" : "cancelled");

  if (fpSetupHook != nullptr && completed == 1) fpSetupHook(1, InstallDir.Buffer);
  if (fpNewSetupHook != nullptr) fpNewSetupHook(1, completed, nullptr, nullptr, nullptr, 0);
  DeleteAfterExtract();
  ShowWindow(frame.Hwnd(), SW_HIDE);
  if (completed == 1) Complete();
  frame.Destroy();
  record.Close();
  return 0;
}

}  // namespace SETUP
