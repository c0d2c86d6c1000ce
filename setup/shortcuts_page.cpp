// Step 5, the shortcuts page: where the program group goes and whether the
// main program gets a desktop icon; with Next the shortcuts are made
// (setup/shortcutfiles.h) and the names of those saved are added to the
// uninstall record as UninstallStartmenu, UninstallStartmenuFiles and
// UninstallDesktopFiles. Back or Cancel make nothing.
#include <windows.h>
#include <objbase.h>

#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/osys.h"
#include "osys/paths.h"
#include "resources/langstrings.h"
#include "setup/installpages.h"
#include "setup/installstate.h"
#include "setup/setupcfg.h"
#include "setup/shortcutfiles.h"
#include "setup/shortcutlist.h"
#include "setup/uninstallrecord_open.h"

namespace SETUP {

namespace {

constexpr int SYSTEMPATH_PROGRAMS = 0;
constexpr int SYSTEMPATH_DESKTOP = 8;
constexpr int SYSTEMPATH_COMMON_PROGRAMS = 10;

STRING WithoutTrailingBackslash(STRING path) {
  if (path.StrLen > 0 && path.Buffer[path.StrLen - 1] == '\\') path.CutRight(1);
  return path;
}

// The names of the shortcuts saved in the program group and on the desktop,
// each followed by "|".
struct SAVEDNAMES {
  STRING Group{""};
  STRING Desktop{""};
};

void MakeShortcut(const STRING& entry, bool groupWanted, SAVEDNAMES& saved) {
  SETUPCFG::SHORTCUTENTRY s = SETUPCFG::ParseShortcut(entry);
  STRING folder = ProgramGroupDir;
  if (s.IsInternet) {
    STRING file;
    file.Format("%s\\%s.URL", folder.Buffer, s.Name.Buffer);
    if (MakeInternetShortcut(file.Buffer, s.Target.Buffer, groupWanted) == SHORTCUTRESULT::Saved)
      saved.Group.Append(s.Name || "|");
    return;
  }
  if (s.IsDesktop) folder = WithoutTrailingBackslash(OSYS::GetWin32SystemPath(SYSTEMPATH_DESKTOP));
  STRING path = InstallDir || "\\" || s.Target;
  STRING icon = InstallDir || "\\" || s.IconFile;
  SHELLLINKFILE link{s.Name.Buffer, path.Buffer, s.Arguments.Buffer, InstallDir.Buffer,
                     s.HasIcon ? icon.Buffer : nullptr, s.IconIndex};
  STRING file;
  file.Format("%s\\%s.LNK", folder.Buffer, s.Name.Buffer);
  bool save = s.IsDesktop || groupWanted;
  if (MakeShellLink(file.Buffer, link, save) == SHORTCUTRESULT::Saved)
    (s.IsDesktop ? saved.Desktop : saved.Group).Append(s.Name || "|");
}

void RecordShortcuts(const SAVEDNAMES& saved) {
  if (SetupCfg.Value("IniKey").Buffer == nullptr) return;
  STRING group = RecordedNames(saved.Group);
  STRING desktop = RecordedNames(saved.Desktop);
  UNINSTALLRECORDKEY record;
  if (group.StrLen > 0) {
    record.Write("UninstallStartmenu", ProgramGroupDir.Buffer);
    record.Write("UninstallStartmenuFiles", group.Buffer);
  }
  if (desktop.StrLen > 0) record.Write("UninstallDesktopFiles", desktop.Buffer);
  record.Close();
}

}  // namespace

int ShortcutsPage(SETUPDIALOG* frame, DATADIALOG* page) {
  HWND p = page->Hwnd();
  STRING opts = SetupCfg.Value("StartmenuOpts");
  STRING desktopEntry = DesktopEntry(opts);
  int desktopValue = desktopEntry.Buffer != nullptr ? SETUPCFG::CfgNumber("DesktopIcon") : 0;
  SETUPCFG::CfgValue("DesktopIcon");

  STRING allUsers = WithoutTrailingBackslash(OSYS::GetWin32SystemPath(SYSTEMPATH_COMMON_PROGRAMS));
  STRING own = WithoutTrailingBackslash(OSYS::GetWin32SystemPath(SYSTEMPATH_PROGRAMS));
  bool sameVersion = InstallMode == "1";
  int first = sameVersion ? 223 : 221;
  CheckRadioButton(p, 221, 223, first);
  SetFocus(GetDlgItem(p, first));

  HWND desktopBox = GetDlgItem(p, 241);
  ShowWindow(desktopBox, desktopValue != 0 ? SW_SHOW : SW_HIDE);
  CheckDlgButton(p, 241, desktopValue >= 2 && !sameVersion ? BST_CHECKED : BST_UNCHECKED);
  if (allUsers.Buffer == nullptr || allUsers.StrLen == 0 || !OSYS::IsDirectory(allUsers.Buffer)) {
    EnableWindow(GetDlgItem(p, 222), FALSE);
    allUsers = own;
  }

  int result = frame->Run();
  if (result != IDC_SETUP_NEXT) return result;

  bool groupWanted = IsDlgButtonChecked(p, 223) != BST_CHECKED;
  bool desktopWanted = IsDlgButtonChecked(p, 241) == BST_CHECKED;
  CoInitialize(nullptr);
  bool ownFolder = IsDlgButtonChecked(p, 221) == BST_CHECKED || IsDlgButtonChecked(p, 222) != BST_CHECKED;
  ProgramGroupDir = OSYS::JoinPath((ownFolder ? own : allUsers).Buffer, SetupCfg.Value("StartmenuName").Buffer);
  SETUPCFG::CfgValue("StartmenuUninstall");

  STRING work("");
  if (groupWanted) {
    CreateDirectoryA(ProgramGroupDir.Buffer, nullptr);
    if (opts.Buffer != nullptr) work = opts;
    if (SETUPCFG::CfgNumber("StartmenuUninstall") != 0)
      AppendEntry(work, UninstallEntry(LanguageString(LANGSTR::UninstallShortcutName),
                                       SETUPCFG::CfgValue("AppName").Buffer, SetupCfg.Value("IniKey").Buffer));
  }
  if (desktopWanted && desktopEntry.Buffer != nullptr) AppendEntry(work, desktopEntry);

  SAVEDNAMES saved;
  DYNARRAY entries = SETUPCFG::ListEntries(work);
  for (int i = 0; i < entries.Count(); ++i) MakeShortcut(*entries.ItemAt(i), groupWanted, saved);
  CoUninitialize();
  RecordShortcuts(saved);
  LogPrintf("SETUP::ShortcutsPage group %s: %s desktop: %s\n", ProgramGroupDir.Buffer, saved.Group.Buffer,
            saved.Desktop.Buffer);
  return result;
}

}  // namespace SETUP
