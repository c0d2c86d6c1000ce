// The setup.cfg layer: language variants of keys, loading, defaults, numbers,
// the list and field syntaxes, the destination from InstallPath and the
// placeholders of the installer's texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/localise.h"
#include "setup/setupcfg.h"
#include "tests/foundation/support.h"

namespace {

std::string Text(const STRING& s) { return s.Buffer != nullptr ? s.Buffer : "<null>"; }

STRINGARRAY ListOf(const char* text) { return STRINGARRAY(STRING(text)); }

std::string KeysAndValues(const STRINGARRAY& list) {
  std::string out;
  for (int i = 0; i < list.Keys.Count(); ++i) {
    out += Text(*list.Keys.ItemAt(i)) + "=" + Text(*list.Values.ItemAt(i)) + ";";
  }
  return out;
}

TEST(LocaliseKeys, FoldsInTheLanguageAndDropsEveryOtherDottedKey) {
  const struct {
    const char* File;
    const char* Suffix;
    const char* After;
  } cases[] = {
      // The suffixed key replaces the plain one, case-insensitively; others go.
      {"WelcomeMsg=Hello\nWelcomeMsg.GER=Hallo\nWelcomeMsg.FRE=Salut\n", ".ger", "WelcomeMsg=Hallo;"},
      {"WelcomeMsg=Hello\nWelcomeMsg.FRE=Salut\n", ".GER", "WelcomeMsg=Hello;"},
      // Only the suffixed key: its base appears.
      {"FinishMsg.GER=Fertig\n", ".GER", "FinishMsg=Fertig;"},
      // A dotted key shorter than the suffix, and one with a dot anywhere.
      {"a.b=1\nx=2\nv1.0Notes=3\n", ".GER", "x=2;"},
      // An empty value wins as well.
      {"AppName=Tool\nAppName.GER=\n", ".GER", "AppName=;"},
      // The suffix is matched at the very end only.
      {"Url.GER.old=u\n", ".GER", ""},
      // The base of a suffixed key may hold a dot of its own: it stays.
      {"a.b.GER=1\n", ".GER", "a.b=1;"},
      // Without a suffix no key matches, but dotted keys still go.
      {"A=1\nA.GER=2\n", "", "A=1;"},
  };
  for (const auto& c : cases) {
    STRINGARRAY list = ListOf(c.File);
    LocaliseKeys(list, c.Suffix);
    EXPECT_EQ(KeysAndValues(list), c.After) << c.File << " with " << c.Suffix;
  }
}

class SetupCfgFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::ScratchDirectory("setupcfg");
    SetupCfg = STRINGARRAY();
  }
  void TearDown() override { SetupCfg = STRINGARRAY(); }
  std::string Write(const std::string& content) {
    std::string path = testsupport::PathIn(dir_, "setup.cfg");
    testsupport::WriteFile(path, content);
    return path;
  }
  std::string dir_;
};

TEST_F(SetupCfgFile, LoadsOrReportsTheMissingFile) {
  EXPECT_FALSE(SETUPCFG::Load(testsupport::PathIn(dir_, "setup.cfg").c_str()));
  EXPECT_EQ(SetupCfg.Keys.Count(), 0);
  std::string path = Write("AppName=Tool\r\nInstallPath=Tools\\\\Tool\r\nAppVersion=1.0\r\n");
  ASSERT_TRUE(SETUPCFG::Load(path.c_str()));
  EXPECT_EQ(Text(SetupCfg.Value("appname")), "Tool");
  // Values are unescaped: a doubled backslash in the file is one.
  EXPECT_EQ(Text(SetupCfg.Value("InstallPath")), "Tools\\Tool");
}

