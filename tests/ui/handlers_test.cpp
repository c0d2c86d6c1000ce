// The two action handlers of the data dialogs over the real shell: the
// folder browser (driven by a second thread) and the open-document handler.
#include <gtest/gtest.h>

#include "tests/foundation/support.h"
#include "tests/ui/support.h"
#include "tests/ui/testdialogs.h"
#include "ui/control.h"
#include "ui/datadialog.h"
#include "ui/handlers.h"

using namespace uitest;

namespace {

struct SEARCH {
  HWND Except;
  HWND Found;
};

// The folder browser of the dialog's thread, once it is visible.
HWND BrowserOf(HWND owner) {
  SEARCH search{owner, nullptr};
  DWORD thread = GetWindowThreadProcessId(owner, nullptr);
  WaitFor([&] {
    EnumThreadWindows(thread, [](HWND w, LPARAM p) -> BOOL {
      auto* s = reinterpret_cast<SEARCH*>(p);
      if (w != s->Except && IsWindowVisible(w) && HasClass(w, "#32770")) s->Found = w;
      return s->Found == nullptr;
    }, reinterpret_cast<LPARAM>(&search));
    return search.Found != nullptr;
  });
  return search.Found;
}

std::string EditText(HWND dialog) { return WINDOW(GetDlgItem(dialog, IDC_PATH)).Text().Buffer; }

}  // namespace

TEST(FolderBrowse, TheChosenFolderReplacesTheEditTextWithoutItsTrailingBackslash) {
  struct CASE {
    std::string start;
    std::string chosen;
  } cases[] = {
      {"C:\\", "C:"},          // a drive root loses its backslash
      {"C:\\windows", "C:\\windows"},  // the start folder is preselected
  };
  for (const CASE& c : cases) {
    DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
    ShowWindow(dialog.hWnd, SW_SHOW);
    SetDlgItemTextA(dialog.hWnd, IDC_PATH, c.start.c_str());
    std::string title;
    STRING result;
    {
      DRIVER driver(dialog.hWnd, [&] {
        HWND browser = BrowserOf(dialog.hWnd);
        ASSERT_NE(browser, nullptr) << "no folder browser";
        char text[256] = "";
        // The title is shown in the browser's static text.
        EnumChildWindows(browser, [](HWND child, LPARAM out) -> BOOL {
          char t[256] = "";
          GetWindowTextA(child, t, sizeof t);
          if (lstrcmpA(t, "Choose the folder") == 0) lstrcpyA(reinterpret_cast<char*>(out), t);
          return TRUE;
        }, reinterpret_cast<LPARAM>(text));
        title = text;
        Sleep(200);
        SendMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(browser, IDOK)));
      });
      result = BrowseFolderHandler(IDC_PATH, dialog.hWnd, STRING("Choose the folder|second part"));
    }
    EXPECT_EQ(std::string(result.Buffer), "Choose the folder|second part") << "the value is returned unchanged";
    EXPECT_EQ(title, "Choose the folder") << "only the part before the first |";
    EXPECT_STREQ(EditText(dialog.hWnd).c_str(), c.chosen.c_str());
  }
}

TEST(FolderBrowse, CancellingTheBrowserLeavesTheEditAlone) {
  DATADIALOG dialog(DLG_CONTROLS, nullptr, TestModule());
  ShowWindow(dialog.hWnd, SW_SHOW);
  SetDlgItemTextA(dialog.hWnd, IDC_PATH, "C:\\windows");
  {
    DRIVER driver(dialog.hWnd, [&] {
      HWND browser = BrowserOf(dialog.hWnd);
      ASSERT_NE(browser, nullptr);
      SendMessageA(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(browser, IDCANCEL)));
    });
    BrowseFolderHandler(IDC_PATH, dialog.hWnd, STRING("Title"));
  }
  EXPECT_EQ(EditText(dialog.hWnd), "C:\\windows");
}

TEST(OpenDocument, TheDocumentIsOpenedInTheCurrentDirectory) {
  std::string dir = testsupport::ScratchDirectory("open");
  std::string script = testsupport::PathIn(dir, "opened.bat");
  testsupport::WriteFile(script, "@echo opened> marker.txt\r\n");
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(dir.c_str());
  STRING result = OpenDocumentHandler(0, nullptr, STRING("opened.bat"));
  std::string marker = testsupport::PathIn(dir, "marker.txt");
  bool written = WaitFor([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; });
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(std::string(result.Buffer), "opened.bat");
  EXPECT_TRUE(written) << "the document ran in the current directory";
}
