// A three-step wizard on the frame for the robot scripts of
// wizard_robot_test.sh: a text page whose empty edit keeps Next disabled, a
// page of two radio choices, and a final text page. It prints the hook's
// code 4 and 5 calls, the wizard's result and the bound values.
//
//   setup_wizarddemo.exe            the test pages and texts of this program
//   setup_wizarddemo.exe LIBRARY    a language library's frame, test page 9900
//                                   and texts (the screenshots of the frame)
#include <cstdio>

#include "foundation/globals.h"
#include "foundation/language.h"
#include "resources/langstrings.h"
#include "setup/setupdialog.h"
#include "tests/setup/testpages.h"

namespace {

STRING Name("");
STRING Choice("1");
STRING Remark("");

int NamePage(SETUPDIALOG* frame, DATADIALOG* page) {
  page->AddField(new TEXTFIELD(IDC_PAGE_EDIT, &Name, 40));
  page->AddRule(frame->hWnd, IDC_SETUP_NEXT, page->hWnd, IDC_PAGE_EDIT, RULE_UNSET, "");
  return frame->Run();
}

int ChoicePage(SETUPDIALOG* frame, DATADIALOG* page) {
  page->AddField(new RADIOFIELD(IDC_PAGE_RADIO1, &Choice, 1));
  page->AddField(new RADIOFIELD(IDC_PAGE_RADIO2, &Choice, 2));
  return frame->Run();
}

int RemarkPage(SETUPDIALOG* frame, DATADIALOG* page) {
  page->AddField(new TEXTFIELD(IDC_PAGE_EDIT, &Remark, 40));
  return frame->Run();
}

int PrintingHook(int code, int value, HWND, HWND, SETUP::HOOKPAGEFUNCTION, INT_PTR data) {
  std::printf("hook %d step %d data %d\n", code, value, static_cast<int>(data));
  std::fflush(stdout);
  return 1;
}

}  // namespace

constexpr int LibraryTestPage = 9900;

int main(int argc, char** argv) {
  bool library = argc > 1;
  ResourceModule = library ? LoadLibraryA(argv[1]) : GetModuleHandleA(nullptr);
  if (ResourceModule == nullptr) {
    std::printf("no library %s\n", argv[1]);
    return 1;
  }
  SETUPSTEP own[] = {
      {1, STR_TITLE_1, STR_TEXT_1, PAGE_TEXT, nullptr, NamePage, 11},
      {2, STR_TITLE_2, STR_TEXT_2, PAGE_RADIO, nullptr, ChoicePage, 12},
      {3, STR_TITLE_3, STR_TEXT_3, PAGE_TEXT, nullptr, RemarkPage, 13},
      {0, 0, 0, 0, nullptr, nullptr, 0},
  };
  SETUPSTEP languages[] = {
      {1, LANGSTR::DestinationTitle, LANGSTR::DestinationText, LibraryTestPage, nullptr, NamePage, 11},
      {2, LANGSTR::LicenceTitle, LANGSTR::LicenceText, LibraryTestPage, nullptr, RemarkPage, 12},
      {3, LANGSTR::CopyTitle, LANGSTR::CopyText, LibraryTestPage, nullptr, RemarkPage, 13},
      {0, 0, 0, 0, nullptr, nullptr, 0},
  };
  SETUPSTEP* steps = library ? languages : own;
  STRING caption = library ? LanguageString(LANGSTR::SetupCaption) : STRING("Test Setup");
  STRING question = library ? LanguageString(LANGSTR::SetupCancelQuestion) : STRING("Continue the test installation?");
  int result;
  {
    SETUPDIALOG frame(caption.Buffer, question.Buffer, -1);
    frame.Hook = PrintingHook;
    result = frame.Run(steps, 3);
  }
  std::printf("result %d name=%s choice=%s remark=%s\n", result, Name.Buffer, Choice.Buffer, Remark.Buffer);
  return 0;
}
