// The copy worker: the thread that puts the product's files into InstallDir
// while the copy page's loop runs, and writes the uninstall record.
//
// What it does, in order (the page's Back, Next and Cancel are disabled
// while it runs; it talks to the frame only through the controls and
// window messages):
//
//   1. status text 2909; NewSetupHook(6, 0, frame, progress, 0, InstallMode)
//   2. setup.fil, then custom.fil when it exists: list the archive, extract
//      every member in archive order. A member that fails asks question 2988
//      (Yes/No, no owner) until it is extracted (Yes) or the user gives up
//      (No, the abort below). Every member goes into the installed-files
//      list, also one kept because it was protected or not to be
//      overwritten. Only setup.fil moves the progress bar, by the share of
//      its uncompressed total that is done.
//   3. CopyToDest: each file copied from the current directory into
//      InstallDir, replacing one there (a failure is ignored), and listed.
//   4. progress 100; the uninstall record of IniKey (when set), its values
//      in the order of setup/uninstallrecord.h
//   5. SetupHook(7, InstallDir), NewSetupHook(7, 0, frame, progress, 0, 0)
//   6. Next enabled. NoCopyComplete 0: status 2911, Next the default
//      button with the focus, and Cancel enabled; the user moves on. Not 0:
//      Cancel enabled and a click on Next posted, so the wizard moves on.
//
// Abort (No to question 2988): nothing more is extracted or copied, no
// record is written and no code-7 hook is called. Back and then Cancel are
// enabled, Next stays disabled: the user goes back to the destination page
// and copies again, or cancels the installation.
#pragma once

#include <windows.h>

namespace SETUP {

struct COPYWORK {
  HWND Frame;
  HWND Progress;
  HWND Page;
};

// The thread body: parameter is a COPYWORK that outlives the thread.
unsigned CopyWorker(void* parameter);

}  // namespace SETUP
