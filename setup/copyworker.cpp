#include "setup/copyworker.h"

#include <commctrl.h>

#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/boxes.h"
#include "osys/osys.h"
#include "osys/paths.h"
#include "resources/langstrings.h"
#include "setup/copyprogress.h"
#include "setup/hooks.h"
#include "setup/installedfiles.h"
#include "setup/installstate.h"
#include "setup/setupcfg.h"
#include "setup/setupdialog.h"
#include "setup/uninstallrecord.h"
#include "setup/uninstallrecord_open.h"
#include "unzip/unzipper.h"

namespace SETUP {

namespace {

void SetProgress(HWND progress, int position) {
  if (position < 0) return;
  SendMessageA(progress, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

// Asks question 2988 about member; true to try again.
bool AsksToRetry(const char* member) {
  STRING question = SETUPCFG::WithProgramAndFile(LanguageString(LANGSTR::ExtractRetryQuestion), member);
  return OSYS::YesNoBox(nullptr, LanguageString(LANGSTR::SetupCaption).Buffer, question.Buffer);
}

// Extracts every member of archive into InstallDir; false when the user gave
// up on a member. Only the first archive moves the progress bar.
bool ExtractArchive(const char* archive, bool showsProgress, HWND progress, INSTALLEDFILES& files) {
  UNZIPPER unzipper(archive, SETUPCFG::CfgValue("AskOverwrite").Buffer, SETUPCFG::CfgValue("ProtectedFiles").Buffer);
  std::uint32_t total = UnzipTotal;
  ASSERTION(total > 0, archive);
  char name[kUnzipNameSize];
  std::uint64_t done = unzipper.First(name);
  while (name[0] != 0) {
    while (unzipper.Extract(name, InstallDir.Buffer) == 0) {
      LogPrintf("SETUP::CopyWorker %s: %s failed\n", archive, name);
      if (!AsksToRetry(name)) return false;
    }
    if (showsProgress && total > 0) {
      int position = CopyProgressPosition(done, total);
      SetProgress(progress, position);
      LogPrintf("SETUP::CopyWorker progress %d %s\n", position, name);
    }
    files.AddMember(name);
    done += unzipper.Next(name);
  }
  return true;
}

void CopyFilesToDest(INSTALLEDFILES& files) {
  DYNARRAY entries = SETUPCFG::ListEntries(SetupCfg.Value("CopyToDest"));
  for (int i = 0; i < entries.Count(); ++i) {
    const STRING& entry = *entries.ItemAt(i);
    STRING target = InstallDir || "\\" || entry;
    if (!CopyFileA(entry.Buffer, target.Buffer, FALSE))
      LogPrintf("SETUP::CopyWorker CopyToDest %s: %s\n", entry.Buffer, OSYS::ErrorText(OSYS::ERRORTEXT_LAST).Buffer);
    files.AddCopied(entry.Buffer);
  }
}

void WriteUninstallRecord(const INSTALLEDFILES& files) {
  if (SetupCfg.Value("IniKey").Buffer == nullptr) return;
  UNINSTALLRECORD values = MakeUninstallRecord(SetupCfg, InstallDir, files.Text());
  UNINSTALLRECORDKEY record;
  for (int i = 0; i < values.Count; ++i) record.Write(values.Values[i].Name, values.Values[i].Value.Buffer);
  record.Close();
}

void Abort(const COPYWORK& work) {
  LogPrintf("SETUP::CopyWorker aborted\n");
  EnableWindow(GetDlgItem(work.Frame, IDC_SETUP_BACK), TRUE);
  EnableWindow(GetDlgItem(work.Frame, IDCANCEL), TRUE);
}

}  // namespace

unsigned CopyWorker(void* parameter) {
  const COPYWORK& work = *static_cast<COPYWORK*>(parameter);
  SetDlgItemTextA(work.Page, 201, LanguageString(LANGSTR::CopyStatusCopying).Buffer);
  if (fpNewSetupHook != nullptr)
    fpNewSetupHook(6, 0, work.Frame, work.Progress, nullptr, StrAtoi(InstallMode.Buffer));
  SETUPCFG::CfgValue("AskOverwrite");
  SETUPCFG::CfgValue("ProtectedFiles");

  INSTALLEDFILES files;
  if (!ExtractArchive("setup.fil", true, work.Progress, files)) {
    Abort(work);
    return 0;
  }
  if (OSYS::FileExists("custom.fil") && !ExtractArchive("custom.fil", false, work.Progress, files)) {
    Abort(work);
    return 0;
  }
  CopyFilesToDest(files);
  SetProgress(work.Progress, 100);
  WriteUninstallRecord(files);

  if (fpSetupHook != nullptr) fpSetupHook(7, InstallDir.Buffer);
  if (fpNewSetupHook != nullptr) fpNewSetupHook(7, 0, work.Frame, work.Progress, nullptr, 0);

  HWND next = GetDlgItem(work.Frame, IDC_SETUP_NEXT);
  EnableWindow(next, TRUE);
  bool movesOn = SETUPCFG::CfgNumber("NoCopyComplete") != 0;
  if (!movesOn) {
    SetDlgItemTextA(work.Page, 201, LanguageString(LANGSTR::CopyStatusDone).Buffer);
    SendMessageA(next, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendMessageA(work.Frame, WM_SETUP_FOCUS, IDC_SETUP_NEXT, 0);
  }
  EnableWindow(GetDlgItem(work.Frame, IDCANCEL), TRUE);
  if (movesOn) PostMessageA(work.Frame, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NEXT, BN_CLICKED), reinterpret_cast<LPARAM>(next));
  LogPrintf("SETUP::CopyWorker done, UninstallFiles of %d characters\n", files.Text().StrLen);
  return 0;
}

}  // namespace SETUP
