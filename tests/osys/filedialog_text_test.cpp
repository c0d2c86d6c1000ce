// The file dialogs' texts: the platform filter of the system's filter syntax
// with its default extension, and the files of a multiple selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/globals.h"
#include "osys/filedialog.h"

namespace {

using OSYS::FileDialogText::PlatformFilter;
using OSYS::FileDialogText::SplitSelection;

std::string Bytes(const STRING& s) { return s.Buffer != nullptr ? std::string(s.Buffer, s.StrLen) : "<null>"; }

TEST(FileDialogText, Filters) {
  using namespace std::string_literals;
  struct CASE {
    const char* Text;
    std::string Filter;
    std::string Extension;
  };
  const CASE cases[] = {
      {".txt\nText|*.txt", "Text (*.txt)\0*.txt\0"s, "txt"},
      {nullptr, "All Files (*.*)\0*.*\0"s, ""},
      {"Text|*.txt\nPictures|*.bmp;*.png", "Text (*.txt)\0*.txt\0Pictures (*.bmp;*.png)\0*.bmp;*.png\0"s, ""},
      {"|*.x\nNo pattern\nEmpty|\nKept|*.k", "Kept (*.k)\0*.k\0"s, ""},
      {".log\r\nLogs|*.log\r\n", "Logs (*.log)\0*.log\0"s, "log"},
      {"Text|*.txt\n.log", "Text (*.txt)\0*.txt\0"s, ""},
      {".txt", ""s, "txt"},
  };
  for (const CASE& c : cases) {
    STRING extension("unchanged");
    STRING filter = PlatformFilter(c.Text, &extension);
    EXPECT_EQ(Bytes(filter), c.Filter) << (c.Text ? c.Text : "<null>");
    EXPECT_EQ(Bytes(extension), c.Extension) << (c.Text ? c.Text : "<null>");
    ASSERT_NE(filter.Buffer, nullptr);
    EXPECT_EQ(filter.Buffer[filter.StrLen], 0) << "a second zero ends the list";
  }
  int language = LanguageNumber;
  LanguageNumber = 7;
  EXPECT_EQ(Bytes(PlatformFilter(nullptr, nullptr)), "Alle Dateien (*.*)\0*.*\0"s);
  LanguageNumber = language;
}

TEST(FileDialogText, Selections) {
  using namespace std::string_literals;
  struct CASE {
    std::string Buffer;
    std::vector<std::string> Files;
  };
  const CASE cases[] = {
      {"C:\\d\\a.txt\0\0"s, {"C:\\d\\a.txt"}},
      {"C:\\d\\name.\0\0"s, {"C:\\d\\name"}},
      {"C:\\d\0a.txt\0b.\0\0"s, {"C:\\d\\a.txt", "C:\\d\\b"}},
      {"C:\\\0a.txt\0\0"s, {"C:\\a.txt"}},
      {"\0\0"s, {}},
      {"C:\\d\0a.txt\0cut"s, {"C:\\d\\a.txt"}},
      {"C:\\d\0cut"s, {}},
      {"no end"s, {}},
  };
  for (const CASE& c : cases) {
    DYNARRAY list;
    int n = SplitSelection(c.Buffer.data(), static_cast<int>(c.Buffer.size()), &list);
    std::vector<std::string> files;
    for (int i = 0; i < list.Count(); ++i) files.push_back(Bytes(*list.ItemAt(i)));
    EXPECT_EQ(files, c.Files) << c.Buffer;
    EXPECT_EQ(n, static_cast<int>(c.Files.size())) << c.Buffer;
  }
}

}  // namespace
