// OSYS::GetWin32SystemPath over the registry of the Wine test machine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "osys/osys.h"
#include "tests/foundation/support.h"

namespace {

constexpr const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Expanded(const char* text) {
  char buffer[4096];
  DWORD n = ExpandEnvironmentStringsA(text, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : std::string();
}

// Sets a Shell Folders value for the test and puts the old one back.
class FolderValue {
 public:
  FolderValue(const char* name, const char* value) : Name(name) {
    RegOpenKeyExA(HKEY_CURRENT_USER, ShellFolders, 0, KEY_READ | KEY_WRITE, &Key);
    DWORD size = sizeof Old;
    Had = RegQueryValueExA(Key, Name, nullptr, &Type, reinterpret_cast<BYTE*>(Old), &size) == ERROR_SUCCESS;
    RegSetValueExA(Key, Name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(strlen(value) + 1));
  }
  ~FolderValue() {
    if (Had)
      RegSetValueExA(Key, Name, 0, Type, reinterpret_cast<const BYTE*>(Old), static_cast<DWORD>(strlen(Old) + 1));
    else
      RegDeleteValueA(Key, Name);
    RegCloseKey(Key);
  }

 private:
  const char* Name;
  HKEY Key = nullptr;
  DWORD Type = REG_SZ;
  char Old[4096] = {};
  bool Had = false;
};

TEST(SystemPath, FoldersAreExpandedWithATrailingBackslash) {
  FolderValue pictures("My Pictures", "%USERPROFILE%\\Pictures");
  STRING path = OSYS::GetWin32SystemPath(7);
  ASSERT_NE(path.Buffer, nullptr);
  EXPECT_EQ(std::string(path.Buffer), Expanded("%USERPROFILE%") + "\\Pictures\\");
  for (int number : {0, 1, 2, 5, 6, 8, 10, 11}) {
    STRING folder = OSYS::GetWin32SystemPath(number);
    ASSERT_NE(folder.Buffer, nullptr) << number;
    EXPECT_EQ(folder.Buffer[folder.StrLen - 1], '\\') << number;
    EXPECT_EQ(folder.Pos("\\\\"), -1) << "one backslash at the end: " << folder.Buffer;
  }
}

TEST(SystemPath, AnUnsupportedNumberIsReported) {
  testsupport::ReportCapture capture;
  STRING path = OSYS::GetWin32SystemPath(3);
  EXPECT_EQ(path.Buffer, nullptr);
  ASSERT_EQ(capture.Conditions(), (std::vector<std::string>{"FALSE", "rc==ERROR_SUCCESS"}));
  EXPECT_TRUE(capture.Reports()[0].ShowsBox);
  EXPECT_FALSE(capture.Reports()[1].ShowsBox) << "folder failures are quiet";
  EXPECT_EQ(capture.Reports()[1].Info, "GetWin32SystemPath 3");
}

}  // namespace
