// Checks on the Wine test machine itself: every Windows test relies on a
// display, a temporary folder and the shell folders of a fresh prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string Env(const char* name) {
  char buf[MAX_PATH];
  DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}

TEST(WineMachine, HasADisplayThatShowsWindows) {
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 640);
  HWND w = CreateWindowExA(0, "STATIC", "machine check", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                           10, 10, 200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr) << "no window: GetLastError " << GetLastError();
  EXPECT_TRUE(IsWindowVisible(w));
  DestroyWindow(w);
}

TEST(WineMachine, HasATemporaryFolder) {
  std::string temp = Env("TEMP");
  ASSERT_FALSE(temp.empty());
  DWORD attr = GetFileAttributesA(temp.c_str());
  ASSERT_NE(attr, INVALID_FILE_ATTRIBUTES) << temp;
  EXPECT_TRUE(attr & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(WineMachine, HasTheShellFolders) {
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                          0, KEY_READ, &key),
            ERROR_SUCCESS);
  for (const char* name : {"Programs", "Startup", "AppData", "Personal", "Desktop"}) {
    char value[MAX_PATH];
    DWORD size = sizeof value, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size),
              ERROR_SUCCESS)
        << name;
  }
  RegCloseKey(key);
}

}  // namespace
