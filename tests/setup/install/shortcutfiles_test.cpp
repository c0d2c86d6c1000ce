// Shortcut files made through the shell's objects under Wine: an internet
// shortcut's INI text, a shell link read back through the shell link
// itself, and nothing written when the caller does not want it saved.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "setup/shortcutfiles.h"
#include "tests/foundation/support.h"

namespace {

class ShortcutFiles : public testsupport::ScratchTest {
 protected:
  void SetUp() override {
    ScratchTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(ShortcutFiles, InternetShortcutHoldsTheAddress) {
  std::string file = In("Quillpad on the Web.URL");
  EXPECT_EQ(MakeInternetShortcut(file.c_str(), "https://www.korvex.example/quillpad/", true), SHORTCUTRESULT::Saved);
  std::string text = testsupport::ReadFile(file);
  EXPECT_NE(text.find("[InternetShortcut]"), std::string::npos) << text;
  EXPECT_NE(text.find("URL=https://www.korvex.example/quillpad/"), std::string::npos) << text;
}

TEST_F(ShortcutFiles, ShellLinkKeepsTargetArgumentsFolderAndIcon) {
  std::string file = In("Uninstall Quillpad.LNK");
  SHELLLINKFILE link{"Uninstall Quillpad", "C:\\Program Files\\Quillpad\\setup.exe", "-remove Quillpad2",
                     "C:\\Program Files\\Quillpad", "C:\\Program Files\\Quillpad\\setup.exe", 1};
  ASSERT_EQ(MakeShellLink(file.c_str(), link, true), SHORTCUTRESULT::Saved);

  IShellLinkA* back = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         reinterpret_cast<void**>(&back))));
  IPersistFile* persist = nullptr;
  ASSERT_TRUE(SUCCEEDED(back->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))));
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
  ASSERT_TRUE(SUCCEEDED(persist->Load(wide, STGM_READ)));
  char text[MAX_PATH];
  int index = -1;
  back->GetArguments(text, MAX_PATH);
  EXPECT_STREQ(text, "-remove Quillpad2");
  back->GetWorkingDirectory(text, MAX_PATH);
  EXPECT_STREQ(text, "C:\\Program Files\\Quillpad");
  back->GetIconLocation(text, MAX_PATH, &index);
  EXPECT_STREQ(text, "C:\\Program Files\\Quillpad\\setup.exe");
  EXPECT_EQ(index, 1);
  back->GetDescription(text, MAX_PATH);
  EXPECT_STREQ(text, "Uninstall Quillpad");
  persist->Release();
  back->Release();
}

TEST_F(ShortcutFiles, NothingIsWrittenWhenNotToBeSaved) {
  std::string lnk = In("Read Me.LNK"), url = In("Web.URL");
  SHELLLINKFILE link{"Read Me", "C:\\Q\\readme.txt", "", "C:\\Q", nullptr, 0};
  EXPECT_EQ(MakeShellLink(lnk.c_str(), link, false), SHORTCUTRESULT::NotSaved);
  EXPECT_EQ(MakeInternetShortcut(url.c_str(), "http://www.korvex.example/", false), SHORTCUTRESULT::NotSaved);
  EXPECT_EQ(GetFileAttributesA(lnk.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(url.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