TEST_F(SetupCfgFile, StoresDefaultsAtTheirFirstUse) {
  SetupCfg = ListOf("DesktopIcon=2\nNoFinalPopup=\n");
  EXPECT_EQ(Text(SETUPCFG::CfgValue("DesktopIcon")), "2");
  EXPECT_EQ(SETUPCFG::CfgNumber("DesktopIcon"), 2);
  // Present but empty is not missing: it reads as 0.
  EXPECT_EQ(SETUPCFG::CfgNumber("NoFinalPopup"), 0);
  EXPECT_FALSE(SetupCfg.Contains("StartmenuUninstall"));
  EXPECT_EQ(Text(SETUPCFG::CfgValue("StartmenuUninstall")), "0");
  EXPECT_EQ(Text(SetupCfg.Value("StartmenuUninstall")), "0");  // stored for later readers
  EXPECT_EQ(Text(SETUPCFG::CfgValue("AppName")), "");
  EXPECT_EQ(SETUPCFG::CfgNumber("DesktopIcon"), 2);
  // A key without a default stays null.
  EXPECT_EQ(SETUPCFG::CfgValue("AppVersion").Buffer, nullptr);
  EXPECT_EQ(SETUPCFG::CfgNumber("IdIcon"), 0);
}

TEST_F(SetupCfgFile, ReadsNumbersAsAtolDoes) {
  SetupCfg = ListOf("A=12abc\nB=-3\nC=x7\nD= 4\n");
  EXPECT_EQ(SETUPCFG::CfgNumber("A"), 12);
  EXPECT_EQ(SETUPCFG::CfgNumber("B"), -3);
  EXPECT_EQ(SETUPCFG::CfgNumber("C"), 0);  // a NoFinalPopup of 'x7' shows the final message
  EXPECT_EQ(SETUPCFG::CfgNumber("D"), 4);
}

TEST(SetupCfgSyntax, ListsSkipEmptyEntries) {
  DYNARRAY entries = SETUPCFG::ListEntries(STRING("|a.dll||docs\\b.txt;Your notes?|"));
  ASSERT_EQ(entries.Count(), 2);
  EXPECT_EQ(Text(*entries.ItemAt(0)), "a.dll");
  EXPECT_EQ(Text(SETUPCFG::Field(*entries.ItemAt(1), 1)), "Your notes?");
  EXPECT_EQ(SETUPCFG::Field(*entries.ItemAt(1), 2).Buffer, nullptr);
  EXPECT_EQ(SETUPCFG::ListEntries(STRING()).Count(), 0);
  EXPECT_EQ(Text(SETUPCFG::MemberList(STRING("docs\\b.txt;q|a\\b\\c"))), "docs/b.txt;q|a/b/c");
  EXPECT_EQ(Text(SETUPCFG::MemberList(STRING())), "");
}

TEST(SetupCfgSyntax, ShortcutEntries) {
  using SETUPCFG::ParseShortcut;
  SETUPCFG::SHORTCUTENTRY main = ParseShortcut(STRING("Tool;*bin\\tool.exe;-q;bin\\icons.dll:3"));
  EXPECT_EQ(Text(main.Name), "Tool");
  EXPECT_EQ(Text(main.Target), "bin\\tool.exe");
  EXPECT_TRUE(main.IsMainProgram);
  EXPECT_FALSE(main.IsDesktop);
  EXPECT_FALSE(main.IsInternet);
  EXPECT_EQ(Text(main.Arguments), "-q");
  EXPECT_TRUE(main.HasIcon);
  EXPECT_EQ(Text(main.IconFile), "bin\\icons.dll");
  EXPECT_EQ(main.IconIndex, 3);

  SETUPCFG::SHORTCUTENTRY web = ParseShortcut(STRING("Home page;HTTPS://example.com/tool"));
  EXPECT_TRUE(web.IsInternet);
  EXPECT_EQ(Text(web.Arguments), "");
  EXPECT_FALSE(web.HasIcon);

  SETUPCFG::SHORTCUTENTRY desktop = ParseShortcut(STRING("Tool;#tool.exe;;tool.exe"));
  EXPECT_TRUE(desktop.IsDesktop);
  EXPECT_EQ(Text(desktop.Target), "tool.exe");
  EXPECT_EQ(desktop.IconIndex, 0);
  EXPECT_EQ(Text(ParseShortcut(STRING("Plain")).Target), "");
}

