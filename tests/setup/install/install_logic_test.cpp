// The plain logic of the copy worker: the installed-files list, the progress
// arithmetic and the values and order of the uninstall record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/copyprogress.h"
#include "setup/installedfiles.h"
#include "setup/shortcutlist.h"
#include "setup/uninstallrecord.h"

namespace {

TEST(InstalledFiles, JoinsMembersThenPutsEachCopiedFileBehindABar) {
  struct CASE {
    std::vector<const char*> Members;
    std::vector<const char*> Copied;
    const char* Expected;
  } cases[] = {
      {{"a.txt", "docs/b.txt"}, {}, "a.txt|docs/b.txt"},
      {{}, {"x.dll"}, "|x.dll"},
      {{"a.txt", "docs/", "docs/b.txt"}, {"setup.exe", "setupenglish.dll"}, "a.txt|docs/|docs/b.txt|setup.exe|setupenglish.dll"},
      {{}, {}, ""},
  };
  for (const CASE& c : cases) {
    INSTALLEDFILES list;
    for (const char* m : c.Members) list.AddMember(m);
    for (const char* f : c.Copied) list.AddCopied(f);
    EXPECT_STREQ(list.Text().Buffer, c.Expected);
  }
}

TEST(CopyProgress, MovesByTheShareOfTheTotalTruncated) {
  // Members of 10, 30 and 60 bytes.
  EXPECT_EQ(CopyProgressPosition(10, 100), 10);
  EXPECT_EQ(CopyProgressPosition(40, 100), 40);
  EXPECT_EQ(CopyProgressPosition(100, 100), 100);
  EXPECT_EQ(CopyProgressPosition(2, 3), 66);
  EXPECT_EQ(CopyProgressPosition(0, 7), 0);
}

TEST(CopyProgress, LargeArchivesDoNotWrapAndNoTotalMeansNoMove) {
  // 100 MiB done of 200 MiB: done x 100 is beyond 32 bits.
  EXPECT_EQ(CopyProgressPosition(100u << 20, 200u << 20), 50);
  EXPECT_EQ(CopyProgressPosition(0xFFFFFFFFu, 0xFFFFFFFFu), 100);
  EXPECT_EQ(CopyProgressPosition(50, 40), 100);
  EXPECT_EQ(CopyProgressPosition(0, 0), -1);
  EXPECT_EQ(CopyProgressPosition(5, 0), -1);
}

std::vector<std::string> Names(const UNINSTALLRECORD& r) {
  std::vector<std::string> names;
  for (int i = 0; i < r.Count; ++i) names.push_back(r.Values[i].Name);
  return names;
}

std::string ValueOf(const UNINSTALLRECORD& r, const char* name) {
  for (int i = 0; i < r.Count; ++i)
    if (std::string(r.Values[i].Name) == name) return r.Values[i].Value.Buffer != nullptr ? r.Values[i].Value.Buffer : "(null)";
  return "(absent)";
}

STRINGARRAY SampleConfig() {
  STRINGARRAY cfg(STRING(
      "AppName=Quillpad\nAppVersion=2.1\nIniKey=Quillpad2\nStartmenuName=Quillpad 2.1\n"
      "UninstallIcon=quillpad.exe\nProtectedFiles=quillpad.ini|quillpad.lic\n"
      "UninstallEmail=feedback@korvex.example;mail.korvex.example\n"));
  return cfg;
}

TEST(UninstallRecord, HoldsEveryValueInTheOrderTheUninstallerExpects) {
  STRINGARRAY cfg = SampleConfig();
  UNINSTALLRECORD r = MakeUninstallRecord(cfg, STRING("C:\\Program Files\\Korvex\\Quillpad"), STRING("a.txt|b/|b/c.txt|setup.exe"));
  EXPECT_EQ(Names(r), (std::vector<std::string>{"DisplayName", "DisplayVersion", "DisplayIcon", "Publisher",
                                                  "URLInfoAbout", "AppName", "Version", "UninstallString",
                                                  "UninstallFiles", "UninstallPath", "UninstallProtect",
                                                  "UninstallEmail"}));
  EXPECT_EQ(ValueOf(r, "DisplayName"), "Quillpad 2.1");
  EXPECT_EQ(ValueOf(r, "DisplayVersion"), "2.1");
  EXPECT_EQ(ValueOf(r, "DisplayIcon"), "C:\\Program Files\\Korvex\\Quillpad\\quillpad.exe");
  EXPECT_EQ(ValueOf(r, "Publisher"), UNINSTALL_PUBLISHER);
  EXPECT_EQ(ValueOf(r, "URLInfoAbout"), UNINSTALL_URLINFOABOUT);
  EXPECT_EQ(ValueOf(r, "AppName"), "Quillpad");
  EXPECT_EQ(ValueOf(r, "Version"), "2.1");
  EXPECT_EQ(ValueOf(r, "UninstallString"), "\"C:\\Program Files\\Korvex\\Quillpad\\Setup.exe\" -remove \"Quillpad2\"");
  EXPECT_EQ(ValueOf(r, "UninstallFiles"), "a.txt|b/|b/c.txt|setup.exe");
  EXPECT_EQ(ValueOf(r, "UninstallPath"), "C:\\Program Files\\Korvex\\Quillpad");
  EXPECT_EQ(ValueOf(r, "UninstallProtect"), "quillpad.ini|quillpad.lic");
  EXPECT_EQ(ValueOf(r, "UninstallEmail"), "feedback@korvex.example;mail.korvex.example");
}

TEST(UninstallRecord, MailWithoutServerAndMissingKeysAsWritten) {
  STRINGARRAY cfg(STRING("IniKey=P\nUninstallEmail=feedback@korvex.example\n"));
  UNINSTALLRECORD r = MakeUninstallRecord(cfg, STRING("D:"), STRING("|x.dll"));
  EXPECT_EQ(ValueOf(r, "UninstallEmail"), "(absent)");
  EXPECT_EQ(r.Count, 11);
  // No StartmenuName: the product name; nothing else invents a value.
  EXPECT_EQ(ValueOf(r, "DisplayName"), "");
  EXPECT_EQ(ValueOf(r, "DisplayVersion"), "");
  EXPECT_EQ(ValueOf(r, "AppName"), "");
  EXPECT_EQ(ValueOf(r, "DisplayIcon"), "D:\\<NULL>");
  EXPECT_EQ(ValueOf(r, "UninstallProtect"), "");
  EXPECT_EQ(ValueOf(r, "UninstallString"), "\"D:\\Setup.exe\" -remove \"P\"");

  STRINGARRAY named(STRING("AppName=Tool\n"));
  EXPECT_EQ(ValueOf(MakeUninstallRecord(named, STRING("C:\\T"), STRING("")), "DisplayName"), "Tool");
}

}  // namespace

