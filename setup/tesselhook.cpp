#include "setup/tesselhook.h"

#include <cstdint>

#include "foundation/language.h"
#include "foundation/log.h"
#include "osys/boxes.h"
#include "osys/paths.h"
#include "osys/registry.h"
#include "osys/tree.h"
#include "ui/window.h"
#include "resources/langstrings.h"

namespace SETUP {

namespace {

// The run's state: the earlier installation's home folder (empty when there
// is none), the destination as typed, and whether the user agreed to carry
// the settings over.
STRING OldHome("");
STRING NewHome("");
bool Migrate = false;

constexpr int DESTINATION_STEP = 3;

void ReadOldHome() {
  REGISTRY key("TESSEL4", "Software\\Korvex\\", REGISTRY::CurrentUser);
  STRING home = key.ReadString("HomePath");
  OldHome = home.Buffer != nullptr ? home : STRING("");
  key.Close();
}

// The destination page has just been left: decide about the carry-over.
void DestinationLeft(HWND page) {
  STRING text = WINDOW(GetDlgItem(page, 201)).Text();
  if (text.Buffer == nullptr || text.StrLen == 0) return;
  NewHome = text;
  if (OSYS::FileExists(OSYS::JoinPath(NewHome.Buffer, "tessel.exe").Buffer) ||
      OSYS::FileExists(OSYS::JoinPath(NewHome.Buffer, "phonebk").Buffer)) {
    Migrate = false;  // the product is there already
  } else if (OldHome.StrLen > 0 && OSYS::IsDirectory(OldHome.Buffer) && !(OldHome == NewHome)) {
    STRING question;
    question.Format(LanguageString(LANGSTR::MigrateQuestion).Buffer, OldHome.Buffer);
    Migrate = OSYS::YesNoBox(GetParent(page), LanguageString(LANGSTR::SetupCaption).Buffer, question.Buffer);
  }
}

void CopyOver(const char* folder) {
  OSYS::CopyTree(OSYS::JoinPath(OldHome.Buffer, folder).Buffer, OSYS::JoinPath(NewHome.Buffer, folder).Buffer, "*.*",
                 true, false);
}

// The end of the copy: the carry-over, then the REXX option in every case.
void CopyEnded() {
  if (Migrate) {
    CopyOver("OPTIONS");
    CopyOver("SCRIPT");
    CopyFileA(OSYS::JoinPath(OldHome.Buffer, "PHONEBK").Buffer, OSYS::JoinPath(NewHome.Buffer, "PHONEBK").Buffer, FALSE);
  }
  HKEY rexx = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Enterprise Alternatives\\REXX\\ExecOptions", &rexx) == ERROR_SUCCESS) {
    DWORD zero = 0;
    RegSetValueExA(rexx, "GlobalSCBs", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    RegCloseKey(rexx);
  }
}

}  // namespace

int NewSetupHookTESSEL(int code, int value, HWND, HWND page, HOOKPAGEFUNCTION, INT_PTR data) {
  LogPrintf("SETUP::NewSetupHookTESSEL %d %d %08x\n", code, value,
            static_cast<unsigned>(static_cast<std::uintptr_t>(data)));
  if (code == 0) ReadOldHome();
  else if (code == 5 && value == DESTINATION_STEP) DestinationLeft(page);
  else if (code == 7) CopyEnded();
  return 1;
}

}  // namespace SETUP
