// The install wizard: its seven steps and their page functions, each in a
// file of its own (welcome, licence, destination, copy, shortcuts,
// advertising, finish). Every page function sets its page up, runs the
// frame's page loop and returns the button that ended it (setup/setupdialog.h).
#pragma once

#include "setup/setupdialog.h"

namespace SETUP {

int WelcomePage(SETUPDIALOG* frame, DATADIALOG* page);
int LicencePage(SETUPDIALOG* frame, DATADIALOG* page);
int DestinationPage(SETUPDIALOG* frame, DATADIALOG* page);
int CopyPage(SETUPDIALOG* frame, DATADIALOG* page);
int ShortcutsPage(SETUPDIALOG* frame, DATADIALOG* page);
int AdvertisingPage(SETUPDIALOG* frame, DATADIALOG* page);
int FinishPage(SETUPDIALOG* frame, DATADIALOG* page);

// The step table; its row 7, the finish page, is the final step.
constexpr int INSTALL_FINAL_STEP = 7;
extern SETUPSTEP InstallSteps[];

// A button of the wizard frame (Back 10780, Next 10781, Cancel IDCANCEL).
HWND FrameButton(HWND frame, int id);

}  // namespace SETUP