namespace {

TEST(ShortcutList, DesktopEntryComesFromTheLastMainProgramEntry) {
  struct CASE {
    const char* Opts;
    const char* Expected;  // null: no desktop entry
  } cases[] = {
      {"Quillpad;*quillpad.exe;;quillpad.exe:0|Read Me;readme.txt", "Quillpad;#quillpad.exe;"},
      {"A;*a.exe;-x|B;*bin\\b.exe;-y -z;b.ico", "B;#bin\\b.exe;-y -z"},
      {"Read Me;readme.txt|Web;https://www.korvex.example/", nullptr},
      {"Tool;*tool.exe", "Tool;#tool.exe;"},
      {"", nullptr},
  };
  for (const CASE& c : cases) {
    STRING desktop = DesktopEntry(STRING(c.Opts));
    if (c.Expected == nullptr)
      EXPECT_EQ(desktop.Buffer, nullptr) << c.Opts;
    else
      EXPECT_STREQ(desktop.Buffer, c.Expected) << c.Opts;
  }
}

TEST(ShortcutList, UninstallEntryRemovesTheProductByItsKey) {
  EXPECT_STREQ(UninstallEntry(STRING("Uninstall $PROGRAM"), "Quillpad", "Quillpad2").Buffer,
               "Uninstall Quillpad;setup.exe;-remove Quillpad2;setup.exe:1");
}

TEST(ShortcutList, EntriesJoinWithBarsAndRecordedNamesLoseTheOuterOnes) {
  STRING list;
  AppendEntry(list, STRING("A;a.exe"));
  AppendEntry(list, STRING("B;b.exe"));
  EXPECT_STREQ(list.Buffer, "A;a.exe|B;b.exe");
  STRING empty("");
  AppendEntry(empty, STRING("D;#d.exe;"));
  EXPECT_STREQ(empty.Buffer, "D;#d.exe;");
  EXPECT_STREQ(RecordedNames(STRING("Quillpad|Read Me|")).Buffer, "Quillpad|Read Me");
  EXPECT_STREQ(RecordedNames(STRING("|")).Buffer, "");
  EXPECT_STREQ(RecordedNames(STRING()).Buffer, "");
}

}  // namespace
