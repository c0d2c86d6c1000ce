// Joining and splitting paths, DirectoryOf, and MakePath with good and bad
// paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "osys/file.h"
#include "osys/paths.h"
#include "osys/platform.h"
#include "osys/tree.h"
#include "tests/foundation/support.h"

namespace {

std::string Text(const STRING& s) { return s.Buffer != nullptr ? std::string(s.Buffer) : std::string("<null>"); }

// The text with every "\\" as the platform's separator.
std::string Native(std::string path) {
  for (char& c : path)
    if (c == '\\') c = OSYS::Platform::PathSeparator();
  return path;
}

std::string Current() { return Text(OSYS::CurrentDirectory()); }

std::vector<std::string> Listing(const std::string& directory) {
  DYNARRAY list;
  OSYS::ListFiles(directory.c_str(), "*.*", &list, true);
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(Text(*list.ItemAt(i)));
  return items;
}

TEST(Paths, JoinPath) {
  EXPECT_EQ(Text(OSYS::JoinPath(Native("C:\\x\\").c_str(), "a.txt")), Native("C:\\x\\a.txt"));
  EXPECT_EQ(Text(OSYS::JoinPath(Native("C:\\x").c_str(), "a.txt")), Native("C:\\x\\a.txt"));
  std::string current = Current();
  ASSERT_FALSE(current.empty());
  std::string inCurrent = current + (current.back() == OSYS::Platform::PathSeparator() ? "" : Native("\\")) + "a.txt";
  EXPECT_EQ(Text(OSYS::JoinPath("", "a.txt")), inCurrent) << "an empty directory is the current one";
  EXPECT_EQ(Text(OSYS::JoinPath(nullptr, "a.txt")), inCurrent);
}

TEST(Paths, SplittingAtEverySeparator) {
  struct CASE {
    const char* Path;
    const char* Dir;
    const char* Name;
  };
  const CASE cases[] = {
      {"setup.exe", ".", "setup.exe"},
      {"C:\\setup.exe", "C:", "setup.exe"},
      {"a/b\\c.txt", "a/b", "c.txt"},
      {"C:file.txt", "C", "file.txt"},
      {"C:\\x\\", "C:\\x", ""},
      {"", ".", ""},
  };
  for (const CASE& c : cases) {
    EXPECT_EQ(Text(OSYS::DirPart(c.Path)), c.Dir) << c.Path;
    EXPECT_EQ(Text(OSYS::NamePart(c.Path)), c.Name) << c.Path;
  }
  EXPECT_EQ(OSYS::NamePart(nullptr).Buffer, nullptr);
}

TEST(Paths, DirectoryOf) {
  std::string current = Current();
  ASSERT_GE(current.size(), 2u);
  std::string drive = current.substr(0, 2);
  std::string currentWithout = current.size() != 3 && current.back() == '\\' ? current.substr(0, current.size() - 1)
                                                                              : current;
  struct CASE {
    const char* Path;
    std::string Expected;
  };
  const CASE cases[] = {
      {"C:\\setup.exe", "C:\\"},
      {"C:\\x\\y\\setup.exe", "C:\\x\\y"},
      {"C:/x/setup.exe", "C:/x/"},
      {"C:setup.exe", "C:"},
      {"\\x\\y.exe", drive + "\\x"},
      {"x\\y.exe", drive + "x"},
      {"setup.exe", currentWithout},
  };
  for (const CASE& c : cases) EXPECT_EQ(Text(OSYS::DirectoryOf(c.Path)), c.Expected) << c.Path;
}

// A path of exactly length characters below the root, made of parts of at
// most 100 characters.
std::string PathOfLength(const std::string& root, size_t length, char separator = OSYS::Platform::PathSeparator()) {
  std::string path = root;
  while (path.size() < length) {
    path += separator;
    size_t part = std::min<size_t>(100, length - path.size());
    if (part == 0) part = 1;
    path.append(part, 'd');
  }
  return path.substr(0, length);
}

TEST(Paths, LongPathsSplitWithoutLimit) {
  std::string path = PathOfLength("C:\\long", 300, '\\') + "\\name.txt";
  std::string directory = path.substr(0, path.rfind('\\'));
  EXPECT_EQ(Text(OSYS::DirPart(path.c_str())), directory);
  EXPECT_EQ(Text(OSYS::NamePart(path.c_str())), "name.txt");
  EXPECT_EQ(Text(OSYS::DirectoryOf(path.c_str())), directory) << "a directory part beyond 256 characters is whole";
}

TEST(Paths, MakePathCreatesEveryMissingPart) {
  std::string root = testsupport::ScratchDirectory("makepath");
  std::string deep = root + Native("\\a\\b\\c");
  EXPECT_TRUE(OSYS::MakePath(deep.c_str()));
  EXPECT_TRUE(OSYS::IsDirectory((root + Native("\\a\\b")).c_str()));
  EXPECT_TRUE(OSYS::IsDirectory(deep.c_str()));
  EXPECT_TRUE(OSYS::MakePath(deep.c_str())) << "an existing path";
  EXPECT_TRUE(OSYS::MakePath((deep + Native("\\")).c_str())) << "with a trailing separator";

  std::string file = root + Native("\\file.txt");
  testsupport::WriteFile(file, "x");
  EXPECT_FALSE(OSYS::MakePath((file + Native("\\sub")).c_str())) << "a file in the way";
  EXPECT_FALSE(OSYS::MakePath(""));
  EXPECT_FALSE(OSYS::MakePath(nullptr));
  OSYS::DeleteTree(root.c_str(), "*.*", true);
}

// Paths around the platform's length limit: the result says whether the
// directory is there, what is there is listed whole, and deleting the tree
// takes every file it could list.
TEST(Paths, PathsAtTheLengthLimit) {
  std::string root = testsupport::ScratchDirectory("limit");
  for (size_t length : {259u, 260u, 300u}) {
    std::string path = PathOfLength(root + Native("\\L") + std::to_string(length), length);
    ASSERT_EQ(path.size(), length);
    bool made = OSYS::MakePath(path.c_str());
    EXPECT_EQ(made, OSYS::IsDirectory(path.c_str())) << length;
    if (!made) continue;
    std::string file = Text(OSYS::JoinPath(path.c_str(), "f.txt"));
    OSYS::File::Close(OSYS::File::Open(file.c_str(), OSYS::File::Access::Write));
    std::vector<std::string> listed = Listing(root);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), file), OSYS::FileExists(file.c_str()) ? 1 : 0) << length;
  }
#ifdef _WIN32
  EXPECT_FALSE(OSYS::IsDirectory(PathOfLength(root + "\\L300", 300).c_str()))
      << "an ANSI path of 300 characters is beyond the platform";
#endif
  std::vector<std::string> listed = Listing(root);
  OSYS::DeleteTree(root.c_str(), "*.*", true);
  for (const std::string& entry : listed) {
    if (!OSYS::IsDirectory(entry.c_str())) {
      EXPECT_FALSE(OSYS::FileExists(entry.c_str())) << entry;
    }
  }
  // What the platform's ANSI calls cannot reach, if anything.
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
}

#ifdef _WIN32
TEST(Paths, NamesWindowsForbids) {
  std::string root = testsupport::ScratchDirectory("forbidden");
  for (const char* name : {"a<b", "a>b", "a|b", "a\"b", "a*b", "a?b"}) {
    std::string path = root + "\\" + name + "\\sub";
    EXPECT_FALSE(OSYS::MakePath(path.c_str())) << name;
    EXPECT_FALSE(OSYS::FileExists(path.c_str())) << name;
  }
  OSYS::DeleteTree(root.c_str(), "*.*", true);
}
#endif

}  // namespace
