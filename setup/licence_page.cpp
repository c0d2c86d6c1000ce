// Step 2, the licence agreement: the text of the library's language
// (LIZENZ.TXT, LICENSEFR.TXT or LICENSE.TXT, else a built-in one), a print
// button, and Next enabled only while the agreement box is ticked. Passed
// over (-1) when the same version is installed again.
#include <windows.h>

#include "foundation/language.h"
#include "foundation/log.h"
#include "resources/langstrings.h"
#include "setup/installpages.h"
#include "setup/installstate.h"
#include "setup/licence_texts.h"
#include "setup/setupcfg.h"
#include "ui/printer.h"

namespace SETUP {

namespace {

constexpr int LANGUAGECODE_GERMAN = 49;
constexpr int LANGUAGECODE_FRENCH = 12;

// The agreement bound to the print button; lives while its page does.
STRING Agreement;

STRING LoadAgreement() {
  int code = StrAtoi(LanguageString(LANGSTR::LanguageCode).Buffer);
  const char* file = code == LANGUAGECODE_GERMAN ? "LIZENZ.TXT" : code == LANGUAGECODE_FRENCH ? "LICENSEFR.TXT" : "LICENSE.TXT";
  STRING text;
  if (!text.Load(file, "r")) {
    LogPrintf("SETUP::LicencePage %s not found: the built-in agreement\n", file);
    text = STRING(code == LANGUAGECODE_GERMAN ? BuiltInAgreementGerman : BuiltInAgreementEnglish);
  }
  text = SETUPCFG::WithProductTitle(text);
  text.Replace("\r\n", "\n");
  text.Replace("\n", "\r\n");
  return text;
}

// Prints the agreement on a printer the user chooses.
STRING PrintAgreement(INT_PTR, HWND page, STRING text) {
  PRINTER printer;
  if (printer.PrintDialog(page, nullptr, nullptr, -1, nullptr, false)) {
    printer.SetFont("Courier New", 12, false, false);
    printer.SetMargins(25, 25, 15, 20);
    printer.StartDoc("ORDER", false);
    printer.NewPage();
    printer.Print(text.Buffer, text.StrLen);
    printer.EndDoc();
  }
  return text;
}

// Next follows the agreement box on every command of the page.
LRESULT FollowAgreementBox(HWND page, UINT message, WPARAM, LPARAM) {
  if (message == WM_COMMAND)
    EnableWindow(FrameButton(GetParent(page), IDC_SETUP_NEXT), IsDlgButtonChecked(page, 241) == BST_CHECKED);
  return 0;
}

}  // namespace

int LicencePage(SETUPDIALOG* frame, DATADIALOG* page) {
  if (StrAtoi(InstallMode.Buffer) == 1) return -1;
  Agreement = LoadAgreement();
  page->AddField(new ACTIONFIELD(101, &Agreement, PrintAgreement, 0));
  HWND text = GetDlgItem(page->Hwnd(), 201);
  SetWindowTextA(text, Agreement.Buffer);
  SendMessageA(text, EM_SETSEL, 0, 1);
  page->MsgHook = FollowAgreementBox;

  HWND next = FrameButton(frame->Hwnd(), IDC_SETUP_NEXT);
  SendMessageA(next, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EnableWindow(next, FALSE);
  InvalidateRect(next, nullptr, TRUE);
  return frame->Run();
}

}  // namespace SETUP
