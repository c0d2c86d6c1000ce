#include "resources/langstrings.h"
#include "setup/installpages.h"

namespace SETUP {

// Step, header title, header description, page template, module, page.
SETUPSTEP InstallSteps[] = {
    {1, LANGSTR::WelcomeTitle, LANGSTR::WelcomeText, 2001, nullptr, WelcomePage, 0},
    {2, LANGSTR::LicenceTitle, LANGSTR::LicenceText, 2003, nullptr, LicencePage, 0},
    {3, LANGSTR::DestinationTitle, LANGSTR::DestinationText, 2002, nullptr, DestinationPage, 0},
    {4, LANGSTR::CopyTitle, LANGSTR::CopyText, 2004, nullptr, CopyPage, 0},
    {5, LANGSTR::ShortcutsTitle, LANGSTR::ShortcutsText, 2005, nullptr, ShortcutsPage, 0},
    {6, LANGSTR::AdvertTitle, LANGSTR::AdvertText, 2006, nullptr, AdvertisingPage, 0},
    {7, LANGSTR::FinishTitle, LANGSTR::FinishText, 2009, nullptr, FinishPage, 0},
    // The frame never reads past the final row; an empty row ends the table.
    {0, 0, 0, 0, nullptr, nullptr, 0},
};

HWND FrameButton(HWND frame, int id) { return GetDlgItem(frame, id); }

}  // namespace SETUP