TEST(SetupCfgSyntax, UninstallEmailNeedsBothFields) {
  STRING address, server;
  ASSERT_TRUE(SETUPCFG::ParseUninstallEmail(STRING("help@example.com;mail.example.com"), &address, &server));
  EXPECT_EQ(Text(address), "help@example.com");
  EXPECT_EQ(Text(server), "mail.example.com");
  EXPECT_FALSE(SETUPCFG::ParseUninstallEmail(STRING("help@example.com"), &address, &server));
  EXPECT_FALSE(SETUPCFG::ParseUninstallEmail(STRING(), &address, &server));
}

TEST(SetupCfgSyntax, InstallPathGivesTheDestination) {
  const STRING programFiles("C:\\Program Files\\");
  const struct {
    const char* Value;
    const char* Destination;
  } cases[] = {
      {"*D:\\Tools\\Tool", "D:\\Tools\\Tool"},
      {"Korvex\\Tool", "C:\\Program Files\\Korvex\\Tool"},
      {"\\Tool", "C:\\Program Files\\\\Tool"},  // appended without separator
      {"*", ""},
      {nullptr, "C:\\Program Files\\"},  // missing: no "<NULL>" in a path
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(SETUPCFG::ResolveInstallPath(STRING(c.Value), programFiles)), c.Destination)
        << (c.Value ? c.Value : "(missing)");
  }
  EXPECT_EQ(Text(SETUPCFG::ResolveInstallPath(STRING("Tool"), STRING())), "Tool");
}

TEST_F(SetupCfgFile, ReplacesThePlaceholdersOfTheTexts) {
  SetupCfg = ListOf("AppName=Tool\nAppVersion=2.1\n");
  EXPECT_EQ(Text(SETUPCFG::ProductTitle()), "Tool 2.1");
  EXPECT_EQ(Text(SETUPCFG::WithProgram(STRING("$PROGRAM is ready; start $PROGRAM."))),
            "Tool is ready; start Tool.");
  EXPECT_EQ(Text(SETUPCFG::WithProgramAndFile(STRING("$FILE of $PROGRAM"), "docs/b.txt")),
            "docs/b.txt of Tool");
  EXPECT_EQ(Text(SETUPCFG::WithProductTitle(STRING("Licence of $PROGRAM"))), "Licence of Tool 2.1");
  EXPECT_EQ(Text(SETUPCFG::WithProg(STRING("Users of $PROG"), "Viewer")), "Users of Viewer");
  EXPECT_EQ(Text(SETUPCFG::FrameCaption(STRING("Korvex Setup - Korvex"))), "Tool Setup - Tool");
  // Case-sensitive; "$PROGRAM" is not "$PROG" followed by "RAM".
  EXPECT_EQ(Text(SETUPCFG::WithProgram(STRING("$program"))), "$program");
  EXPECT_EQ(Text(SETUPCFG::WithProg(STRING("$PROGRAM and $PROG"), "X")), "$PROGRAM and X");
  // What is put in is not searched again.
  EXPECT_EQ(Text(SETUPCFG::WithProgramAndFile(STRING("$FILE: $PROGRAM"), "$PROGRAM.txt")),
            "$PROGRAM.txt: Tool");
}

TEST_F(SetupCfgFile, MissingValuesInComposedTexts) {
  SetupCfg = ListOf("AppName=Tool\n");
  EXPECT_EQ(Text(SETUPCFG::ProductTitle()), "Tool <NULL>");
  SetupCfg = STRINGARRAY();
  EXPECT_EQ(Text(SETUPCFG::WithProgram(STRING("Remove $PROGRAM"))), "Remove ");
  EXPECT_EQ(Text(SETUPCFG::FrameCaption(STRING("Korvex Setup"))), " Setup");
}

}  // namespace
